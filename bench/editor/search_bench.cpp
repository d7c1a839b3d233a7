// "Ara" over a full player file through the editor's commands, the result list filled, beside
// a bare loop of the same two prefix comparisons. Usage: bench_editor [PLAYER_FILE] [ROUNDS].
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "bench/common/player_file.h"
#include "bench/common/side_by_side.h"
#include "editor/editor_commands.h"
#include "editor/editor_ids.h"

namespace {

const char* const MADE_PATH = "bench_players.odt";
constexpr int VISIBLE_ROWS = 20; // what the list shows, and so asks for, after a search

// The main dialog without a toolkit: the list asks for the texts of the rows it shows, as the
// editor's virtual list control does.
struct ListingView : MainView {
    EditorCommands* commands = nullptr;
    std::map<int, std::string> texts;
    std::size_t shownBytes = 0;

    Utf8 typed(int id) override { return Utf8(texts[id]); }
    void setText(int id, const Utf8& text) override { texts[id] = text.bytes(); }
    bool message(MessageStyle, const Utf8& text) override {
        std::fprintf(stderr, "bench_editor: %s\n", text.bytes().c_str());
        return true;
    }
    void setSpinRange(int, int, int) override {}
    void addChoice(int, const Utf8&) override {}
    void addColumn(const Utf8&, int) override {}
    bool chooseFile(FileDialogKind, std::string&) override { return false; }
    void showRows(int32_t rows) override {
        for (int32_t r = 0; r < rows && r < VISIBLE_ROWS; ++r)
            for (int c = 0; c < 3; ++c)
                shownBytes += commands->rowText(r, c).bytes().size();
    }
    int32_t firstSelectedRow() override { return -1; }
    void runAttributeDialog(AttributeForm&) override {}
    void runLeagueDialogs() override {}
};

} // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : MADE_PATH;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 301;
    if (argc <= 1 && !bench::makePlayerFile(path)) {
        std::fprintf(stderr, "bench_editor: cannot write %s\n", path);
        return 1;
    }
    ListingView view;
    EditorCommands commands(view);
    view.commands = &commands;
    if (!commands.start() || !commands.loadFile(path, false)) return 1;
    view.texts[ctl::QUERY_NAME] = "Me";
    view.texts[ctl::QUERY_SURNAME] = "Ka";

    const PlayerRecord* records = commands.database().record(0);
    const int32_t count = commands.database().playerCount();
    volatile int32_t bareFound = 0;
    const bench::Pair search = bench::sideBySide(
        rounds, [&] { commands.search(); },
        [&] {
            int32_t n = 0;
            for (int32_t i = 0; i < count; ++i)
                n += std::memcmp(records[i].name, "Me", 2) == 0 &&
                     std::memcmp(records[i].surname, "Ka", 2) == 0;
            bareFound = n;
        });
    if (commands.rows() != bareFound) {
        std::fprintf(stderr, "bench_editor: the search found %d rows, the bare loop %d\n",
                     commands.rows(), int(bareFound));
        return 1;
    }
    char target[32];
    std::snprintf(target, sizeof target, "under 5 ms (%d rows)", commands.rows());
    bench::ratioRow("\"Ara\" Me/Ka over 100000 players", search, 1.5, target,
                    search.figure.median() < 5.0);
    return 0;
}
