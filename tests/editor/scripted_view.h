// Dialogs without a toolkit for the editor's command tests: controls are a map of texts, the
// questions take their answers from a queue, and everything shown is recorded.
#pragma once

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "editor/attribute_form.h"
#include "editor/editor_view.h"

struct Shown {
    MessageStyle style;
    std::string text;
};

template <class View> struct Scripted : View {
    std::map<int, std::string> texts;
    std::map<int, std::pair<int, int>> spinRanges;
    std::vector<Shown> shown;
    std::deque<bool> answers; // for the Yes/No questions, in order

    std::string typed(int id) override { return texts[id]; }
    void setText(int id, const std::string& utf8) override { texts[id] = utf8; }
    void setSpinRange(int spin, int lo, int hi) override { spinRanges[spin] = {lo, hi}; }
    bool message(MessageStyle style, const std::string& utf8) override {
        shown.push_back({style, utf8});
        if (style != MessageStyle::ASK_QUESTION && style != MessageStyle::ASK_WARNING) return true;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << utf8;
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    std::string last() const { return shown.empty() ? std::string() : shown.back().text; }
};

using ScriptedDialog = Scripted<DialogView>;

struct ScriptedView : Scripted<MainView> {
    std::map<int, std::vector<std::string>> choices;
    std::vector<std::pair<std::string, int>> columns;
    std::deque<std::string> files; // an empty name cancels the file dialog
    std::vector<FileDialogKind> fileDialogs;
    int32_t rows = 0;
    int32_t selectedRow = -1;
    int leagueRuns = 0;
    // Plays the user inside an attribute dialog; none: the dialog is closed at once.
    std::function<void(AttributeForm&, ScriptedDialog&)> inDialog;
    std::vector<AttributeKind> dialogsRun;

    void addChoice(int id, const std::string& utf8) override { choices[id].push_back(utf8); }
    void addColumn(const std::string& utf8, int width) override {
        columns.push_back({utf8, width});
    }
    bool chooseFile(FileDialogKind kind, std::string& path) override {
        fileDialogs.push_back(kind);
        path = files.empty() ? std::string() : files.front();
        if (!files.empty()) files.pop_front();
        return !path.empty();
    }
    void showRows(int32_t n) override { rows = n; }
    int32_t firstSelectedRow() override { return selectedRow; }
    void runAttributeDialog(AttributeForm& form) override {
        dialogsRun.push_back(form.kind());
        ScriptedDialog dialog;
        form.open(dialog);
        if (inDialog) inDialog(form, dialog);
    }
    void runLeagueDialogs() override { ++leagueRuns; }
};
