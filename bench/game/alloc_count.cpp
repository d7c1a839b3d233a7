#include "bench/game/alloc_count.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <execinfo.h>
#include <new>

extern "C" void* __real_malloc(std::size_t n);
extern "C" void* __real_calloc(std::size_t n, std::size_t size);
extern "C" void* __real_realloc(void* p, std::size_t n);
extern "C" char* __real_strdup(const char* s);
extern "C" std::FILE* __real_fopen(const char* path, const char* mode);

namespace alloccount {
namespace {

bool counting = false;
int64_t counted = 0;
int tracesLeft = 0;
void (*openWatcher)(const char*) = nullptr;

void count() {
    if (!counting) return;
    ++counted;
    if (tracesLeft > 0) {
        --tracesLeft;
        counting = false; // backtrace may allocate
        void* frames[16];
        const int n = backtrace(frames, 16);
        std::fputs("allocation in a steady-state frame:\n", stderr);
        backtrace_symbols_fd(frames, n, 2);
        counting = true;
    }
}

} // namespace

void start() {
    counted = 0;
    counting = true;
}

int64_t stop() {
    counting = false;
    return counted;
}

void traceFromEnvironment() {
    if (std::getenv("BENCH_ALLOC_TRACE")) {
        void* frames[2];
        backtrace(frames, 2); // loads what backtrace needs, outside any count
        tracesLeft = 5;
    }
}

void watchOpens(void (*watcher)(const char* path)) {
    openWatcher = watcher;
}

} // namespace alloccount

extern "C" void* __wrap_malloc(std::size_t n) {
    alloccount::count();
    return __real_malloc(n);
}
extern "C" void* __wrap_calloc(std::size_t n, std::size_t size) {
    alloccount::count();
    return __real_calloc(n, size);
}
extern "C" void* __wrap_realloc(void* p, std::size_t n) {
    alloccount::count();
    return __real_realloc(p, n);
}
extern "C" char* __wrap_strdup(const char* s) {
    alloccount::count();
    return __real_strdup(s);
}
extern "C" std::FILE* __wrap_fopen(const char* path, const char* mode) {
    alloccount::count(); // a stream is a heap buffer
    if (alloccount::openWatcher) alloccount::openWatcher(path);
    return __real_fopen(path, mode);
}

namespace {
void* counted(std::size_t n) {
    alloccount::count();
    if (void* p = __real_malloc(n ? n : 1)) return p;
    std::abort(); // a benchmark out of memory has nothing to report
}
void* countedAligned(std::size_t n, std::align_val_t align) {
    alloccount::count();
    void* p = nullptr;
    if (posix_memalign(&p, std::size_t(align), n ? n : 1) == 0) return p;
    std::abort();
}
} // namespace

void* operator new(std::size_t n) {
    return counted(n);
}
void* operator new[](std::size_t n) {
    return counted(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    alloccount::count();
    return __real_malloc(n ? n : 1);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    alloccount::count();
    return __real_malloc(n ? n : 1);
}
void* operator new(std::size_t n, std::align_val_t a) {
    return countedAligned(n, a);
}
void* operator new[](std::size_t n, std::align_val_t a) {
    return countedAligned(n, a);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
