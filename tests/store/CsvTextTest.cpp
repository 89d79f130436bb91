#include "store/CsvText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// Every record read from `text` as "line:problem", joined by "|". Line ends inside quotes
// count, so the numbers are those an editor shows.
std::string Read(const std::string& text, size_t fieldsKept = 4) {
    CCsvReader reader(text, fieldsKept);
    CsvRecord record;
    std::string read;
    while (reader.Next(record)) {
        read += (read.empty() ? "" : "|") + std::to_string(record.line) + ":" + record.problem;
    }
    return read;
}

TEST(CsvTextTest, RecordsCarryTheirLineAndTheirFaultAndReadingGoesOn) {
    const struct {
        std::string text;
        std::string read;
    } cases[] = {
        {"\r\n\n\ra\rb\n", "4:|5:"},
        {"a,\"b\nc\"\nd,\"e\r\nf\rg\"\nh", "1:|3:|6:"},
        {"a\"b\nc", "1:it has a quote inside a field that does not start with one|2:"},
        {"\"a\"b,c\nd", "1:it has text after a closing quote|2:"},
        {"x\n\"open,\nnever", "1:|2:a quoted field is not closed"},
        {"a\0b\nc"s, "1:it holds a NUL byte|2:"},
        {"\xC3\n\xC0\xAF\n\xED\xA0\x80\n\xF4\x90\x80\x80\n\xF0\x9F\x98\x80",
         "1:it is not UTF-8 text|2:it is not UTF-8 text|3:it is not UTF-8 text|"
         "4:it is not UTF-8 text|5:"},
        {"a,b,c,d,e\nf", "1:it has more fields than 4|2:"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.text), c.read) << c.text;
    }
}

}  // namespace
