#include "editor/club_commands.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "database/file_io.h"
#include "database/fixed_text.h"
#include "database/player_database.h"
#include "editor/field_text.h"
#include "editor/save_flow.h"
#include "text/cp1254.h"

using field_text::formatCp1254;
using field_text::fromCp1254;
using field_text::pathInCp1254;

namespace {

constexpr std::size_t NAME_CHARS = TEAM_NAME_SIZE - 1;

std::string clubName(const TeamRecord& t) {
    return std::string(fixed_text::view(t.name, sizeof t.name));
}

// A new name over the old one's bytes; what lay after the old name's terminator stays.
void rename(TeamRecord& t, const std::string& bytes) {
    const std::size_t old = fixed_text::length(t.name, sizeof t.name);
    std::memset(t.name, 0, std::min(old + 1, sizeof t.name));
    std::memcpy(t.name, bytes.data(), bytes.size());
    t.name[bytes.size()] = '\0';
}

void removeAt(TeamRecord& t, int32_t row) {
    std::copy(t.squad + row + 1, t.squad + t.squad_size, t.squad + row);
    t.squad[--t.squad_size] = 0;
}

void dropFromSquad(TeamRecord& t, int32_t id) {
    for (int32_t row = t.squad_size; row-- > 0;)
        if (t.squad[row] == id) removeAt(t, row);
}

// Every byte of a team list into another; false when memory runs out.
bool copyTeams(const TeamDatabase& from, TeamDatabase& to) {
    if (!to.resize(from.count)) return false;
    to.version = from.version;
    to.reserved = from.reserved;
    if (from.count > 0)
        std::memcpy(to.records.get(), from.records.get(), sizeof(TeamRecord) * from.count);
    return true;
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code ec;
    return a == b || (!a.empty() && !b.empty() && std::filesystem::equivalent(a, b, ec));
}

} // namespace

ClubCommands::ClubCommands(ClubView& view, const PlayerDatabase& players, TeamFileKeeper& kept)
    : view(view), players(players), fileOps(&systemFileOps()), kept(kept), files(kept.files),
      db(std::make_unique<TeamDatabase>()) {}

void ClubCommands::start() {
    view.setText(club_ctl::SHOWN_ID, "Kulup id : -"_u8);
    showTotal();
    showSquad(-1);
    if (!kept.file.empty() && kept.whole && copyTeams(kept.teams, *db))
        show(kept.file);
    else if (!kept.file.empty()) // no room for a copy: the file itself, as last loaded or saved
        loadFile(kept.file, false);
    else if (!files.start.empty())
        loadFile(files.start, false);
}

void ClubCommands::showFile(const std::string& path) {
    currentFile = path;
    // Host paths are UTF-8.
    view.showFile(Utf8(
        samePath(path, files.proposal) ? std::filesystem::path(path).filename().string() : path));
}

void ClubCommands::show(const std::string& path) {
    dirty = false;
    current = -1;
    showFile(path);
    showTotal();
    view.setText(club_ctl::SHOWN_ID, "Kulup id : -"_u8);
    view.setText(club_ctl::NAME, ""_u8);
    if (db->count > 0)
        selectIndex(0);
    else
        showSquad(-1);
}

void ClubCommands::keep() {
    kept.file = currentFile;
    kept.whole = copyTeams(*db, kept.teams);
}

bool ClubCommands::command(int id) {
    switch (id) {
    case club_ctl::LOAD:
        load();
        break;
    case club_ctl::SAVE:
        save();
        break;
    case club_ctl::SELECT:
        selectTyped();
        break;
    case club_ctl::PREVIOUS:
        step(-1);
        break;
    case club_ctl::NEXT:
        step(+1);
        break;
    case club_ctl::MODIFY:
        modify();
        break;
    case club_ctl::ADD:
        add();
        break;
    case club_ctl::SQUAD_ADD:
        addPlayer();
        break;
    case club_ctl::SQUAD_REMOVE:
        removePlayer();
        break;
    case club_ctl::SQUAD_UP:
        movePlayer(-1);
        break;
    case club_ctl::SQUAD_DOWN:
        movePlayer(+1);
        break;
    default:
        return false;
    }
    return true;
}

void ClubCommands::showTotal() {
    view.setText(club_ctl::TOTAL, formatCp1254("Toplam id : %d", db->count));
}

void ClubCommands::showSquad(int32_t highlight) {
    const TeamRecord* t = club();
    view.showSquad(t ? t->squad_size : 0, highlight);
}

bool ClubCommands::selectIndex(int32_t index) {
    if (index < 0 || index >= db->count) {
        note(MessageStyle::NOTE_WARNING,
             formatCp1254("%d numarali kulup yok!\nKulup secilmedi.", index));
        return false;
    }
    current = index;
    view.setText(club_ctl::TYPED_ID, Utf8(std::to_string(index)));
    view.setText(club_ctl::SHOWN_ID, formatCp1254("Kulup id : %d", index));
    view.setText(club_ctl::NAME, fromCp1254(clubName(db->records[index])));
    showSquad(-1);
    return true;
}

void ClubCommands::selectTyped() {
    selectIndex(field_text::leadingNumber(view.typed(club_ctl::TYPED_ID).bytes()));
}

void ClubCommands::step(int by) {
    int32_t n = field_text::leadingNumber(view.typed(club_ctl::TYPED_ID).bytes());
    if (by > 0 && n < db->count - 1) ++n;
    if (by < 0 && n > 0) --n;
    selectIndex(n);
}

bool ClubCommands::readName(std::string& bytes) {
    Utf8 bad;
    if (!field_text::toRecordText(view.typed(club_ctl::NAME), bytes, bad)) {
        note(MessageStyle::NOTE_WARNING,
             formatCp1254("Kulup adi alanindaki \"") + bad +
                 formatCp1254("\" karakteri Turkce kod sayfasinda yok!\nIslem yapilmadi."));
        return false;
    }
    if (bytes.size() > NAME_CHARS) {
        note(MessageStyle::NOTE_WARNING,
             formatCp1254(
                 "Kulup adi en fazla %zu harf olabilir, yazilan %zu harf!\nIslem yapilmadi.",
                 NAME_CHARS, bytes.size()));
        return false;
    }
    return true;
}

void ClubCommands::modify() {
    TeamRecord* t = club();
    if (!t) {
        note(MessageStyle::NOTE_DONE, "Lutfen ilk once kulup secin!"_u8);
        return;
    }
    std::string name;
    if (!readName(name)) return;
    rename(*t, name);
    dirty = true;
}

void ClubCommands::add() {
    std::string name;
    if (!readName(name)) return;
    if (!view.message(
            MessageStyle::ASK_QUESTION,
            formatCp1254("Eklemek istediginiz kulup adi : %s  id no: %d \n  Eklemek istiyor "
                         "musunuz?",
                         name.c_str(), db->count))) {
        note(MessageStyle::NOTE_WARNING, "Eklenemedi!\n\nDikkatli olun.."_u8);
        return;
    }
    TeamRecord fresh{};
    rename(fresh, name);
    if (!db->append(fresh)) {
        note(MessageStyle::NOTE_WARNING, "Bellek yetmiyor!\nEklenemedi!"_u8);
        return;
    }
    dirty = true;
    showTotal();
    selectIndex(db->count - 1);
    note(MessageStyle::NOTE_DONE, "Eklendi!"_u8);
}

int32_t ClubCommands::clubHolding(int32_t playerId) const {
    for (int32_t c = 0; c < db->count; ++c) {
        const TeamRecord& t = db->records[c];
        if (c != current &&
            std::find(t.squad, t.squad + t.squad_size, playerId) != t.squad + t.squad_size)
            return c;
    }
    return -1;
}

void ClubCommands::addPlayer() {
    TeamRecord* t = club();
    if (!t) {
        note(MessageStyle::NOTE_DONE, "Lutfen ilk once kulup secin!"_u8);
        return;
    }
    // An id typed beside the list, else the player selected in the main dialog.
    const std::string typed = view.typed(club_ctl::PLAYER_ID).bytes();
    const bool hasTyped = typed.find_first_not_of(" \t") != std::string::npos;
    const int32_t id = hasTyped ? field_text::leadingNumber(typed) : players.selected;
    if (!hasTyped && id < 0) {
        note(MessageStyle::NOTE_DONE,
             "Lutfen ana pencerede bir oyuncu secin ya da oyuncu id yazin!"_u8);
        return;
    }
    // Without a player file any id is taken: the save asks about the squads then.
    if (id < 0 || (players.playerCount() > 0 && id >= players.playerCount())) {
        note(MessageStyle::NOTE_WARNING,
             formatCp1254(
                 "%d numarali oyuncu yok!\nOyuncu dosyasinda %d oyuncu var.\nKadroya eklenmedi.",
                 id, players.playerCount()));
        return;
    }
    if (std::find(t->squad, t->squad + t->squad_size, id) != t->squad + t->squad_size) {
        note(MessageStyle::NOTE_WARNING,
             formatCp1254("%d numarali oyuncu zaten bu kadroda!\nKadroya eklenmedi.", id));
        return;
    }
    if (t->squad_size >= SQUAD_CAPACITY) {
        note(MessageStyle::NOTE_WARNING,
             formatCp1254("Kadro dolu: en fazla %d oyuncu olabilir!\nKadroya eklenmedi.",
                          SQUAD_CAPACITY));
        return;
    }
    // A player of another club moves, after a question naming that club.
    const int32_t other = clubHolding(id);
    if (other >= 0) {
        if (!view.message(
                MessageStyle::ASK_QUESTION,
                formatCp1254("%s (id %d) %s kulubunun kadrosunda!\nOradan cikarilip bu kulube "
                             "eklensin mi?",
                             playerNameCp1254(id).c_str(), id,
                             clubName(db->records[other]).c_str()))) {
            note(MessageStyle::NOTE_WARNING, "Kadroya eklenmedi."_u8);
            return;
        }
        for (int32_t c = 0; c < db->count; ++c)
            if (c != current) dropFromSquad(db->records[c], id);
    }
    t->squad[t->squad_size++] = id;
    dirty = true;
    showSquad(t->squad_size - 1);
}

void ClubCommands::removePlayer() {
    TeamRecord* t = club();
    const int32_t row = view.selectedSquadRow();
    if (!t || row < 0 || row >= t->squad_size) {
        note(MessageStyle::NOTE_DONE, "Lutfen kadro listesinden bir oyuncu secin!"_u8);
        return;
    }
    removeAt(*t, row);
    dirty = true;
    showSquad(std::min(row, t->squad_size - 1));
}

void ClubCommands::movePlayer(int by) {
    TeamRecord* t = club();
    const int32_t row = view.selectedSquadRow();
    if (!t || row < 0 || row >= t->squad_size) {
        note(MessageStyle::NOTE_DONE, "Lutfen kadro listesinden bir oyuncu secin!"_u8);
        return;
    }
    const int32_t to = row + by;
    if (to < 0 || to >= t->squad_size) return; // already at that end
    std::swap(t->squad[row], t->squad[to]);
    dirty = true;
    showSquad(to);
}

std::string ClubCommands::playerNameCp1254(int32_t id) const {
    const PlayerRecord* p = players.record(id);
    if (!p) return "(bilinmeyen oyuncu)";
    return std::string(fixed_text::view(p->name, sizeof p->name)) + ' ' +
           std::string(fixed_text::view(p->surname, sizeof p->surname));
}

Utf8 ClubCommands::squadText(int32_t row, int column) const {
    if (current < 0 || current >= db->count) return {};
    const TeamRecord& t = db->records[current];
    if (row < 0 || row >= t.squad_size) return {};
    if (column == 0) return Utf8(std::to_string(row + 1));
    if (column == 1) return Utf8(std::to_string(t.squad[row]));
    return fromCp1254(playerNameCp1254(t.squad[row]));
}

void ClubCommands::load() {
    std::string path = currentFile;
    if (!view.chooseFile(FileDialogKind::OPEN, path)) return;
    if (!view.message(MessageStyle::ASK_QUESTION,
                      formatCp1254("Su anda %s dosyayi yuklemek istiyor musunuz?%s",
                                   pathInCp1254(path).c_str(),
                                   dirty ? "\nKaydedilmemis degisiklikler kaybolacak!" : ""))) {
        note(MessageStyle::NOTE_WARNING,
             formatCp1254("Yukleme yapilmadi!\n\n\n\n\n\nDikkatli ol bol bol yedek al DATA yi "
                          "kaybedersen emekler bosa gider."));
        return;
    }
    loadFile(path, true);
}

bool ClubCommands::loadFile(const std::string& path, bool announce) {
    auto fresh = std::make_unique<TeamDatabase>();
    LoadReport report;
    if (!fresh->read(path.c_str(), &report)) {
        // The game's own refusal, with the file named.
        note(MessageStyle::NOTE_WARNING,
             formatCp1254("%s\n%s\nYukleme Yapilmadi!..", pathInCp1254(path).c_str(),
                          report.message ? report.message : db_text::NOT_FOUND));
        return false;
    }
    db = std::move(fresh);
    show(path);
    keep();
    if (announce) note(MessageStyle::NOTE_DONE, "Yukleme Tamamlandi!"_u8);
    return true;
}

// The rule of the data set's check: a squad id must name a record of the player file.
bool ClubCommands::squadsCheckOut() {
    const int32_t known = players.playerCount();
    for (int32_t c = 0; c < db->count; ++c) {
        const TeamRecord& t = db->records[c];
        for (int32_t j = 0; j < t.squad_size; ++j) {
            const int32_t id = t.squad[j];
            if (id >= 0 && (known == 0 || id < known)) continue;
            note(MessageStyle::NOTE_WARNING,
                 formatCp1254("%s kulubunun (id %d) kadrosunda %d. sira: %d numarali oyuncu yok!\n"
                              "Oyuncu dosyasinda %d oyuncu var.\nKayit yapilmadi!",
                              clubName(t).c_str(), c, j + 1, id, known));
            return false;
        }
    }
    if (known == 0 &&
        !view.message(MessageStyle::ASK_WARNING,
                      "Oyuncu dosyasi yuklu degil: kadrolar kontrol edilemiyor!\nKontrol "
                      "etmeden kaydetmek istiyor musunuz?"_u8)) {
        note(MessageStyle::NOTE_WARNING, "Kayit yapilmadi!"_u8);
        return false;
    }
    return true;
}

void ClubCommands::save() {
    if (!squadsCheckOut()) return;
    const SaveOptions options{currentFile, files.proposal, files.protectedFolder,
                              DataFileKind::TEAMS};
    std::string saved;
    const bool written = saveDatabase(
        view, options, [this](std::string& p) { return view.chooseFile(FileDialogKind::SAVE, p); },
        [this](const char* p) { return db->write(p, *fileOps); }, saved);
    if (!written) return;
    dirty = false;
    showFile(saved);
    keep();
}

bool ClubCommands::leave() {
    return !dirty || view.message(MessageStyle::ASK_WARNING,
                                  "Kaydedilmemis degisiklikler var!\nKaydetmeden kapatmak "
                                  "istiyor musunuz?"_u8);
}
