// What the libraries above the engine may ask of it: a warning box, a log paragraph, the
// screen size, the frame time and the folders data names are opened in. The program binds the
// seam to its global engine and log and to the folders it settled; a test binds its own
// instances, so no library needs the program's globals.
#pragma once

#include <cstdint>

class DebugLog;
class Engine;
struct DataFolders;

namespace services {

// Either pointer may be null: the seam then answers as if nothing were there.
void bind(Engine* engine, DebugLog* log);
Engine* boundEngine();
DebugLog* boundLog();

// Engine::showWarning on the bound engine; without one the text goes to standard error.
int showWarning(const char* text);
// DebugLog::writeParagraph on the bound log; false without one.
bool writeLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The folders the program settled (folders/data_path.h), which must outlive their use; null
// for the working folder's "veri" alone, as before any binding.
void bindFolders(const DataFolders* folders);
const DataFolders& dataFolders();

int32_t screenWidth();
int32_t screenHeight();
float frameDelta();

} // namespace services
