#include <gtest/gtest.h>

#include "engine/data/qz_file.h"
#include "tests/data/data_fixture.h"

namespace data_test {
namespace {

class QZFileTest : public DataTest {
protected:
    // A record file whose payload is given byte for byte.
    void OpenPayload(CQZFile& file, const Bytes& payload) {
        ASSERT_TRUE(WritePayload(Path("rec.edt"), payload));
        ASSERT_TRUE(file.Open(Path("rec.edt").c_str(), CQZFile::kRead, GameKey()));
    }
};

TEST_F(QZFileTest, RecordsHaveTheirExactBytesAndReadBack) {
    {
        CQZFile file;
        ASSERT_TRUE(file.Open("dat\\rec.edt", CQZFile::kWrite, GameKey()));
        EXPECT_TRUE(file.WriteInt(-2));
        EXPECT_TRUE(file.WriteBool(true));
        EXPECT_TRUE(file.WriteByte(0xAB));
        EXPECT_TRUE(file.WriteString("ab"));
        EXPECT_TRUE(file.WriteString(""));
        EXPECT_TRUE(file.Close());
        EXPECT_EQ(file.Result(), kCipherOk);
    }
    const Bytes expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x01, 0xAB, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00,
                            0x00, 0x00, 0x61, 0x62, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    int result = -1;
    EXPECT_EQ(ReadPayload(Path("dat/rec.edt"), &result), expected);
    EXPECT_EQ(result, kCipherOk);

    CQZFile file;
    ASSERT_TRUE(file.Open("dat\\rec.edt", CQZFile::kRead, GameKey()));
    int i = 0;
    bool b = false;
    unsigned char byte = 0;
    std::string s, empty = "x";
    EXPECT_TRUE(file.ReadInt(&i));
    EXPECT_TRUE(file.ReadBool(&b));
    EXPECT_TRUE(file.ReadByte(&byte));
    EXPECT_TRUE(file.ReadString(s));
    EXPECT_TRUE(file.ReadString(empty));
    EXPECT_EQ(i, -2);
    EXPECT_TRUE(b);
    EXPECT_EQ(byte, 0xAB);
    EXPECT_EQ(s, "ab");
    EXPECT_EQ(empty, "");
    EXPECT_EQ(file.Remaining(), 0);
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(file.Result(), kCipherOk);
}

TEST_F(QZFileTest, BoolIsTrueOnlyForOne) {
    CQZFile file;
    OpenPayload(file, {2, 1, 0});
    bool b = true;
    EXPECT_TRUE(file.ReadBool(&b));
    EXPECT_FALSE(b);
    EXPECT_TRUE(file.ReadBool(&b));
    EXPECT_TRUE(b);
    EXPECT_TRUE(file.ReadBool(&b));
    EXPECT_FALSE(b);
}

// Lengths come from the file, so every bad one must fail before anything is allocated or read.
TEST_F(QZFileTest, BadStringLengthsFailWithoutReadingCharacters) {
    struct Case {
        const char* what;
        Bytes payload;
    };
    const Case cases[] = {
        {"unequal", {2, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c'}},
        {"negative", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}},
        {"huge", {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}},
        {"past the end", {4, 0, 0, 0, 4, 0, 0, 0, 'a', 'b', 'c'}},
        {"one length", {1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        CQZFile file;
        OpenPayload(file, c.payload);
        std::string out = "kept";
        EXPECT_FALSE(file.ReadString(out)) << c.what;
        EXPECT_EQ(out, "kept") << c.what;
        EXPECT_GE(file.Remaining(), static_cast<int>(c.payload.size()) - 8) << c.what;
    }
}

TEST_F(QZFileTest, EmbeddedZeroCutsTheString) {
    CQZFile file;
    OpenPayload(file, {3, 0, 0, 0, 3, 0, 0, 0, 'a', 0, 'b', 7});
    std::string out;
    EXPECT_TRUE(file.ReadString(out));
    EXPECT_EQ(out, "a");
    unsigned char next = 0;
    EXPECT_TRUE(file.ReadByte(&next));
    EXPECT_EQ(next, 7);
}

TEST_F(QZFileTest, ShortTypedReadsFailAndLeaveTheirDestinations) {
    CQZFile file;
    OpenPayload(file, {1, 2});
    int i = 42;
    EXPECT_FALSE(file.ReadInt(&i));
    EXPECT_EQ(i, 42);
    unsigned char buffer[4] = {9, 9, 9, 9};
    int delivered = -1;
    EXPECT_TRUE(file.Read(buffer, 4, &delivered));  // a raw read at the end is not an error
    EXPECT_EQ(delivered, 0);
    EXPECT_EQ(buffer[0], 9);
}

TEST_F(QZFileTest, OtherModesOpenNothing) {
    CQZFile file;
    EXPECT_TRUE(file.Open(Path("none.edt").c_str(), 2, GameKey()));
    EXPECT_FALSE(file.IsReading());
    EXPECT_FALSE(file.IsWriting());
    EXPECT_FALSE(file.WriteInt(1));
    EXPECT_FALSE(file.Close());
    EXPECT_FALSE(file.Open(Path("none.edt").c_str(), CQZFile::kRead, nullptr));
}

TEST_F(QZFileTest, ContainerVerdictIsReportedAfterClose) {
    {
        CQZFile file;
        ASSERT_TRUE(file.Open(Path("rec.edt").c_str(), CQZFile::kWrite, GameKey()));
        file.WriteInt(7);
        file.Close();
    }
    Bytes bytes = FileBytes(Path("rec.edt"));
    bytes[8 + 100] ^= 0x10;
    SetFileBytes(Path("rec.edt"), bytes);
    CQZFile file;
    ASSERT_TRUE(file.Open(Path("rec.edt").c_str(), CQZFile::kRead, GameKey()));
    int i = 0;
    file.ReadInt(&i);
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(file.Result(), kCipherBadDigest);

    CQZFile missing;
    EXPECT_FALSE(missing.Open(Path("none.edt").c_str(), CQZFile::kRead, GameKey()));
    EXPECT_FALSE(missing.ReadInt(&i));
    EXPECT_NE(missing.Result(), kCipherOk);
}

TEST_F(QZFileTest, WriterThatCannotCreateItsFileFailsEveryWrite) {
    SetFileBytes(Path("plain"), Text("x"));
    CQZFile file;
    EXPECT_FALSE(file.Open(Path("plain/rec.edt").c_str(), CQZFile::kWrite, GameKey()));
    EXPECT_FALSE(file.WriteInt(1));
    EXPECT_FALSE(file.WriteString("a"));
    EXPECT_FALSE(file.Close());
    EXPECT_NE(file.Result(), kCipherOk);
}

}  // namespace
}  // namespace data_test
