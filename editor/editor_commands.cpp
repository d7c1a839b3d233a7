#include "editor/editor_commands.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <string_view>

#include "database/file_io.h"
#include "database/fixed_text.h"
#include "editor/editor_ids.h"
#include "editor/field_text.h"
#include "editor/save_flow.h"
#include "text/cp1254.h"

using field_text::formatCp1254;
using field_text::fromCp1254;
using field_text::pathInCp1254;

namespace {

constexpr int LIST_COLUMN_WIDTH = 70;
constexpr int FIRST_YEAR = 1921;
constexpr int LAST_YEAR = 1999;

// The eight identity controls, in the order the dialog clears them.
constexpr int IDENTITY_CONTROLS[] = {ctl::NAME,    ctl::SURNAME, ctl::BIRTHPLACE, ctl::LANGUAGE,
                                     ctl::COUNTRY, ctl::MONTH,   ctl::DAY,        ctl::YEAR};

std::string text(const char* field, std::size_t size) {
    return std::string(fixed_text::view(field, size));
}

// A search query, compared with a field's first eight bytes in one masked step: most records
// are turned away with no call and no branch per byte. A query holds no NUL, so a field whose
// first bytes equal it is at least as long as it.
class Prefix {
public:
    explicit Prefix(std::string_view query) : query(query) {
        static_assert(std::endian::native == std::endian::little);
        char head[HEAD] = {};
        std::memcpy(head, query.data(), std::min(query.size(), HEAD));
        std::memcpy(&headBytes, head, HEAD);
        headMask = query.size() >= HEAD ? ~uint64_t(0) : (uint64_t(1) << (8 * query.size())) - 1;
    }

    bool headMatches(const char* field) const {
        uint64_t bytes;
        std::memcpy(&bytes, field, HEAD);
        return ((bytes ^ headBytes) & headMask) == 0;
    }
    // For a field whose head matched.
    bool restMatches(const char* field, std::size_t size) const {
        return query.size() <= HEAD ||
               (query.size() <= size &&
                std::memcmp(field + HEAD, query.data() + HEAD, query.size() - HEAD) == 0);
    }

private:
    static constexpr std::size_t HEAD = sizeof(uint64_t);
    std::string_view query;
    uint64_t headBytes = 0;
    uint64_t headMask = 0;
};

} // namespace

EditorCommands::EditorCommands(MainView& view) : view(view), fileOps(&systemFileOps()) {}

bool EditorCommands::start() {
    for (int d = 1; d <= 31; ++d)
        view.addChoice(ctl::DAY, Utf8(std::to_string(d)));
    for (int m = 1; m <= 12; ++m)
        view.addChoice(ctl::MONTH, Utf8(std::to_string(m)));
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y)
        view.addChoice(ctl::YEAR, Utf8(std::to_string(y)));
    for (const char* language :
         {"Türkçe"_w, "Fransızca"_w, "Almanca"_w, "italyanca"_w, "Japonca"_w, "ispanyolca"_w})
        view.addChoice(ctl::LANGUAGE, fromCp1254(language));
    for (const Utf8& column : {"Adi"_u8, "Soyad"_u8, "ID"_u8})
        view.addColumn(column, LIST_COLUMN_WIDTH);
    view.setText(ctl::SHOWN_ID, "Oyuncu ID : "_u8);
    view.setText(ctl::TOTAL, "Toplam Oyuncu  : "_u8);
    view.setText(ctl::FOUND, "Bulunan 0"_u8);
    found.reset(new (std::nothrow) FoundRow[PLAYER_CAPACITY]);
    if (!found || !db.init()) {
        note(MessageStyle::NOTE_WARNING, "Bellek yetmiyor!\nProgram calisamaz."_u8);
        return false;
    }
    return true;
}

bool EditorCommands::command(int id) {
    switch (id) {
    case ctl::SAVE:
        save();
        break;
    case ctl::ADD:
        add();
        break;
    case ctl::SELECT:
        selectTyped();
        break;
    case ctl::LOAD:
        load();
        break;
    case ctl::MODIFY:
        modify();
        break;
    case ctl::NEXT:
        step(+1);
        break;
    case ctl::PREVIOUS:
        step(-1);
        break;
    case ctl::CLEAR:
        clear();
        break;
    case ctl::SEARCH:
        search();
        break;
    case ctl::TECHNICAL:
        openAttributes(AttributeKind::TECHNICAL);
        break;
    case ctl::PHYSICAL:
        openAttributes(AttributeKind::PHYSICAL);
        break;
    case ctl::MENTAL:
        openAttributes(AttributeKind::MENTAL);
        break;
    case ctl::DETAIL:
        openAttributes(AttributeKind::DETAIL);
        break;
    case ctl::LEAGUES:
        leagues();
        break;
    default:
        return false;
    }
    return true;
}

void EditorCommands::showCp1254(int id, std::string_view cp1254Text) {
    view.setText(id, fromCp1254(cp1254Text));
}

void EditorCommands::note(MessageStyle style, const Utf8& text) {
    view.message(style, text);
}

void EditorCommands::showPlayer(int32_t index) {
    const PlayerRecord* r = db.record(index);
    if (!r) return;
    showCp1254(ctl::NAME, text(r->name, sizeof r->name));
    showCp1254(ctl::SURNAME, text(r->surname, sizeof r->surname));
    showCp1254(ctl::BIRTHPLACE, text(r->birthplace, sizeof r->birthplace));
    showCp1254(ctl::LANGUAGE, text(r->language, sizeof r->language));
    showCp1254(ctl::COUNTRY, text(r->country, sizeof r->country));
    view.setText(ctl::MONTH, Utf8(std::to_string(r->birth_month)));
    view.setText(ctl::DAY, Utf8(std::to_string(r->birth_day)));
    view.setText(ctl::YEAR, Utf8(std::to_string(r->birth_year)));
}

bool EditorCommands::selectIndex(int32_t index) {
    if (!db.record(index)) {
        view.message(MessageStyle::NOTE_WARNING,
                     formatCp1254("%d numarali oyuncu yok!\nOyuncu secilmedi."_w, index));
        return false;
    }
    db.selected = index;
    view.setText(ctl::SHOWN_ID, formatCp1254("Oyuncu id:%d", index));
    showPlayer(index);
    return true;
}

void EditorCommands::selectTyped() {
    selectIndex(field_text::leadingNumber(view.typed(ctl::TYPED_ID).bytes()));
}

void EditorCommands::step(int by) {
    int32_t n = field_text::leadingNumber(view.typed(ctl::TYPED_ID).bytes());
    if (by > 0 && n < db.playerCount() - 1) ++n;
    if (by < 0 && n > 0) --n;
    if (!db.record(n)) {
        selectIndex(n); // refuses with its message
        return;
    }
    view.setText(ctl::TYPED_ID, Utf8(std::to_string(n)));
    selectIndex(n);
}

void EditorCommands::clear() {
    view.setText(ctl::SHOWN_ID, "Oyuncu id: -"_u8);
    for (int id : IDENTITY_CONTROLS)
        view.setText(id, Utf8());
    db.selected = -1;
}

bool EditorCommands::readText(int id, const char* label, char* field, std::size_t size) {
    std::string bytes;
    Utf8 bad;
    if (!field_text::toRecordText(view.typed(id), bytes, bad)) {
        view.message(MessageStyle::NOTE_WARNING,
                     formatCp1254("%s alanindaki \"", label) + bad +
                         formatCp1254("\" karakteri Turkce kod sayfasinda yok!\nIslem yapilmadi."));
        return false;
    }
    fixed_text::assign(field, size, bytes, PLAYER_TEXT_CHARS);
    return true;
}

bool EditorCommands::readIdentity(PlayerRecord& r) {
    r = PlayerRecord{};
    if (!readText(ctl::NAME, "Oyuncu Adi", r.name, sizeof r.name) ||
        !readText(ctl::SURNAME, "Oyuncu Soyadi", r.surname, sizeof r.surname) ||
        !readText(ctl::BIRTHPLACE, "Dogdugu Yer", r.birthplace, sizeof r.birthplace) ||
        !readText(ctl::COUNTRY, "Ülke"_w, r.country, sizeof r.country) ||
        !readText(ctl::LANGUAGE, "Dil", r.language, sizeof r.language))
        return false;
    r.birth_month = field_text::leadingNumber(view.typed(ctl::MONTH).bytes());
    r.birth_day = field_text::leadingNumber(view.typed(ctl::DAY).bytes());
    r.birth_year = field_text::leadingNumber(view.typed(ctl::YEAR).bytes());
    return true;
}

void EditorCommands::modify() {
    if (db.selected < 0) {
        note(MessageStyle::NOTE_DONE, "Lutfen ilk once oyuncu secin!"_u8);
        return;
    }
    if (!readIdentity(scratch)) return;
    db.modifySelected(scratch);
    db.selected = -1;
    databaseChanged();
}

void EditorCommands::load() {
    std::string path;
    if (!view.chooseFile(FileDialogKind::OPEN, path)) return;
    if (!view.message(MessageStyle::ASK_QUESTION,
                      formatCp1254("Su anda %s dosyayi yuklemek istiyor musunuz?",
                                   pathInCp1254(path).c_str()))) {
        note(MessageStyle::NOTE_WARNING,
             "Yukleme yapilmadi!\n\n\n\n\n\nDikkatli ol bol bol yedek al DATA yi kaybedersen "
             "emekler bosa gider."_u8);
        return;
    }
    loadFile(path, true);
}

bool EditorCommands::loadFile(const std::string& path, bool announce) {
    LoadReport report;
    if (!db.read(path.c_str(), &report)) {
        db.selected = -1;
        if (report.status == LOAD_NOT_FOUND)
            view.message(MessageStyle::NOTE_WARNING,
                         "Dosya acilamadi!\n"_u8 + field_text::fromLocale(std::strerror(errno)) +
                             "\nYukleme Yapilmadi!.."_u8);
        else if (report.status == LOAD_NO_MEMORY)
            note(MessageStyle::NOTE_WARNING, "Bellek yetmiyor!\nYukleme Yapilmadi!.."_u8);
        else
            note(MessageStyle::NOTE_WARNING,
                 "Version Bigileri Tutmuyor!!!! \nYukleme Yapilmadi!..\n"_u8);
        return false;
    }
    view.setText(ctl::TOTAL, formatCp1254("Toplam Oyuncu :%d", db.playerCount()));
    clear();
    databaseChanged();
    useFile(path);
    if (announce) note(MessageStyle::NOTE_DONE, "Yukleme Tamamlandi!"_u8);
    return true;
}

void EditorCommands::useFile(const std::string& path) {
    currentFile = path;
    view.showFile(Utf8(std::filesystem::path(path).filename().string())); // host paths: UTF-8
}

void EditorCommands::save() {
    const SaveOptions options{currentFile, saveProposal, protectedFolder, DataFileKind::PLAYERS};
    std::string saved;
    if (saveDatabase(
            view, options,
            [this](std::string& p) { return view.chooseFile(FileDialogKind::SAVE, p); },
            [this](const char* p) { return db.write(p, *fileOps); }, saved))
        useFile(saved);
}

void EditorCommands::add() {
    if (db.playerCount() >= db.capacity()) {
        view.message(MessageStyle::NOTE_WARNING,
                     formatCp1254("Database dolu: en fazla %d oyuncu olabilir!\nEklenemedi!",
                                  db.capacity()));
        return;
    }
    if (!readIdentity(scratch)) return;
    if (!view.message(
            MessageStyle::ASK_QUESTION,
            formatCp1254("Eklemek istediginiz oyuncu adi : %s %s  id no: %d \n  Eklemek istiyor "
                         "musunuz?",
                         scratch.name, scratch.surname, db.playerCount()))) {
        note(MessageStyle::NOTE_WARNING, "Eklenemedi!\n\nDikkatli olun.."_u8);
        return;
    }
    db.selected = -1;
    db.append(scratch);
    view.setText(ctl::TOTAL, formatCp1254("Toplam Oyuncu :%d", db.playerCount()));
    view.setText(ctl::SHOWN_ID, formatCp1254("Oyuncu id:%d", db.currentId()));
    databaseChanged();
    note(MessageStyle::NOTE_DONE, "Eklendi!"_u8);
}

void EditorCommands::search() {
    PlayerRecord typed{};
    if (!readText(ctl::QUERY_NAME, "Adi", typed.name, sizeof typed.name) ||
        !readText(ctl::QUERY_SURNAME, "Soyad", typed.surname, sizeof typed.surname))
        return;
    query = typed;
    searched = true;
    findRows();
}

void EditorCommands::databaseChanged() {
    if (searched) findRows();
}

void EditorCommands::findRows() {
    if (!found) return;
    const Prefix name(fixed_text::view(query.name, sizeof query.name));
    const Prefix surname(fixed_text::view(query.surname, sizeof query.surname));
    foundCount = 0;
    const PlayerRecord* records = db.record(0);
    for (int32_t i = 0; i < db.playerCount(); ++i) {
        const PlayerRecord& r = records[i];
        // The surname is looked at only after the name matches: it mostly lies in the
        // record's next cache line.
        if (!name.headMatches(r.name) || !surname.headMatches(r.surname) ||
            !name.restMatches(r.name, sizeof r.name) ||
            !surname.restMatches(r.surname, sizeof r.surname))
            continue;
        FoundRow& row = found[foundCount++];
        row.id = r.id;
        // Whole fields: a row is read only up to its terminator.
        std::memcpy(row.name, r.name, sizeof row.name);
        std::memcpy(row.surname, r.surname, sizeof row.surname);
        row.name[sizeof row.name - 1] = row.surname[sizeof row.surname - 1] = '\0';
    }
    view.showRows(foundCount);
    view.setText(ctl::FOUND, formatCp1254("Bulunan Oyuncu : %d", foundCount));
}

Utf8 EditorCommands::rowText(int32_t row, int column) const {
    if (row < 0 || row >= foundCount) return {};
    const FoundRow& r = found[row];
    if (column == 0) return fromCp1254(text(r.name, sizeof r.name));
    if (column == 1) return fromCp1254(text(r.surname, sizeof r.surname));
    return Utf8(std::to_string(r.id));
}

bool EditorCommands::rowNamesItsPlayer(int32_t row) const {
    const FoundRow& r = found[row];
    const PlayerRecord* p = db.record(r.id);
    // A row holds at most the field's first PLAYER_TEXT_SIZE - 1 bytes.
    const auto same = [](const char* field, const char* shown) {
        return fixed_text::view(field, PLAYER_TEXT_SIZE - 1) == shown;
    };
    return p && same(p->name, r.name) && same(p->surname, r.surname);
}

void EditorCommands::listActivated() {
    const int32_t row = view.firstSelectedRow();
    if (row < 0 || row >= foundCount) return;
    if (db.record(found[row].id) && !rowNamesItsPlayer(row)) {
        note(MessageStyle::NOTE_WARNING,
             "Listedeki oyuncu degismis!\nLutfen tekrar arama yapin.\nOyuncu secilmedi."_u8);
        return;
    }
    if (!selectIndex(found[row].id)) return;
    note(MessageStyle::NOTE_DONE, "Oyuncu Secim olarak yuklendi!\nistediginiz baska bir oyuncuyu "
                                  "gene listeden secebilirsiniz.\nArama yapabilirsiniz!"_u8);
}

void EditorCommands::openAttributes(AttributeKind kind) {
    AttributeForm form(db, kind);
    if (!db.record(db.selected)) {
        note(MessageStyle::NOTE_WARNING, fromCp1254(form.layout().noSelection));
        return;
    }
    view.runAttributeDialog(form);
}

void EditorCommands::leagues() {
    if (view.message(MessageStyle::ASK_WARNING,
                     "Bu bolum hazir degil genede bakmak istiyor musunuz?\nSadece "
                     "sematik olarak gelecekte neler yapilacagi yazilidir."_u8))
        view.runLeagueDialogs();
}

bool EditorCommands::exit() {
    return view.message(MessageStyle::ASK_QUESTION, "Cikmak istiyor musunuz?"_u8);
}
