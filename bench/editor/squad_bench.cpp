// The club dialog's commands on a 100-player squad among many clubs: stepping to a club and
// back, adding a player of another club (a move), removing and reordering, each timed alone
// with the squad list asking for the rows it shows. Usage: bench_squad TEAM_FILE PLAYER_FILE
// [ROUNDS].
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "bench/common/side_by_side.h"
#include "database/player_database.h"
#include "editor/club_commands.h"

namespace {

constexpr int VISIBLE_ROWS = 12; // what the squad list shows
constexpr double FRAME_MS = 1000.0 / 60;

struct SquadView : ClubView {
    ClubCommands* commands = nullptr;
    std::map<int, std::string> texts;
    int32_t highlighted = -1;
    std::size_t shownBytes = 0;

    Utf8 typed(int id) override { return Utf8(texts[id]); }
    void setText(int id, const Utf8& text) override { texts[id] = text.bytes(); }
    bool message(MessageStyle style, const Utf8& text) override {
        if (style != MessageStyle::ASK_QUESTION)
            std::fprintf(stderr, "bench_squad: %s\n", text.bytes().c_str());
        return true; // Yes: a player of another club moves
    }
    void setSpinRange(int, int, int) override {}
    bool chooseFile(FileDialogKind, std::string&) override { return false; }
    void showSquad(int32_t rows, int32_t selected) override {
        highlighted = selected;
        for (int32_t r = 0; r < rows && r < VISIBLE_ROWS; ++r)
            for (int c = 0; c < 3; ++c)
                shownBytes += commands->squadText(r, c).bytes().size();
    }
    int32_t selectedSquadRow() override { return highlighted; }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_squad TEAM_FILE PLAYER_FILE [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 200;
    PlayerDatabase players;
    if (!players.init() || !players.read(argv[2])) return 1;
    SquadView view;
    TeamFileKeeper kept{{argv[1], "", ""}, {}, {}};
    ClubCommands clubs(view, players, kept);
    view.commands = &clubs;
    clubs.start();
    if (clubs.teams().count < 2) return 1;
    // Club 0's squad filled to 100 with players of other clubs.
    int32_t next = players.playerCount() / 2;
    while (clubs.teams().records[0].squad_size < SQUAD_CAPACITY) {
        view.texts[club_ctl::PLAYER_ID] = std::to_string(next++);
        clubs.addPlayer();
    }
    bench::Samples ms;
    const auto timed = [&](auto&& command) {
        const double t = bench::nowMs(bench::Clock::CPU);
        command();
        ms.add(bench::nowMs(bench::Clock::CPU) - t);
    };
    for (int i = 0; i < rounds; ++i) {
        view.texts[club_ctl::TYPED_ID] = "0";
        timed([&] { clubs.step(+1); });
        timed([&] { clubs.step(-1); });
        timed([&] { clubs.selectTyped(); });
        view.highlighted = 50;
        timed([&] { clubs.removePlayer(); });
        view.texts[club_ctl::PLAYER_ID] = std::to_string(next++ % players.playerCount());
        timed([&] { clubs.addPlayer(); });
        view.highlighted = i % 99;
        timed([&] { clubs.movePlayer(+1); });
    }
    char figure[64], target[32];
    std::snprintf(figure, sizeof figure, "max %.2f ms, p99 %.2f", ms.percentile(100),
                  ms.percentile(99));
    std::snprintf(target, sizeof target, "under %.1f ms (a frame)", FRAME_MS);
    const std::string what = "club dialog: step, select, add (a move), remove, reorder; 100 of " +
                             std::to_string(clubs.teams().count) + " clubs";
    bench::row(what.c_str(), figure, "-", -1, target, ms.percentile(100) < FRAME_MS ? "yes" : "no");
    return 0;
}
