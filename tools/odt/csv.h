// Comma-separated values as spreadsheets write them: fields with commas, quotes or line
// breaks in double quotes, quotes doubled; every position is tracked for error messages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CsvField {
    std::string text;
    int line = 0;
    int column = 0; // in characters, from 1
};

struct CsvError {
    int line = 0;
    int column = 0;
    std::string message;
};

class CsvReader {
public:
    explicit CsvReader(std::string_view input);
    // Next non-empty row; false at the end or on a syntax error (then error() is set).
    bool next(std::vector<CsvField>& row);
    bool failed() const { return !error.message.empty(); }
    const CsvError& lastError() const { return error; }

private:
    int columnAt(std::size_t at);
    bool fail(std::size_t at, const char* message);
    bool fail(int line, int column, const char* message);

    std::string_view in;
    std::size_t pos = 0;
    std::size_t lineStart = 0;
    int line = 1;
    std::size_t countedTo = 0;
    int counted = 1;
    CsvError error;
};

// Appends one field, quoted when it needs to be.
void appendCsvField(std::string& out, std::string_view text);
