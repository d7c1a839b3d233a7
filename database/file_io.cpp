#include "database/file_io.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

ByteSource::~ByteSource() {
    if (file) std::fclose(file);
}

bool ByteSource::openFile(const char* path) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    struct stat st;
    const bool statted = fstat(fileno(f), &st) == 0;
    if (!statted || !S_ISREG(st.st_mode)) {
        const int saved = !statted ? errno : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        std::fclose(f);
        errno = saved;
        return false;
    }
    if (file) std::fclose(file);
    file = f;
    memory = nullptr;
    total = uint64_t(st.st_size);
    pos = 0;
    return true;
}

void ByteSource::openMemory(const void* data, std::size_t size) {
    if (file) std::fclose(file);
    file = nullptr;
    memory = static_cast<const unsigned char*>(data);
    total = size;
    pos = 0;
}

bool ByteSource::read(void* dst, std::size_t n) {
    if (n > total - pos) return false;
    if (file) {
        if (std::fread(dst, 1, n, file) != n) return false;
    } else if (n) {
        std::memcpy(dst, memory + pos, n);
    }
    pos += n;
    return true;
}

int FileOps::createTemporary(char* pattern) {
    return mkstemp(pattern);
}
std::FILE* FileOps::openStream(int fd) {
    return fdopen(fd, "wb");
}
std::size_t FileOps::write(const void* data, std::size_t n, std::FILE* file) {
    return std::fwrite(data, 1, n, file);
}
int FileOps::flush(std::FILE* file) {
    return std::fflush(file);
}
int FileOps::sync(std::FILE* file) {
    return fsync(fileno(file));
}
int FileOps::close(std::FILE* file) {
    return std::fclose(file);
}
int FileOps::rename(const char* from, const char* to) {
    return std::rename(from, to);
}

FileOps& systemFileOps() {
    static FileOps ops;
    return ops;
}

FileWriter::~FileWriter() {
    discard();
}

bool FileWriter::open(const char* path) {
    discard();
    target = path;
    // Through a symbolic link the file it points to is replaced, and the link kept.
    struct stat st;
    if (lstat(path, &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = realpath(path, nullptr)) {
            target = real;
            std::free(real);
        }
    }
    // A file the user may not write stays as it is, as if it were opened for writing.
    if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0) return false;
    temporary = target + ".XXXXXX";
    const int fd = ops.createTemporary(temporary.data());
    if (fd < 0) {
        temporary.clear();
        return false;
    }
    // mkstemp makes the file private; give it the mode the target has or a new file would get.
    mode_t mode;
    if (stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    fchmod(fd, mode);
    file = ops.openStream(fd);
    if (!file) {
        const int saved = errno;
        close(fd);
        discard();
        errno = saved;
        return false;
    }
    failed = false;
    return true;
}

bool FileWriter::write(const void* data, std::size_t n) {
    if (!file || failed) return false;
    if (ops.write(data, n, file) != n) {
        failed = true;
        writeError = errno;
    }
    return !failed;
}

bool FileWriter::commit() {
    if (!file) return false;
    bool ok = !failed && ops.flush(file) == 0 && ops.sync(file) == 0;
    int saved = failed ? writeError : errno;
    if (ops.close(file) != 0 && ok) {
        ok = false;
        saved = errno;
    }
    file = nullptr;
    if (ok && ops.rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        saved = errno;
    }
    if (ok) {
        temporary.clear();
        return true;
    }
    discard();
    errno = saved;
    return false;
}

void FileWriter::discard() {
    const int saved = errno;
    if (file) ops.close(file);
    file = nullptr;
    if (!temporary.empty()) std::remove(temporary.c_str());
    temporary.clear();
    errno = saved;
}
