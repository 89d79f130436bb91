// Builds the shipped food table: reads the food list (CSV as RFC 4180 describes it, header
// "Type,Description,Calories,Amount") and writes it with the program's own food table into a
// fresh database file. Any malformed record stops the build with its line number and reason.
//
//   make_foods_db <foods.csv> <foods.qeldb>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "foods/FoodTable.h"

namespace {

constexpr size_t kColumns = 4;
constexpr const char* kHeader[kColumns] = {"Type", "Description", "Calories", "Amount"};

// Reads records one by one; each is a list of fields, quotes removed and doubled quotes undone.
class CsvReader {
public:
    explicit CsvReader(std::string text) : m_text(std::move(text)) {
        // A byte-order mark, as spreadsheets write one, is not part of the header.
        if (m_text.rfind("\xEF\xBB\xBF", 0) == 0) {
            m_pos = 3;
        }
    }

    bool AtEnd() const { return m_pos >= m_text.size(); }
    // The line on which the record last read began.
    int RecordLine() const { return m_recordLine; }

    // Reads the next record; false with `error` set when it is malformed.
    bool Next(std::vector<std::string>& fields, std::string& error) {
        fields.clear();
        m_recordLine = m_line;
        for (;;) {
            std::string field;
            if (!ReadField(field, error)) {
                return false;
            }
            fields.push_back(std::move(field));
            if (AtEnd() || EndOfLine()) {
                return true;
            }
            ++m_pos;  // the comma
        }
    }

private:
    char Peek() const { return m_text[m_pos]; }

    // Consumes a line break ("\n" or "\r\n") when one follows.
    bool EndOfLine() {
        if (m_text.compare(m_pos, 2, "\r\n") == 0) {
            m_pos += 2;
        } else if (Peek() == '\n') {
            m_pos += 1;
        } else {
            return false;
        }
        ++m_line;
        return true;
    }

    bool ReadField(std::string& field, std::string& error) {
        if (!AtEnd() && Peek() == '"') {
            return ReadQuotedField(field, error);
        }
        while (!AtEnd() && Peek() != ',' && Peek() != '\n' && m_text.compare(m_pos, 2, "\r\n")) {
            if (Peek() == '"' || Peek() == '\r') {
                error = Peek() == '"' ? "a quote inside a field that does not start with one"
                                      : "a carriage return without a line feed";
                return false;
            }
            field += m_text[m_pos++];
        }
        return true;
    }

    bool ReadQuotedField(std::string& field, std::string& error) {
        ++m_pos;
        for (;;) {
            if (AtEnd()) {
                error = "a quoted field is not closed";
                return false;
            }
            const char c = m_text[m_pos++];
            if (c == '\n') {
                ++m_line;
            }
            if (c != '"') {
                field += c;
            } else if (!AtEnd() && Peek() == '"') {
                field += '"';
                ++m_pos;
            } else {
                break;
            }
        }
        if (!AtEnd() && Peek() != ',' && Peek() != '\n' && m_text.compare(m_pos, 2, "\r\n")) {
            error = "text after the closing quote of a field";
            return false;
        }
        return true;
    }

    std::string m_text;
    size_t m_pos = 0;
    int m_line = 1;
    int m_recordLine = 1;
};

bool ParseCalories(const std::string& text, int32_t& calories) {
    const char* end = text.data() + text.size();
    const auto [stop, result] = std::from_chars(text.data(), end, calories);
    return !text.empty() && text[0] != '-' && result == std::errc() && stop == end;
}

// Checks one record and turns it into a row; false with `error` set when it is not one.
bool ToFoodRow(const std::vector<std::string>& fields, FoodRow& row, std::string& error) {
    if (fields.size() != kColumns) {
        error = "expected " + std::to_string(kColumns) + " fields, found " +
                std::to_string(fields.size());
        return false;
    }
    if (fields[0].empty() || fields[1].empty()) {
        error = "the type and the description must not be empty";
        return false;
    }
    if (!ParseCalories(fields[2], row.calories)) {
        error = "the calories \"" + fields[2] + "\" are not a whole number of 0 or more";
        return false;
    }
    row.type = fields[0];
    row.description = fields[1];
    row.amount = fields[3];
    return true;
}

bool IsHeader(const std::vector<std::string>& fields) {
    if (fields.size() != kColumns) {
        return false;
    }
    for (size_t i = 0; i < kColumns; ++i) {
        if (fields[i] != kHeader[i]) {
            return false;
        }
    }
    return true;
}

// The header, then one food per record.
bool ParseFoods(CsvReader& reader, std::vector<FoodRow>& rows, std::string& error) {
    std::vector<std::string> fields;
    if (!reader.Next(fields, error)) {
        return false;
    }
    if (!IsHeader(fields)) {
        error = "the first line must be \"Type,Description,Calories,Amount\"";
        return false;
    }
    while (!reader.AtEnd()) {
        FoodRow row;
        if (!reader.Next(fields, error) || !ToFoodRow(fields, row, error)) {
            return false;
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) {
        error = "lists no foods";
        return false;
    }
    return true;
}

bool ReadFoods(const std::string& csvPath, std::vector<FoodRow>& rows) {
    std::ifstream file(csvPath, std::ios::binary);
    if (!file) {
        std::cerr << csvPath << ": cannot be read\n";
        return false;
    }
    std::ostringstream content;
    content << file.rdbuf();
    CsvReader reader(content.str());
    std::string error;
    if (!ParseFoods(reader, rows, error)) {
        std::cerr << csvPath << ":" << reader.RecordLine() << ": " << error << "\n";
        return false;
    }
    return true;
}

// Writes the rows into a fresh file beside the target and moves it into place, so a failed
// run never leaves a half-written table where the program expects a whole one.
bool WriteFoods(const std::vector<FoodRow>& rows, const std::string& dbPath) {
    const std::string scratch = dbPath + ".new";
    std::string error;
    if (!CFoodTable::WriteFile(scratch.c_str(), rows, error)) {
        std::cerr << dbPath << ": cannot be written: " << error << "\n";
    } else if (std::rename(scratch.c_str(), dbPath.c_str()) != 0) {
        std::cerr << dbPath << ": cannot be replaced\n";
    } else {
        return true;
    }
    std::remove(scratch.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_foods_db <foods.csv> <foods.qeldb>\n";
        return 2;
    }
    std::vector<FoodRow> rows;
    if (!ReadFoods(argv[1], rows) || !WriteFoods(rows, argv[2])) {
        return 1;
    }
    std::cout << "Wrote " << rows.size() << " foods to " << argv[2] << "\n";
    return 0;
}
