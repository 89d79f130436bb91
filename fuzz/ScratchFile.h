#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes `size` bytes as the file `name` in a scratch directory of this fuzzing process (under
// TMPDIR, removed at exit) and returns its path. Any journal or WAL that an earlier input left
// beside the file is removed first, so every input is read on its own.
std::string WriteScratchFile(const char* name, const uint8_t* data, size_t size);

// Path of `name` in the scratch directory.
std::string ScratchPath(const char* name);
