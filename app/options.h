// The game's command line.
#pragma once

#include <string>

struct Options {
    std::string dataFolder; // --data DIR; empty: the data set beside the program
};

// Fills `options`; -1 to run the game, otherwise the status to exit with (--help and
// --version print and give 0; a wrong option gives one line on standard error and 2).
int parseOptions(int argc, char** argv, Options& options);
