#include "database/database_file.h"

#include "database/file_io.h"

bool DatabaseFile::read(const char* path, LoadReport* report) {
    emptyForRead();
    ByteSource source;
    if (!source.openFile(path)) return refuseLoad(report, LOAD_NOT_FOUND, 0, 0, 0, missingText());
    return load(source, report);
}

bool DatabaseFile::readMemory(const void* data, std::size_t size, LoadReport* report) {
    emptyForRead();
    ByteSource source;
    source.openMemory(data, size);
    return load(source, report);
}
