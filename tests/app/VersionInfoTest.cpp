#include "app/VersionInfo.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "platform/VersionBlock.h"
#include "support/TempDir.h"

namespace {

VersionBlockContents ContentsFor(std::array<WORD, 4> fileVersion) {
    VersionBlockContents contents;
    contents.fileVersion = fileVersion;
    contents.translations = {{0x0409, 0x04B0}};
    return contents;
}

// A file holding the block between other bytes, as a program file holds it.
std::string WriteModule(const ScopedTempDir& dir, const std::string& name,
                        const VersionBlockContents& contents) {
    const std::vector<unsigned char> block = BuildVersionBlock(contents);
    const std::string path = dir.File(name);
    std::ofstream out(path, std::ios::binary);
    const std::string filler(37, '\x7f');
    out << filler;
    out.write(reinterpret_cast<const char*>(block.data()),
              static_cast<std::streamsize>(block.size()));
    out << filler;
    return path;
}

class VersionInfoTest : public TempDirTest {};

TEST_F(VersionInfoTest, ShowsTheFirstThreeNumbersWithoutASeparatorBeforeTheThird) {
    const struct {
        std::array<WORD, 4> fileVersion;
        const char* text;
    } cases[] = {{{8, 0, 2, 1}, "V 8.02"}, {{1, 12, 3, 4}, "V 1.123"}};
    for (const auto& c : cases) {
        const std::string path = WriteModule(m_dir, "module.bin", ContentsFor(c.fileVersion));
        ShownVersion version;
        ASSERT_TRUE(ReadShownVersion(path.c_str(), &version));
        EXPECT_EQ(FormatVersionText(version), c.text);
    }
}

TEST_F(VersionInfoTest, UnreadableResourcesGiveNoVersionAndLeaveNothingBehind) {
    VersionBlockContents wrongSignature = ContentsFor({8, 0, 2, 1});
    wrongSignature.signature = 0xFEEF04BC;
    std::ofstream(m_dir.File("plain.bin")) << "no version block in here";
    for (const std::string& path : {WriteModule(m_dir, "wrong-signature.bin", wrongSignature),
                                    m_dir.File("missing.bin"), m_dir.File("plain.bin")}) {
        CVersionInfo info;
        EXPECT_EQ(info.Open(path.c_str()), 0) << path;
        EXPECT_EQ(info.FixedInfo().dwFileVersionMS, 0u);
        ShownVersion version;
        EXPECT_FALSE(ReadShownVersion(path.c_str(), &version)) << path;
    }
}

}  // namespace
