#pragma once

#include <cstdint>
#include <string>

// Whole text files read and written at once, for the files the user names (exports, imports).
namespace text_file {

// Reads the file into `text`. False with the reason in `error` when it cannot be read, or when it
// is larger than `largest` bytes (`tooLarge` is then set).
bool Read(const std::string& path, uint64_t largest, std::string& text, bool& tooLarge,
          std::string& error);

// Writes `text` into a new file beside `path` and renames it over `path`, so a failure leaves an
// earlier file of that name as it was. A link is followed: the file it names is replaced.
bool Write(const std::string& path, const std::string& text, std::string& error);

}  // namespace text_file
