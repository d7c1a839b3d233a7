#include "engine/debug_log.h"

#include <cstdarg>
#include <utility>

DebugLog::DebugLog(std::string file) : fileName(std::move(file)) {
    open();
}

void DebugLog::moveTo(std::string file) {
    fileName = std::move(file);
    open();
}

DebugLog::~DebugLog() {
    close();
}

void DebugLog::open() {
    if (fileName.empty()) return;
    stream = std::fopen(fileName.c_str(), "w");
    if (!stream) return;
    std::fclose(stream);
    stream = nullptr;

    writeLine("<html>");
    writeLine("<head>");
    writeLine("<title>Rav3d Log</title>");
    writeLine("</head>");
    writeLine("<body bgcolor=\"#000000\" text=\"#FF0000\" link=\"#FFFFFF\" vlink=\"#FFFFFF\" "
              "alink=\"#FFFFFF\">");
    writeLine("<p> ----------------------------------</p>");
    writeLine("%s", "");
    writeLine("%s", "");
    writeLine("<p> |                                |</p>");
    writeLine("<p> |                                |</p>");
    writeLine("<p> |                                |</p>");
    writeLine("<p> **********************************\n</p>");
    writeLine("<p>DEBUG LOG:: \n</p>");
}

void DebugLog::close() {
    writeLine("<p> Proje Baslangic Zamani:10/07/2003 - Temmuz</p>");
    writeParagraph("<p> Son Guncelleme Zamani: %s Saat: %s\n</p>", __DATE__, __TIME__);
    writeLine("<p> **********************************</p>");
    writeLine("<p> |                                |</p>");
    writeLine("<p> ----------------------------------</p>");
    writeLine("</body>");
    writeLine("</html>");
}

bool DebugLog::writeLine(const char* format, ...) {
    if (fileName.empty()) return false;
    stream = std::fopen(fileName.c_str(), "a+");
    if (!stream) return false;
    va_list args;
    va_start(args, format);
    std::vfprintf(stream, format, args);
    va_end(args);
    std::fputc('\n', stream);
    std::fclose(stream);
    stream = nullptr;
    return true;
}

bool DebugLog::writeParagraph(const char* format, ...) {
    constexpr int PARAGRAPH_OPEN_LENGTH = 4;  // "<p> "
    constexpr int PARAGRAPH_CLOSE_LENGTH = 5; // " </p>"
    char message[PARAGRAPH_LIMIT - PARAGRAPH_OPEN_LENGTH - PARAGRAPH_CLOSE_LENGTH + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);

    char line[PARAGRAPH_LIMIT + 1];
    std::snprintf(line, sizeof line, "<p> %s </p>", message);
    return writeLine("%s", line);
}
