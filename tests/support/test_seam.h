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

inline const char* testFolder() {
    static char folder[] = "/tmp/menajer_testXXXXXX"; // no destructor: still there at exit
    [[maybe_unused]] static const bool entered = [] {
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
    return folder;
}

// Binds the seam to the tests' engine and log, each made once (the log in the test folder) and
// kept for the whole run: nothing may reach the platform after the tests' own backends are gone.
inline Engine& bindTestEngine() {
    static Engine* shared = new Engine;
    static DebugLog* log = (testFolder(), new DebugLog);
    services::bind(shared, log);
    return *shared;
}

inline std::vector<std::string> logLines() {
    std::ifstream in("rav3d.htm", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
