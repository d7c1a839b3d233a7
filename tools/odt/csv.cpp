#include "tools/odt/csv.h"

CsvReader::CsvReader(std::string_view input) : in(input) {
    if (in.substr(0, 3) == "\xEF\xBB\xBF") pos = lineStart = 3;
}

// Counts characters from the last position asked about, so a long row costs linear time.
int CsvReader::columnAt(std::size_t at) {
    if (countedTo < lineStart || countedTo > at) {
        countedTo = lineStart;
        counted = 1;
    }
    for (; countedTo < at && countedTo < in.size(); ++countedTo)
        if ((static_cast<unsigned char>(in[countedTo]) & 0xC0) != 0x80) ++counted;
    return counted;
}

bool CsvReader::fail(std::size_t at, const char* message) {
    return fail(line, columnAt(at), message);
}

bool CsvReader::fail(int atLine, int atColumn, const char* message) {
    error = CsvError{atLine, atColumn, message};
    pos = in.size();
    return false;
}

bool CsvReader::next(std::vector<CsvField>& row) {
    row.clear();
    if (failed()) return false;
    // Blank lines between rows carry nothing.
    while (pos < in.size() && (in[pos] == '\n' || in.substr(pos, 2) == "\r\n")) {
        pos += in[pos] == '\n' ? 1 : 2;
        lineStart = pos;
        ++line;
    }
    if (pos >= in.size()) return false;

    for (;;) {
        CsvField field;
        field.line = line;
        field.column = columnAt(pos);
        if (pos < in.size() && in[pos] == '"') {
            ++pos;
            for (;;) {
                if (pos >= in.size())
                    return fail(field.line, field.column, "quoted field is never closed");
                const char c = in[pos++];
                if (c == '"') {
                    if (pos < in.size() && in[pos] == '"') {
                        field.text += '"';
                        ++pos;
                        continue;
                    }
                    break;
                }
                field.text += c;
                if (c == '\n') {
                    lineStart = pos;
                    ++line;
                }
            }
            if (pos < in.size() && in[pos] != ',' && in[pos] != '\n' && in.substr(pos, 2) != "\r\n")
                return fail(pos, "text after a closing quote (a quote inside a field is written "
                                 "as two quotes)");
        } else {
            while (pos < in.size() && in[pos] != ',' && in[pos] != '\n' &&
                   in.substr(pos, 2) != "\r\n") {
                if (in[pos] == '"')
                    return fail(pos, "quote inside an unquoted field (put the field in quotes "
                                     "and write the quote twice)");
                field.text += in[pos++];
            }
        }
        row.push_back(std::move(field));
        if (pos < in.size() && in[pos] == ',') {
            ++pos;
            continue;
        }
        if (pos < in.size()) pos += in[pos] == '\n' ? 1 : 2;
        lineStart = pos;
        ++line;
        return true;
    }
}

void appendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}
