#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "../database/database_helpers.h"
#include "editor/editor_commands.h"
#include "editor/editor_ids.h"
#include "scripted_view.h"

namespace {

struct Attributes : ::testing::Test {
    ScriptedView view;
    EditorCommands cmd{view};
    PlayerDatabase& db = cmd.database();

    void SetUp() override {
        ASSERT_TRUE(cmd.start());
        for (int32_t i = 0; i < 4; ++i) {
            ASSERT_TRUE(db.append(samplePlayer(i)));
            *db.record(i) = samplePlayer(i);
        }
    }
    void selectPlayer(int32_t id) {
        view.texts[ctl::TYPED_ID] = std::to_string(id);
        cmd.command(ctl::SELECT);
    }
    // The values a dialog shows on opening, in its rows' order.
    std::string opened(AttributeKind kind) {
        std::string values;
        view.inDialog = [&](AttributeForm& form, ScriptedDialog& dialog) {
            for (int i = 0; i < form.layout().rowCount; ++i)
                values += (i ? " " : "") + dialog.texts[form.layout().rows[i].edit];
        };
        cmd.openAttributes(kind);
        view.inDialog = nullptr;
        return values;
    }
};

constexpr AttributeKind kKinds[] = {AttributeKind::TECHNICAL, AttributeKind::PHYSICAL,
                                    AttributeKind::MENTAL, AttributeKind::DETAIL};

} // namespace

TEST_F(Attributes, NeedASelectedPlayer) {
    const char* which[] = {"teknik", "Fiziksel", "Zihinsel", "Oyuncu"};
    for (int k = 0; k < kAttributeKinds; ++k) {
        view.shown.clear();
        ASSERT_TRUE(cmd.command(attributeLayout(kKinds[k]).opener));
        EXPECT_TRUE(view.dialogsRun.empty());
        EXPECT_EQ(view.last(), std::string("Lutfen ilk once oyuncu sec tusuna basin.\nDaha dogrusu "
                                           "SEC tusu.\nDaha sonra secili oyuncu ") +
                                   which[k] + " ozelligi acilacaktir.");
        EXPECT_EQ(view.shown.back().style, MessageStyle::NOTE_WARNING);
    }
}

TEST_F(Attributes, ANewPlayerOpensWithStartingValues) {
    view.texts[ctl::NAME] = "Yeni";
    view.answers = {true};
    cmd.command(ctl::ADD);
    selectPlayer(4);
    const std::string ones12 = "1 1 1 1 1 1 1 1 1 1 1 1";
    EXPECT_EQ(opened(AttributeKind::TECHNICAL), ones12);
    EXPECT_EQ(opened(AttributeKind::PHYSICAL), "1 1 1 1 1 1 1 1 1");
    EXPECT_EQ(opened(AttributeKind::MENTAL), ones12);
    EXPECT_EQ(opened(AttributeKind::DETAIL), "1 0 0 0 0 0");
}

TEST_F(Attributes, HeaderNamesThePlayerAndSpinsHaveTheirRanges) {
    selectPlayer(3);
    for (AttributeKind kind : kKinds) {
        ScriptedDialog dialog;
        AttributeForm form(db, kind);
        form.open(dialog);
        EXPECT_EQ(dialog.texts[ctl::HEADER], "Oyuncu adi :: Şükrü3  Soyad :: Öztürk id:: 3");
        for (int i = 0; i < form.layout().rowCount; ++i) {
            const AttributeRow& row = form.layout().rows[i];
            const bool foot = row.offset == offsetof(PlayerRecord, physical.preferred_foot);
            if (kind == AttributeKind::DETAIL) {
                EXPECT_EQ(row.spin, 0);
                continue;
            }
            EXPECT_EQ(dialog.spinRanges[row.spin], std::make_pair(1, foot ? 3 : 20)) << row.edit;
        }
        EXPECT_EQ(int(dialog.spinRanges.size()),
                  kind == AttributeKind::DETAIL ? 0 : form.layout().rowCount);
    }
}

TEST_F(Attributes, SaveWritesOnlyTheDialogsOwnBlock) {
    selectPlayer(2);
    PlayerRecord before = *db.record(2);
    ScriptedDialog dialog;
    AttributeForm technical(db, AttributeKind::TECHNICAL);
    technical.open(dialog);
    dialog.texts[1055] = "15"; // "Uzun Sut:"
    technical.save(dialog);
    before.technical.long_shots = 15;
    EXPECT_EQ(std::memcmp(db.record(2), &before, sizeof before), 0);
    EXPECT_EQ(get32(db.record(2), 308), 15);
    EXPECT_TRUE(dialog.shown.empty()); // no message; the dialog stays open

    AttributeForm detail(db, AttributeKind::DETAIL);
    detail.open(dialog);
    dialog.texts[1058] = "7";           // counts above 5 are the user's to decide
    dialog.texts[1062] = "99999999999"; // beyond int32: stops at the limit
    dialog.texts[1057] = "x";           // no digits: 0
    detail.save(dialog);
    const PositionBlock& p = db.record(2)->position;
    EXPECT_EQ(p.position_count, 7);
    EXPECT_EQ(p.positions[0], 0);
    EXPECT_EQ(p.positions[4], INT32_MAX);
    EXPECT_EQ(std::memcmp(&db.record(2)->technical, &before.technical, 400 - 268), 0);
}

TEST_F(Attributes, ClosingWithoutSavingLosesTheChange) {
    selectPlayer(1);
    const std::string first = opened(AttributeKind::MENTAL);
    view.inDialog = [](AttributeForm& form, ScriptedDialog& dialog) {
        dialog.texts[1055] = "20";
        dialog.answers = {false, true};
        EXPECT_FALSE(form.close(dialog));
        EXPECT_TRUE(form.close(dialog));
        EXPECT_EQ(dialog.last(), "Kayit yaptiginizdan emin misiniz?\nPencere kapatilacak!!!!!.");
        EXPECT_EQ(dialog.shown.back().style, MessageStyle::ASK_WARNING);
    };
    cmd.openAttributes(AttributeKind::MENTAL);
    EXPECT_EQ(opened(AttributeKind::MENTAL), first);
    EXPECT_EQ(db.selected, 1);
}

TEST_F(Attributes, LeaguesAndExitAsk) {
    view.answers = {false, true, false, true};
    cmd.command(ctl::LEAGUES);
    EXPECT_EQ(view.leagueRuns, 0);
    EXPECT_EQ(view.shown.back().style, MessageStyle::ASK_WARNING);
    cmd.command(ctl::LEAGUES);
    EXPECT_EQ(view.leagueRuns, 1);
    EXPECT_FALSE(cmd.exit());
    EXPECT_TRUE(cmd.exit());
    EXPECT_EQ(view.last(), "Cikmak istiyor musunuz?");
}
