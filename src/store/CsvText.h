#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values in the common form: a field holding a comma, a double quote, a CR or an
// LF is put in double quotes with its own quotes doubled; records end with CRLF. Text is UTF-8.

// Appends one record: the fields, quoted where needed, separated by commas and ended by CRLF.
void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields);

// One record read back.
struct CsvRecord {
    std::vector<std::string> fields;
    int64_t line = 0;     // the line it starts on, 1-based
    std::string problem;  // why the record is not sound text; empty when it is
};

// Reads the records of a whole text one by one. A UTF-8 byte-order mark at the start is skipped;
// records end with CRLF, LF or a lone CR; empty lines are no records. A record with a stray or
// unclosed quote, a NUL byte or bytes that are not UTF-8 still comes back, with its problem
// said, and reading goes on after it (an unclosed quote takes the rest of the text).
class CCsvReader {
public:
    // A record keeps at most `fieldsKept` fields; one with more says so as its problem.
    CCsvReader(std::string_view text, size_t fieldsKept);

    // False at the end of the text.
    bool Next(CsvRecord& record);

private:
    enum class Ending { Comma, LineEnd, TextEnd };

    Ending ReadField(std::string& field, std::string& problem);
    void ReadQuoted(std::string& field, std::string& problem);
    void SkipLineEnd();

    std::string_view m_text;
    size_t m_fieldsKept;
    size_t m_at = 0;
    int64_t m_line = 1;
};

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsUtf8(std::string_view text);
