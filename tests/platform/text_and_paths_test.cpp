// Shift-JIS byte rules, conversions, and where game file names resolve.
#include <gtest/gtest.h>

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "tests/support/engine_world.h"

namespace {

using testing_support::Utf8;

TEST(Sjis, LeadBytesAndCharacterLengths) {
    const std::string text = "aあ";  // 'a', then 0x82 0xA0
    EXPECT_FALSE(sjis::IsLeadByte('a'));
    EXPECT_TRUE(sjis::IsLeadByte(0x82));
    EXPECT_TRUE(sjis::IsLeadByte(0xE0));
    EXPECT_FALSE(sjis::IsLeadByte(0xA0));  // half-width katakana range
    EXPECT_EQ(sjis::CharLength(text, 0), 1u);
    EXPECT_EQ(sjis::CharLength(text, 1), 2u);
    // A lone lead byte at the end counts as one byte.
    EXPECT_EQ(sjis::CharLength(std::string("a\x82"), 1), 1u);
    EXPECT_EQ(sjis::CharLength(text, 3), 0u);
}

TEST(Sjis, CutsNeverSplitACharacter) {
    const std::string text = "aあいb";  // bytes: a, 2, 2, b = 6 bytes
    struct Case {
        std::size_t limit, cut;
    } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {5, 5}, {6, 6}, {99, 6}};
    for (const Case& c : cases) EXPECT_EQ(sjis::CutPosition(text, c.limit), c.cut) << c.limit;
}

TEST(Sjis, ConvertsThroughCodePage932) {
    EXPECT_EQ(sjis::ToUtf8("ぜるば堂"), Utf8(u8"ぜるば堂"));
    EXPECT_EQ(sjis::FromUtf8(Utf8(u8"ヴェム")), std::string("ヴェム"));
    // 0x5C is a backslash in CP932, not a yen sign; 0x81 0x60 is the full-width tilde.
    EXPECT_EQ(sjis::ToUtf8("a\\b"), "a\\b");
    EXPECT_EQ(sjis::ToUtf8("～"), Utf8(u8"～"));
    // Undecodable bytes do not stop the conversion.
    EXPECT_EQ(sjis::ToUtf8("a\x82"), Utf8(u8"a\uFFFD"));
    // A stray lead byte takes only itself: the line feed after it survives.
    EXPECT_EQ(sjis::ToUtf8("a\x82\nb"), Utf8(u8"a\uFFFD\nb"));
    EXPECT_EQ(sjis::ToCodePoints("aあ"), (std::u32string{U'a', U'あ'}));
}

TEST(GamePath, BackslashesBecomeSlashesOutsideDoubleByteCharacters) {
    // 表 is 0x95 0x5C: its second byte must survive.
    EXPECT_EQ(gamepath::Normalize("dat\\表.bmp"), std::string("dat/表.bmp"));
    EXPECT_EQ(gamepath::Normalize("dat\\bg.bmp"), "dat/bg.bmp");
    EXPECT_EQ(gamepath::Normalize("dat/scd00.sav"), "dat/scd00.sav");
}

TEST(GamePath, SavesGoToTheDataFolderAndTheRestToTheGameFolder) {
    testing_support::HeadlessBackendInstalled world;
    world.backend.services().folders = {"/opt/vemu", "/home/p/.local/share/vemu",
                                        "/home/p/.config/vemu"};
    EXPECT_EQ(gamepath::Resolve("dat\\bg.bmp"), "/opt/vemu/dat/bg.bmp");
    EXPECT_EQ(gamepath::Resolve("dat/scd03.sav"), "/home/p/.local/share/vemu/dat/scd03.sav");
    EXPECT_EQ(gamepath::Resolve("/tmp/x.bin"), "/tmp/x.bin");
    EXPECT_EQ(gamepath::Resolve("dat\\表.bmp"), Utf8(u8"/opt/vemu/dat/表.bmp"));
}

TEST(GamePath, WritingASaveCreatesItsFolder) {
    testing_support::HeadlessBackendInstalled world;
    testing_support::TempFolder folder;
    world.backend.services().folders.data = folder.path() + "/data";
    auto file = gamepath::CreateAtomic("dat/scd00.sav");
    ASSERT_TRUE(file);
    file->Write("x", 1);
    ASSERT_TRUE(file->Commit());
    EXPECT_TRUE(gamepath::Exists("dat/scd00.sav"));
    EXPECT_TRUE(gamepath::ModificationTime("dat/scd00.sav").has_value());
}

}  // namespace
