#include <cstdio>
#include <cstring>

#include "editor/wx/editor_app.h"

wxIMPLEMENT_APP_NO_MAIN(EditorApp);

// Answered before the toolkit starts, so they need no display.
int main(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0) {
            std::puts("usage: kadroed [OPTION] [PLAYER_FILE.odt]\n"
                      "Edits the game's player database and, in its club dialog (LIGLER, then\n"
                      "KULUPLER), the clubs and squads of the team file. Without a file name it\n"
                      "opens the player file of the data set the game finds: the user's own or\n"
                      "the installed one, else veri/ in the working folder, else the build\n"
                      "tree's run/veri; the club dialog opens that data set's team file.\n"
                      "\n"
                      "Options:\n"
                      "  --help     print this help and exit\n"
                      "  --version  print the version and exit");
            return 0;
        }
        if (std::strcmp(arg, "--version") == 0) return std::puts("kadroed " MENAJER_VERSION), 0;
        if (arg[0] == '-' && arg[1]) {
            std::fprintf(stderr, "kadroed: unknown option '%s'; see 'kadroed --help'\n", arg);
            return 2;
        }
    }
    return wxEntry(argc, argv);
}
