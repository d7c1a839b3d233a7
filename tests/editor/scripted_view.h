// Dialogs without a toolkit, and a disk that fails on a chosen call, for the editor's tests.
#pragma once

#include <cerrno>
#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

#include "database/file_io.h"
#include "editor/attribute_form.h"
#include "editor/club_commands.h"
#include "editor/editor_view.h"

struct Shown {
    MessageStyle style;
    std::string text;
};

// Dialogs without a toolkit: controls are a map of texts, questions take their answers from a
// queue, and everything shown is recorded.
template <class View> struct Scripted : View {
    std::map<int, std::string> texts;
    std::vector<Shown> shown;
    std::deque<bool> answers; // for the Yes/No questions, in order

    Utf8 typed(int id) override { return Utf8(texts[id]); }
    void setText(int id, const Utf8& text) override { texts[id] = text.bytes(); }
    void setSpinRange(int, int, int) override {}
    bool message(MessageStyle style, const Utf8& text) override {
        shown.push_back({style, text.bytes()});
        if (style != MessageStyle::ASK_QUESTION && style != MessageStyle::ASK_WARNING) return true;
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << text.bytes();
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    std::string last() const { return shown.empty() ? std::string() : shown.back().text; }
};

// A view with a file dialog that takes the scripted names in order; an empty name or none
// cancels it.
template <class View> struct ScriptedFiles : Scripted<View> {
    std::deque<std::string> files;
    std::vector<std::string> proposed; // what each file dialog offered

    bool chooseFile(FileDialogKind, std::string& path) override {
        proposed.push_back(path);
        path = files.empty() ? std::string() : files.front();
        if (!files.empty()) files.pop_front();
        return !path.empty();
    }
};

// The main dialog: choices and columns recorded, the dialogs it opens counted.
struct ScriptedMainView : ScriptedFiles<MainView> {
    std::string fileShown;
    int32_t rows = 0;
    int32_t selectedRow = -1;
    int leagueRuns = 0;
    std::vector<AttributeKind> dialogsRun;
    std::map<int, std::vector<std::string>> choices; // each combo's list, in order

    void addChoice(int id, const Utf8& text) override { choices[id].push_back(text.bytes()); }
    void addColumn(const Utf8&, int) override {}
    void showFile(const Utf8& name) override { fileShown = name.bytes(); }
    void showRows(int32_t n) override { rows = n; }
    int32_t firstSelectedRow() override { return selectedRow; }
    void runAttributeDialog(AttributeForm& form) override { dialogsRun.push_back(form.kind()); }
    void runLeagueDialogs() override { ++leagueRuns; }
};

// The club dialog: the squad list's rows and highlight, the title's file.
struct ScriptedClubView : ScriptedFiles<ClubView> {
    int32_t rows = 0, selectedRow = -1;
    std::string fileShown;

    void showFile(const Utf8& name) override { fileShown = name.bytes(); }
    void showSquad(int32_t n, int32_t selected) override { rows = n, selectedRow = selected; }
    int32_t selectedSquadRow() override { return selectedRow; }
};

enum Step { CREATE, OPEN_STREAM, WRITE, FLUSH, SYNC, CLOSE, RENAME };

// The system's calls, but the chosen step fails as a full disk would; a write fails midway,
// after the header went through.
struct FailingOps : FileOps {
    Step failing;
    int writes = 0;
    explicit FailingOps(Step s) : failing(s) {}
    bool fails(Step s) { return s == failing && (errno = ENOSPC); }
    int createTemporary(char* p) override {
        return fails(CREATE) ? -1 : FileOps::createTemporary(p);
    }
    std::FILE* openStream(int fd) override {
        return fails(OPEN_STREAM) ? nullptr : FileOps::openStream(fd);
    }
    std::size_t write(const void* d, std::size_t n, std::FILE* f) override {
        return fails(WRITE) && ++writes == 2 ? 0 : FileOps::write(d, n, f);
    }
    int flush(std::FILE* f) override { return fails(FLUSH) ? -1 : FileOps::flush(f); }
    int sync(std::FILE* f) override { return fails(SYNC) ? -1 : FileOps::sync(f); }
    int close(std::FILE* f) override { return FileOps::close(f) || fails(CLOSE) ? -1 : 0; }
    int rename(const char* a, const char* b) override {
        return fails(RENAME) ? -1 : FileOps::rename(a, b);
    }
};
