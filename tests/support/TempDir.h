#pragma once

#include <gtest/gtest.h>

#include <string>

// A fresh directory under the system's temporary folder that becomes the working directory for
// as long as the object lives. The program opens its files by bare name, so every test that
// touches a file works inside one of these and never in the user's data directory.
class ScopedTempDir {
public:
    ScopedTempDir();
    ~ScopedTempDir();
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Absolute path of a file inside the directory.
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
    std::string m_previous;
};

// Fixture base: each test runs in its own ScopedTempDir.
class TempDirTest : public ::testing::Test {
protected:
    ScopedTempDir m_dir;
};
