#include "app/VersionInfo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/VersionBlock.h"
#include "support/TempDir.h"

namespace {

VersionBlockContents ContentsFor(std::array<WORD, 4> fileVersion) {
    VersionBlockContents contents;
    contents.fileVersion = fileVersion;
    contents.productVersion = fileVersion;
    contents.strings = {{"ProductName", "Morvane"}};
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

struct ShownVersionCase {
    std::array<WORD, 4> fileVersion;
    const char* text;
};

TEST_F(VersionInfoTest, ShowsTheFirstThreeNumbersWithoutASeparatorBeforeTheThird) {
    const ShownVersionCase cases[] = {
        {{8, 0, 2, 1}, "V 8.02"},
        {{1, 12, 3, 4}, "V 1.123"},
        {{10, 0, 0, 9}, "V 10.00"},
    };
    for (const ShownVersionCase& c : cases) {
        const std::string path = WriteModule(m_dir, "module.bin", ContentsFor(c.fileVersion));
        ShownVersion version;
        ASSERT_TRUE(ReadShownVersion(path.c_str(), &version)) << c.text;
        EXPECT_EQ(FormatVersionText(version), c.text);
    }
}

// Opening again replaces what an earlier file gave.
TEST_F(VersionInfoTest, OpenKeepsTheFixedInfoAndTheTranslationTableOfTheLastFile) {
    const std::string first = WriteModule(m_dir, "first.bin", ContentsFor({8, 0, 2, 1}));
    const std::string second = WriteModule(m_dir, "second.bin", ContentsFor({1, 12, 3, 4}));
    CVersionInfo info;
    ASSERT_EQ(info.Open(first.c_str()), 1);
    ASSERT_EQ(info.Open(second.c_str()), 1);
    EXPECT_EQ(info.FixedInfo().dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(info.FixedInfo().dwFileVersionMS, (1u << 16) | 12u);
    EXPECT_EQ(info.FixedInfo().dwFileVersionLS, (3u << 16) | 4u);
    ASSERT_EQ(info.TranslationCount(), 1u);
    EXPECT_EQ(info.Translations()[0], 0x04B00409u);  // language id in the low word
}

TEST_F(VersionInfoTest, UnreadableResourcesGiveNoVersionAndLeaveNothingBehind) {
    VersionBlockContents noTranslation = ContentsFor({8, 0, 2, 1});
    noTranslation.translations.clear();
    VersionBlockContents wrongSignature = ContentsFor({8, 0, 2, 1});
    wrongSignature.signature = 0xFEEF04BC;
    const std::string paths[] = {
        WriteModule(m_dir, "no-translation.bin", noTranslation),
        WriteModule(m_dir, "wrong-signature.bin", wrongSignature),
        m_dir.File("missing.bin"),
    };
    std::ofstream(m_dir.File("plain.bin")) << "no version block in here";

    for (const std::string& path : {paths[0], paths[1], paths[2], m_dir.File("plain.bin")}) {
        CVersionInfo info;
        EXPECT_EQ(info.Open(path.c_str()), 0) << path;
        EXPECT_EQ(info.IsValid(), 0);
        EXPECT_EQ(info.FixedInfo().dwFileVersionMS, 0u);
        EXPECT_EQ(info.Translations(), nullptr);
        ShownVersion version;
        EXPECT_FALSE(ReadShownVersion(path.c_str(), &version)) << path;
    }
}

TEST_F(VersionInfoTest, ANullPathChangesNothing) {
    const std::string path = WriteModule(m_dir, "module.bin", ContentsFor({8, 0, 2, 1}));
    CVersionInfo info;
    ASSERT_EQ(info.Open(path.c_str()), 1);

    EXPECT_EQ(info.Open(nullptr), 0);
    EXPECT_EQ(info.IsValid(), 1);
    EXPECT_EQ(info.FixedInfo().dwFileVersionMS, 8u << 16);
    EXPECT_EQ(info.TranslationCount(), 1u);
}

}  // namespace
