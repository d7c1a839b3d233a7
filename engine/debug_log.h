// The HTML debug log: created afresh at start-up, one line appended per message (open, write,
// close), closing lines at exit. The program says where it goes; no file, no log.
#pragma once

#include <cstdio>
#include <string>

class DebugLog {
public:
    explicit DebugLog(std::string file = "rav3d.htm"); // runs open()
    virtual ~DebugLog();                               // runs close()

    // Starts the log afresh in `file` (empty: nothing is written from now on).
    void moveTo(std::string file);

    // Longest line writeParagraph produces, wrapping included.
    static constexpr int PARAGRAPH_LIMIT = 251;

    void open();
    void close();
    // Appends the formatted text and a line feed; false when the file cannot be opened.
    bool writeLine(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Appends "<p> " + formatted message + " </p>"; the message is expanded once, so text
    // from outside goes in as an argument ("%s"), never as the format.
    bool writeParagraph(const char* format, ...) __attribute__((format(printf, 2, 3)));

    std::FILE* stream = nullptr; // open only while one line is written
    std::string fileName;
};
