// What the player, team and calendar files share: a whole file or a memory buffer read through
// one path, a missing file refused alike.
#pragma once

#include <cstddef>

#include "database/load_report.h"

class ByteSource;

class DatabaseFile {
public:
    virtual ~DatabaseFile() = default;

    // Reads a whole file (a host path). A file that cannot be opened, or is no regular file,
    // is refused as LOAD_NOT_FOUND.
    bool read(const char* path, LoadReport* report = nullptr);
    bool readMemory(const void* data, std::size_t size, LoadReport* report = nullptr);

private:
    // Runs before every read: what a refused read leaves behind.
    virtual void emptyForRead() = 0;
    virtual const char* missingText() const = 0;
    virtual bool load(ByteSource& source, LoadReport* report) = 0;
};
