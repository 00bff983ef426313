#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

struct ContainerEntry;

// One open data file. Reading goes through the FileLoader, so the bytes come from the data
// container when there is one and from a loose file under data/ otherwise; writing always goes
// to disk. A container entry reads through the loader's one shared stream, so open, read and
// close one entry before opening the next.
class File {
  public:
    File() = default;
    virtual ~File();

    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Modes starting with 'r' read (always binary, so lines keep their carriage returns); any
    // other mode opens the path on disk. Closes what was open first.
    virtual bool Open(const std::string& path, const char* mode);
    virtual void Close();
    virtual bool IsOpen() const;

    // Never returns bytes past the end of a container entry.
    virtual std::size_t Read(void* buffer, std::size_t count);
    // Always 0 for a container entry.
    virtual std::size_t Write(const void* buffer, std::size_t count);
    virtual bool Eof() const;
    // Relative to the entry's first byte for a container entry; -1 when closed.
    virtual long Tell() const;
    // origin: 0 start, 1 current, 2 end. A container entry seeks within itself only.
    virtual bool Seek(int origin, long offset);
    virtual std::size_t Length() const;
    // Like fgets, at most size - 1 characters including the line feed; nullptr at the end or
    // when nothing could be read.
    virtual char* GetLine(char* buffer, int size);
    // Writes nothing to a container entry; returns the number of characters written or -1.
    virtual int Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

  private:
    struct StreamCloser {
        void operator()(std::FILE* stream) const { std::fclose(stream); }
    };

    // Bytes left before the entry's end; 0 when the shared stream sits outside the entry.
    std::size_t RemainingInEntry() const;
    long PositionInEntry() const;
    bool SeekInEntry(int origin, long offset);
    std::size_t LooseLength() const;

    std::unique_ptr<std::FILE, StreamCloser>
        ownedStream;                       // loose files and files opened for writing
    std::FILE* stream = nullptr;           // ownedStream, or the loader's container stream
    const ContainerEntry* entry = nullptr; // the loader's record, when reading the container
};
