// The HTML debug log "rav3d.htm": created afresh at start-up, one line appended per
// message (open, write, close), closing lines at exit.
#pragma once

#include <cstdio>

class DebugLog {
public:
    DebugLog();          // runs open()
    virtual ~DebugLog(); // runs close()

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
};
