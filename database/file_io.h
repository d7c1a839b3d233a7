// Byte-exact file access for the database readers and writers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Exact reads from a regular file or a memory buffer whose size is known before reading.
class ByteSource {
public:
    ByteSource() = default;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    ~ByteSource();

    // False when the path cannot be opened or is not a regular file.
    bool openFile(const char* path);
    void openMemory(const void* data, std::size_t size);

    uint64_t size() const { return total; }
    uint64_t position() const { return pos; }
    // Reads exactly n bytes or fails; a failed read may leave dst partly written.
    bool read(void* dst, std::size_t n);

private:
    std::FILE* file = nullptr;
    const unsigned char* memory = nullptr;
    uint64_t total = 0;
    uint64_t pos = 0;
};

// The system calls a FileWriter makes, one per step, so a test can fail any one of them.
// Each answers as the call it stands for does (errno set on failure).
class FileOps {
public:
    virtual ~FileOps() = default;
    virtual int createTemporary(char* pattern); // mkstemp
    virtual std::FILE* openStream(int fd);      // fdopen for writing
    virtual std::size_t write(const void* data, std::size_t n, std::FILE* file);
    virtual int flush(std::FILE* file);
    virtual int sync(std::FILE* file); // fsync
    virtual int close(std::FILE* file);
    virtual int rename(const char* from, const char* to);
};

FileOps& systemFileOps();

// Writes a file through a temporary beside it and renames it into place only when every
// byte is on disk, so a failed write never leaves a cut-off file where a good one was.
class FileWriter {
public:
    explicit FileWriter(FileOps& ops = systemFileOps()) : ops(ops) {}
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    ~FileWriter();

    bool open(const char* path);
    bool write(const void* data, std::size_t n);
    // Flushes, closes and renames; false (with errno set) when any step failed.
    bool commit();

private:
    void discard();

    FileOps& ops;
    std::FILE* file = nullptr;
    std::string target;
    std::string temporary;
    bool failed = false;
    int writeError = 0;
};
