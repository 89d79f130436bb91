#pragma once

#include <string>

// The white space that typed texts lose at their edges: blanks, tabs, line and page breaks.
inline constexpr const char* kWhiteSpace = " \t\n\v\f\r";

inline std::string WithoutLeadingWhiteSpace(const std::string& text) {
    const size_t start = text.find_first_not_of(kWhiteSpace);
    return start == std::string::npos ? std::string() : text.substr(start);
}

inline std::string WithoutTrailingWhiteSpace(const std::string& text) {
    const size_t end = text.find_last_not_of(kWhiteSpace);
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

inline std::string WithoutEdgeWhiteSpace(const std::string& text) {
    return WithoutTrailingWhiteSpace(WithoutLeadingWhiteSpace(text));
}
