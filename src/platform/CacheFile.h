#pragma once

#include <string>

// Small texts the program keeps in the user's cache folder ($XDG_CACHE_HOME/morvane, by default
// ~/.cache/morvane) to spare work at start-up. Losing one costs only time, so a text that cannot
// be read reads as empty and one that cannot be written is left as it was.

// The path of the cache file `name`.
std::string CacheFilePath(const std::string& name);
// The file's first line, or "" when there is none.
std::string ReadCacheLine(const std::string& path);
// Replaces the file's text by `line`, through a temporary file renamed over it, so that another
// program reading it at the same time finds the old line or the new one.
void WriteCacheLine(const std::string& path, const std::string& line);
