// A test program's own engine, debug log and temporary working folder, each made when first
// asked for; the engine and log are bound to the seam in place of the program's globals.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/debug_log.h"
#include "engine/engine.h"
#include "engine/services.h"

// The test's own working folder, entered on first use.
inline const char* testFolder() {
    static char folder[] = "/tmp/menajer_testXXXXXX"; // no destructor: still there at exit
    static const bool entered = [] {
        if (!mkdtemp(folder)) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::filesystem::current_path(folder);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::current_path("/", ignored);
            std::filesystem::remove_all(folder, ignored);
        });
        return true;
    }();
    (void)entered;
    return folder;
}

// Made once, in the test folder, and kept for the whole run (never destroyed: nothing may
// reach the platform after the tests' own backends are gone).
inline DebugLog& testLog() {
    static DebugLog* log = (testFolder(), new DebugLog);
    return *log;
}

// Binds the seam to `engine` (the shared one when null) and the test log; returns the engine.
inline Engine& bindTestEngine(Engine* engine = nullptr) {
    static Engine* shared = new Engine;
    Engine& bound = engine ? *engine : *shared;
    services::bind(&bound, &testLog());
    return bound;
}

// The lines of the log file in the working folder.
inline std::vector<std::string> logLines() {
    std::ifstream in("rav3d.htm", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
