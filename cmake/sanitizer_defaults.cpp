// Sanitizer settings built into every program of a sanitizer build, so a test or a program
// run by hand reports the same way as under scripts/test.
#include <dlfcn.h>
#include <stdlib.h>

extern "C" const char* __asan_default_options() {
    return "detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1";
}

extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}

extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

// Allocations kept until exit on purpose; everything else is a leak. Our own code keeps none
// that the checker cannot reach. The system libraries beneath SDL and the toolkit keep theirs
// for the whole process (SDL's D-Bus connection, the toolkit's font registry) and never free
// them; their frames are past what the fast unwinder follows, so they are named by library.
// GLib keeps per-thread data (charset caches, a thread's default main-context queue, slice
// magazines) that only the thread's own storage points to; a toolkit worker thread ending
// while the check runs at exit leaves it unreachable for a moment. No code of ours calls GLib.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n"
           "leak:libglib-2.0.so\n";
}

// The software GL driver is unloaded with the last GL context, and what it kept would then be
// reported from an unknown module that no suppression can name: keep it loaded. The toolkit's
// accessibility bridge keeps two strings from start-up whose callers the fast unwinder cannot
// reach past glib: leave the bridge out.
__attribute__((constructor)) static void prepareForLeakCheck() {
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_LAZY | RTLD_NODELETE);
    setenv("NO_AT_BRIDGE", "1", 0);
}
