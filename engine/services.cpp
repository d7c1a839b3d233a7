#include "engine/services.h"

#include <cstdarg>
#include <cstdio>

#include "engine/debug_log.h"
#include "engine/engine.h"
#include "folders/data_path.h"

namespace {

Engine* engineInstance = nullptr;
DebugLog* logInstance = nullptr;
const DataFolders WORKING_FOLDER;
const DataFolders* foldersInstance = nullptr;

} // namespace

namespace services {

void bind(Engine* engine, DebugLog* log) {
    engineInstance = engine;
    logInstance = log;
}

Engine* boundEngine() {
    return engineInstance;
}

DebugLog* boundLog() {
    return logInstance;
}

int showWarning(const char* text) {
    if (engineInstance) return engineInstance->showWarning(text);
    std::fprintf(stderr, "%s\n", text);
    return 0;
}

bool writeLog(const char* format, ...) {
    if (!logInstance) return false;
    char message[DebugLog::PARAGRAPH_LIMIT + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    return logInstance->writeParagraph("%s", message);
}

void bindFolders(const DataFolders* folders) {
    foldersInstance = folders;
}

const DataFolders& dataFolders() {
    return foldersInstance ? *foldersInstance : WORKING_FOLDER;
}

int32_t screenWidth() {
    return engineInstance ? engineInstance->width : 0;
}

int32_t screenHeight() {
    return engineInstance ? engineInstance->height : 0;
}

float frameDelta() {
    return engineInstance ? engineInstance->frameDelta : 0.0f;
}

} // namespace services
