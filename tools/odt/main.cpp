// odt: the maintainers' tool for the player (.odt), team (.tdt) and calendar (.trh) files.
#include <cstdio>
#include <cstring>

#include "tools/odt/odt.h"

namespace {

const char* const TOOL_HELP =
    "usage: menajer-odt COMMAND [ARGUMENTS]\n"
    "\n"
    "Reads, writes and checks the football database files: players (.odt), teams (.tdt)\n"
    "and the calendar (.trh). The kind of a file is taken from its extension.\n"
    "\n"
    "Commands:\n"
    "  dump FILE                        print the file as UTF-8 CSV on standard output\n"
    "  build CSV OUT                    write OUT from a CSV in the form dump prints\n"
    "  check [--players PLAYERS] FILE   report every problem of the file with its offset\n"
    "  check-set DIR                    check a data folder's three files together\n"
    "  help [COMMAND]                   print this text or a command's\n"
    "  --version                        print the version\n"
    "\n"
    "'menajer-odt COMMAND --help' explains a command. Exit status: 0 done (check: the file is\n"
    "sound), 1 a file cannot be read or written, is refused, is malformed or has problems,\n"
    "2 the command line is wrong.\n";

struct Command {
    const char* name;
    int (*run)(int, char**);
    const char* const* help;
};

const Command COMMANDS[] = {
    {"dump", runDump, &DUMP_HELP},
    {"build", runBuild, &BUILD_HELP},
    {"check", runCheck, &CHECK_HELP},
    {"check-set", runCheckSet, &CHECK_SET_HELP},
};

const Command* findCommand(const char* name) {
    for (const Command& c : COMMANDS)
        if (std::strcmp(c.name, name) == 0) return &c;
    return nullptr;
}

bool isHelp(const char* arg) {
    return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(TOOL_HELP, stderr);
        return EXIT_USAGE;
    }
    const char* name = argv[1];
    if (std::strcmp(name, "--version") == 0)
        return std::puts("menajer-odt " MENAJER_VERSION), EXIT_OK;
    if (isHelp(name) || std::strcmp(name, "help") == 0) {
        if (argc > 2 && !isHelp(name)) {
            const Command* c = findCommand(argv[2]);
            if (!c) {
                std::fprintf(stderr,
                             "menajer-odt: unknown command '%s'; 'menajer-odt --help' lists them\n",
                             argv[2]);
                return EXIT_USAGE;
            }
            std::fputs(*c->help, stdout);
            return EXIT_OK;
        }
        std::fputs(TOOL_HELP, stdout);
        return EXIT_OK;
    }
    const Command* c = findCommand(name);
    if (!c) {
        std::fprintf(stderr, "menajer-odt: unknown command '%s'; 'menajer-odt --help' lists them\n",
                     name);
        return EXIT_USAGE;
    }
    for (int i = 2; i < argc; ++i) {
        if (isHelp(argv[i])) {
            std::fputs(*c->help, stdout);
            return EXIT_OK;
        }
    }
    return c->run(argc - 2, argv + 2);
}
