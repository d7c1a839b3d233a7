#include "app/options.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#ifndef MENAJER_VERSION
#define MENAJER_VERSION "dev"
#endif

namespace {

constexpr int RUN = -1;

struct Option {
    const char* name;
    const char* value; // the argument's name, or nullptr for a flag
    const char* help;
    int (*apply)(Options&, const char* value);
};

int printHelp(Options&, const char*);

// One row per option; --help lists them in this order.
const Option OPTIONS[] = {
    {"--data", "DIR", "read the data set (a veri folder) from DIR instead of looking for it",
     [](Options& o, const char* v) { return o.dataFolder = v, RUN; }},
    {"--window", nullptr, "start in a resizable desktop window instead of full screen",
     [](Options& o, const char*) { return o.window = true, RUN; }},
    {"--help", nullptr, "print this help and exit", printHelp},
    {"--version", nullptr, "print the version and exit",
     [](Options&, const char*) { return std::printf("menajer " MENAJER_VERSION "\n"), 0; }},
};

int printHelp(Options&, const char*) {
    std::printf("usage: menajer [OPTION]...\n"
                "Starts the football-manager game, full screen.\n\nOptions:\n");
    char left[std::size(OPTIONS)][32];
    int width = 0;
    for (size_t i = 0; i < std::size(OPTIONS); ++i) {
        const Option& o = OPTIONS[i];
        const int n = std::snprintf(left[i], sizeof left[i], "%s%s%s", o.name, o.value ? " " : "",
                                    o.value ? o.value : "");
        width = n > width ? n : width;
    }
    for (size_t i = 0; i < std::size(OPTIONS); ++i)
        std::printf("  %-*s  %s\n", width, left[i], OPTIONS[i].help);
    std::printf("\nKeys:\n"
                "  Alt+Enter, F11  switch between full screen and a window\n"
                "  F12             write the frame as veri/ekrang/ekrangN.tga (a TGA stored\n"
                "                  bottom row first) in the game's working folder\n");
    return 0;
}

} // namespace

int parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* equals = std::strchr(arg, '=');
        const size_t length = equals ? size_t(equals - arg) : std::strlen(arg);
        const Option* found = nullptr;
        for (const Option& o : OPTIONS)
            if (std::strlen(o.name) == length && std::strncmp(o.name, arg, length) == 0) found = &o;
        if (!found) {
            std::fprintf(stderr, "menajer: unknown option '%s'; see 'menajer --help'\n", arg);
            return 2;
        }
        const char* value = nullptr;
        if (found->value) {
            value = equals ? equals + 1 : (i + 1 < argc ? argv[++i] : nullptr);
            if (!value || !*value) {
                std::fprintf(stderr, "menajer: %s needs %s\n", found->name, found->value);
                return 2;
            }
        } else if (equals) {
            std::fprintf(stderr, "menajer: %s takes no value\n", found->name);
            return 2;
        }
        const int status = found->apply(options, value);
        if (status != RUN) return status;
    }
    return RUN;
}
