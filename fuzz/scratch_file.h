// For readers that take a file name: the input goes to one file in a private temporary folder.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

// Writes the bytes to <temporary folder>/input<extension> and answers its path; the folder is
// made once per process, in memory where the system offers it (a disk write per input would
// cost more than the reader), and removed at exit.
inline const std::string& scratchFile(const char* extension, const uint8_t* data, size_t size) {
    static std::string folder;
    static std::string path;
    if (folder.empty()) {
        char pattern[] = "/dev/shm/menajer_fuzz_XXXXXX";
        char fallback[] = "/tmp/menajer_fuzz_XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) made = mkdtemp(fallback);
        if (!made) std::abort();
        folder = made;
        std::atexit([] {
            std::remove(path.c_str());
            rmdir(folder.c_str());
        });
    }
    path = folder + "/input" + extension;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
    return path;
}
