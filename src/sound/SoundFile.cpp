#include "sound/SoundFile.h"

#include "core/File.h"
#include "core/FileUtil.h"
#include "core/Log.h"
#include "core/StringUtil.h"

#include <new>

namespace SoundFile {

bool HasExtension(const std::string& fileName, std::string_view upperCaseExtension) {
    const std::size_t length = upperCaseExtension.size();
    if (fileName.size() < length)
        return false;
    return StringUtil::ToUpper(std::string_view(fileName).substr(fileName.size() - length)) ==
           upperCaseExtension;
}

bool ReadWhole(const std::string& fileName, std::vector<uint8_t>& bytes,
               const char* outOfMemoryLine) {
    const std::size_t length = FileUtil::FileLength(fileName);
    if (length == 0)
        return false;
    try {
        bytes.assign(length, 0);
    } catch (const std::bad_alloc&) {
        Log("%s", outOfMemoryLine);
        return false;
    }
    File file;
    if (!file.Open(fileName, "rb"))
        return false;
    bytes.resize(file.Read(bytes.data(), length));
    return !bytes.empty();
}

} // namespace SoundFile
