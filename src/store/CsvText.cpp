#include "store/CsvText.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// What a field must be quoted for, and what ends or breaks an unquoted one. Compared one by one:
// find_first_of looks every character up in the set, which made reading several times slower.
bool IsSpecial(char c) {
    return c == ',' || c == '"' || c == '\r' || c == '\n';
}

size_t FindSpecial(std::string_view text, size_t from) {
    while (from < text.size() && !IsSpecial(text[from])) {
        ++from;
    }
    return from;
}

void Note(std::string& problem, const char* what) {
    if (problem.empty()) {
        problem = what;
    }
}

// Lines a piece of text adds: CRLF, LF and a lone CR each end one.
int64_t LineEnds(std::string_view text) {
    int64_t ends = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++ends;
        }
    }
    return ends;
}

// The length of the well-formed sequence a lead byte starts, or 0 when it starts none.
size_t SequenceLength(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) {
        return 0;
    }
    for (size_t i = at + 2; i < at + length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

}  // namespace

void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields) {
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) {
            out += ',';
        }
        first = false;
        if (FindSpecial(field, 0) == field.size()) {
            out += field;
            continue;
        }
        out += '"';
        for (const char c : field) {
            out += c;
            if (c == '"') {
                out += '"';
            }
        }
        out += '"';
    }
    out += "\r\n";
}

bool IsUtf8(std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const size_t length = SequenceLength(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

CCsvReader::CCsvReader(std::string_view text, size_t fieldsKept)
    : m_text(text), m_fieldsKept(fieldsKept) {
    if (m_text.starts_with(kByteOrderMark)) {
        m_at = kByteOrderMark.size();
    }
}

bool CCsvReader::Next(CsvRecord& record) {
    while (m_at < m_text.size()) {
        record.fields.clear();
        record.problem.clear();
        record.line = m_line;
        if (m_text[m_at] == '\r' || m_text[m_at] == '\n') {
            SkipLineEnd();
            continue;
        }
        const size_t start = m_at;
        Ending ending = Ending::Comma;
        std::string dropped;
        while (ending == Ending::Comma) {
            std::string* field = &dropped;
            if (record.fields.size() < m_fieldsKept) {
                field = &record.fields.emplace_back();
            } else {
                dropped.clear();
                if (record.problem.empty()) {
                    record.problem = "it has more fields than " + std::to_string(m_fieldsKept);
                }
            }
            ending = ReadField(*field, record.problem);
        }
        // Separators and quotes are single bytes that no multibyte character holds, so the
        // record's bytes are sound exactly when those of each field are.
        const std::string_view bytes = m_text.substr(start, m_at - start);
        if (bytes.find('\0') != std::string_view::npos) {
            Note(record.problem, "it holds a NUL byte");
        } else if (!IsUtf8(bytes)) {
            Note(record.problem, "it is not UTF-8 text");
        }
        return true;
    }
    return false;
}

CCsvReader::Ending CCsvReader::ReadField(std::string& field, std::string& problem) {
    const bool quoted = m_at < m_text.size() && m_text[m_at] == '"';
    if (quoted) {
        ReadQuoted(field, problem);
    }
    while (m_at < m_text.size()) {
        const size_t end = FindSpecial(m_text, m_at);
        if (end > m_at && quoted) {
            Note(problem, "it has text after a closing quote");
        }
        field.append(m_text, m_at, end - m_at);
        m_at = end;
        if (m_at == m_text.size()) {
            break;
        }
        const char c = m_text[m_at];
        if (c == ',') {
            ++m_at;
            return Ending::Comma;
        }
        if (c != '"') {
            SkipLineEnd();
            return Ending::LineEnd;
        }
        // A quote in a field that did not open with one is kept as it stands.
        Note(problem, quoted ? "it has text after a closing quote"
                             : "it has a quote inside a field that does not start with one");
        field += c;
        ++m_at;
    }
    return Ending::TextEnd;
}

// From an opening quote to just past its closing quote; a doubled quote inside stands for one.
void CCsvReader::ReadQuoted(std::string& field, std::string& problem) {
    ++m_at;
    while (true) {
        const size_t quote = m_text.find('"', m_at);
        const size_t end = quote == std::string_view::npos ? m_text.size() : quote;
        const std::string_view piece = m_text.substr(m_at, end - m_at);
        field += piece;
        m_line += LineEnds(piece);
        if (quote == std::string_view::npos) {
            m_at = m_text.size();
            Note(problem, "a quoted field is not closed");
            return;
        }
        m_at = quote + 1;
        if (m_at < m_text.size() && m_text[m_at] == '"') {
            field += '"';
            ++m_at;
            continue;
        }
        return;
    }
}

void CCsvReader::SkipLineEnd() {
    if (m_text[m_at] == '\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n') {
        ++m_at;
    }
    ++m_at;
    ++m_line;
}
