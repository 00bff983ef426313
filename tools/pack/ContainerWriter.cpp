#include "ContainerWriter.h"

#include "core/ContainerEntry.h"
#include "core/FileLoader.h"
#include "core/StringUtil.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataPrefix = "data\\";
constexpr std::uint64_t kMaxContainerSize = std::numeric_limits<std::uint32_t>::max();

struct StreamCloser {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using Stream = std::unique_ptr<std::FILE, StreamCloser>;

std::string ContainerName(const fs::path& folder, const fs::path& file) {
    std::string relative = file.lexically_relative(folder).generic_string();
    std::replace(relative.begin(), relative.end(), '/', '\\');
    return StringUtil::ToLower(kDataPrefix + relative);
}

} // namespace

bool ContainerWriter::AddFolder(const fs::path& folder, const fs::path& skip) {
    std::error_code error;
    fs::recursive_directory_iterator it(folder, error);
    if (error)
        return Refuse("cannot read folder " + folder.string() + ": " + error.message());
    const fs::path skipped = skip.empty() ? fs::path() : fs::weakly_canonical(skip, error);
    std::vector<Source> found;
    for (const fs::recursive_directory_iterator end; it != end;) {
        const fs::path path = it->path();
        if (it->is_regular_file(error) &&
            (skipped.empty() || fs::weakly_canonical(path, error) != skipped))
            found.push_back({ContainerName(folder, path), path});
        if (!error)
            it.increment(error);
        if (error)
            return Refuse("cannot read " + path.string() + ": " + error.message());
    }
    const std::vector<Source> before = files;
    files.insert(files.end(), found.begin(), found.end());
    std::sort(files.begin(), files.end(),
              [](const Source& a, const Source& b) { return a.name < b.name; });
    if (CheckNames())
        return true;
    files = before;
    return false;
}

bool ContainerWriter::WriteTo(const fs::path& output) {
    Stream out(std::fopen(output.c_str(), "wb"));
    if (!out)
        return Refuse("cannot create " + output.string());
    std::vector<std::uint32_t> offsets;
    std::vector<std::uint32_t> lengths;
    const bool written =
        WriteEntries(out.get(), offsets, lengths) && WriteDirectory(out.get(), offsets, lengths);
    const bool closed = std::fclose(out.release()) == 0;
    if (written && !closed)
        Refuse("cannot finish writing " + output.string());
    if (written && closed)
        return true;
    std::error_code ignored;
    fs::remove(output, ignored);
    return false;
}

bool ContainerWriter::Refuse(std::string text) {
    message = std::move(text);
    return false;
}

bool ContainerWriter::CheckNames() {
    if (files.size() > kMaxFiles)
        return Refuse(StringUtil::Format("%zu files, but a container holds at most %zu",
                                         files.size(), kMaxFiles));
    for (std::size_t index = 0; index < files.size(); ++index) {
        const std::string& name = files[index].name;
        if (name.size() > ContainerEntry::kMaxNameLength)
            return Refuse(StringUtil::Format("name %s is longer than %zu characters", name.c_str(),
                                             ContainerEntry::kMaxNameLength));
        // The game would only ever find the first of two equal names.
        if (index > 0 && files[index - 1].name == name)
            return Refuse(files[index - 1].path.string() + " and " + files[index].path.string() +
                          " both become " + name);
    }
    return true;
}

bool ContainerWriter::WriteEntries(std::FILE* out, std::vector<std::uint32_t>& offsets,
                                   std::vector<std::uint32_t>& lengths) {
    // Room for the directory now; it is written last, once every offset is known.
    const std::vector<char> placeholder(FileLoader::kDirectoryBytes, '\0');
    std::uint64_t position = placeholder.size();
    const std::size_t headerLength = std::strlen(kHeaderName);
    if (std::fwrite(placeholder.data(), 1, placeholder.size(), out) != placeholder.size() ||
        std::fwrite(kHeaderName, 1, headerLength, out) != headerLength)
        return Refuse("cannot write the directory");
    offsets.push_back(static_cast<std::uint32_t>(position));
    lengths.push_back(static_cast<std::uint32_t>(headerLength));
    position += headerLength;

    for (const Source& source : files) {
        std::uint64_t length = 0;
        if (!AppendFile(out, source, position, length))
            return false;
        offsets.push_back(static_cast<std::uint32_t>(position));
        lengths.push_back(static_cast<std::uint32_t>(length));
        position += length;
    }
    return true;
}

bool ContainerWriter::AppendFile(std::FILE* out, const Source& source, std::uint64_t position,
                                 std::uint64_t& length) {
    const Stream in(std::fopen(source.path.c_str(), "rb"));
    if (!in)
        return Refuse("cannot read " + source.path.string());
    std::array<char, 64 * 1024> buffer;
    std::size_t count = 0;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), in.get())) > 0) {
        if (position + length + count > kMaxContainerSize)
            return Refuse("the container would be larger than 4 GiB at " + source.path.string());
        if (std::fwrite(buffer.data(), 1, count, out) != count)
            return Refuse("cannot write " + source.path.string() + " into the container");
        length += count;
    }
    if (std::ferror(in.get()))
        return Refuse("cannot read " + source.path.string());
    // A record of length 0 would end the directory and hide every later file.
    if (length == 0)
        return Refuse(source.path.string() + " is empty; a container cannot hold empty files");
    return true;
}

bool ContainerWriter::WriteDirectory(std::FILE* out, const std::vector<std::uint32_t>& offsets,
                                     const std::vector<std::uint32_t>& lengths) {
    // Value-initialised records are all zero: the one after the last file is the end record.
    std::vector<ContainerEntry> directory(FileLoader::kDirectoryRecords, ContainerEntry{});
    directory[0].SetName(kHeaderName);
    for (std::size_t index = 0; index < files.size(); ++index)
        directory[index + 1].SetName(files[index].name);
    for (std::size_t index = 0; index < offsets.size(); ++index) {
        directory[index].SetOffset(offsets[index]);
        directory[index].SetLength(lengths[index]);
    }
    if (std::fseek(out, 0, SEEK_SET) != 0 || std::fwrite(directory.data(), sizeof(ContainerEntry),
                                                         directory.size(), out) != directory.size())
        return Refuse("cannot write the directory");
    return true;
}
