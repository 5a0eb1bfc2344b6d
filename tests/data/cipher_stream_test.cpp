#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "engine/common/system.h"
#include "engine/data/md5.h"
#include "engine/data/qz_file.h"
#include "engine/data/tiger.h"
#include "tests/data/data_fixture.h"

namespace data_test {
namespace {

// Random draws in the order the writer makes them: 32 lane bytes (lane 0 and lane 1 in turn),
// then the salt count, then the salt.
CQZCipherWriter::RandomSource Scripted(std::uint32_t seed, int salt_count) {
    auto state = std::make_shared<std::pair<std::mt19937, int>>(std::mt19937(seed), 0);
    return [state, salt_count]() -> std::uint32_t {
        const int draw = state->second++;
        const std::uint32_t value = state->first();
        return draw == 32 ? static_cast<std::uint32_t>(salt_count) : value;
    };
}

// The layout rebuilt from its description, independently of the writer: lanes and salt taken
// from the same scripted draws.
Bytes ReferenceContainer(const Bytes& payload, std::uint32_t seed, int salt_count,
                         const unsigned char* key) {
    auto draw = Scripted(seed, salt_count);
    unsigned char lane[2][16];
    for (int i = 0; i < 16; ++i) {
        const std::uint32_t r = draw();
        if (i == 0)
            lane[0][0] = static_cast<unsigned char>(r % 256);
        else if (i < 15)
            lane[0][i] = static_cast<unsigned char>((lane[0][i - 1] + 1 + r % 255) % 256);
        else {
            unsigned c = (lane[0][14] + 1 + r % 254) % 256;
            if (c == lane[0][0]) c = (lane[0][14] + 255) % 256;
            lane[0][15] = static_cast<unsigned char>(c);
        }
        lane[1][i] = static_cast<unsigned char>(draw() % 256);
    }
    const int s = static_cast<int>(draw() % 256);
    Bytes body;
    for (int i = 0; i < s; ++i) body.push_back(static_cast<unsigned char>(draw() % 256));
    body.insert(body.end(), payload.begin(), payload.end());
    for (int i = 0; i < 256 - s; ++i) body.push_back(static_cast<unsigned char>(draw() % 256));

    auto key_byte = [&](std::size_t p) {
        return static_cast<unsigned char>(lane[0][p % 16] ^ lane[1][(p / 16) % 16] ^
                                          key[(p / 256) % 10] ^ key[10 + (p / 2560) % 10] ^
                                          key[20 + (p / 25600) % 10]);
    };
    CQZDG_TIGER tiger;
    unsigned char digest_a[24], digest_b[24];
    tiger.Hash(body.data(), static_cast<unsigned>(body.size()), digest_a);
    const std::size_t b = body.size();
    Bytes raw;
    for (std::size_t p = 0; p < b; ++p) raw.push_back(body[p] ^ key_byte(p));
    for (std::size_t j = 0; j < 24; ++j) raw.push_back(digest_a[j] ^ key_byte(b + j));
    tiger.Hash(raw.data(), static_cast<unsigned>(raw.size()), digest_b);

    const std::uint32_t length = static_cast<std::uint32_t>(b + 24 + 33);
    Bytes file;
    file.reserve(8 + raw.size() + 33);
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<unsigned char>(length >> (8 * i)));
    file.resize(8, 0);
    for (const unsigned char byte : raw) file.push_back(byte);
    for (int i = 0; i < 16; ++i) file.push_back(lane[0][i] ^ digest_b[i]);
    for (int i = 0; i < 16; ++i) {
        unsigned char v = lane[1][i];
        if (i < 10) v ^= key[20 + i];
        if (i < 8) v ^= digest_b[16 + i];
        file.push_back(v);
    }
    file.push_back(static_cast<unsigned char>(s));
    return file;
}

Bytes RandomBytes(std::mt19937& random, std::size_t n) {
    Bytes out(n);
    for (auto& b : out) b = static_cast<unsigned char>(random());
    return out;
}

class CipherStreamTest : public DataTest {
protected:
    void WriteScripted(const std::string& path, const Bytes& payload, std::uint32_t seed,
                       int salt_count, const unsigned char* key = GameKey()) {
        CQZCipherWriter writer(path.c_str(), key, kDigestTiger);
        writer.SetRandomSource(Scripted(seed, salt_count));
        ASSERT_EQ(writer.Open(), kCipherOk);
        ASSERT_EQ(writer.Write(payload.data(), static_cast<unsigned>(payload.size())), kCipherOk);
        ASSERT_EQ(writer.Close(), kCipherOk);
    }
};

TEST_F(CipherStreamTest, EmptyPayloadIs321BytesAndReadsBack) {
    const std::string path = Path("empty.edt");
    ASSERT_TRUE(WritePayload(path, {}));
    EXPECT_EQ(FileBytes(path).size(), 321u);
    int result = -1;
    EXPECT_TRUE(ReadPayload(path, &result).empty());
    EXPECT_EQ(result, kCipherOk);
}

TEST_F(CipherStreamTest, BytesMatchTheLayoutForEverySaltPlacement) {
    std::mt19937 random(3);
    for (int salt : {0, 1, 128, 255}) {
        // 26000 reaches the fifth lane's second byte (divisor 25600).
        for (std::size_t size : {0u, 5u, 300u, 2600u, 26000u}) {
            const Bytes payload = RandomBytes(random, size);
            const std::string path = Path("layout.edt");
            WriteScripted(path, payload, 99 + salt, salt);
            const Bytes file = FileBytes(path);
            EXPECT_EQ(file, ReferenceContainer(payload, 99 + salt, salt, GameKey()))
                << "salt " << salt << " size " << size;
            EXPECT_EQ(file.back(), salt);

            CQZCipherReader reader(path.c_str(), GameKey(), kDigestTiger);
            ASSERT_EQ(reader.Open(), kCipherOk);
            EXPECT_EQ(reader.salt_count(), salt);
            EXPECT_EQ(reader.PayloadRemaining(), static_cast<int>(size));
            Bytes back(size + 10, 0xEE);
            int count = static_cast<int>(back.size());
            EXPECT_EQ(reader.Read(back.data(), &count), kCipherOk);
            EXPECT_EQ(count, static_cast<int>(size));
            back.resize(size);
            EXPECT_EQ(back, payload);
            count = 4;
            EXPECT_EQ(reader.Read(back.data(), &count), kCipherOk);
            EXPECT_EQ(count, 0);
            EXPECT_EQ(reader.Close(), kCipherOk);
        }
    }
    // Without a key table the three key lanes are single zero bytes, and row 2 counts as ten.
    const unsigned char zeros[30] = {};
    const Bytes payload = RandomBytes(random, 3000);
    WriteScripted(Path("keyless.edt"), payload, 5, 17, nullptr);
    EXPECT_EQ(FileBytes(Path("keyless.edt")), ReferenceContainer(payload, 5, 17, zeros));
}

TEST_F(CipherStreamTest, AnyFlippedByteFromBodyThroughDigestFailsTheCheck) {
    const std::string path = Path("flip.edt");
    const Bytes payload = Text("flip me");
    ASSERT_TRUE(WritePayload(path, payload));
    const Bytes good = FileBytes(path);
    const std::size_t end_of_digest = good.size() - 33;  // 8 + B + D
    for (std::size_t offset = 8; offset < end_of_digest; ++offset) {
        Bytes bad = good;
        bad[offset] ^= 0x01;
        SetFileBytes(path, bad);
        int result = -1;
        ReadPayload(path, &result);
        ASSERT_EQ(result, kCipherBadDigest) << "offset " << offset;
    }
}

TEST_F(CipherStreamTest, MalformedLengthWordsAndShortFilesFailOpen) {
    const std::string path = Path("short.edt");
    ASSERT_TRUE(WritePayload(path, Text("0123456789")));
    const Bytes good = FileBytes(path);
    auto with_length = [&](std::uint32_t length) {
        Bytes bad = good;
        for (int i = 0; i < 4; ++i) bad[i] = static_cast<unsigned char>(length >> (8 * i));
        return bad;
    };
    const Bytes cases[] = {
        Bytes(good.begin(), good.end() - 1),  // shorter than its length word promises
        Bytes(good.begin(), good.begin() + 5),
        with_length(0),
        with_length(256 + 24 + 33 - 1),  // leaves no room for the salt
        with_length(0x7FFFFFFF),
        with_length(0xFFFFFFFF),
    };
    for (const Bytes& bad : cases) {
        SetFileBytes(path, bad);
        CQZCipherReader reader(path.c_str(), GameKey(), kDigestTiger);
        EXPECT_EQ(reader.Open(), kCipherShort) << "size " << bad.size();
        EXPECT_EQ(reader.PayloadRemaining(), 0);
        unsigned char buffer[16];
        int count = 16;
        reader.Read(buffer, &count);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(reader.Close(), kCipherShort);
    }
    CQZCipherReader missing(Path("none.edt").c_str(), GameKey(), kDigestTiger);
    EXPECT_EQ(missing.Open(), kCipherNoStream);
}

// A reader told the most a file of its kind can hold refuses a longer one before reading it,
// though the file is sound and holds all it promises; the record file passes the limit on.
TEST_F(CipherStreamTest, AFileLongerThanTheLimitOfItsKindIsRefusedThoughItIsSound) {
    const std::string path = Path("limited.sav");
    ASSERT_TRUE(WritePayload(path, Text("0123456789")));
    const auto length = static_cast<std::uint32_t>(FileBytes(path).size() - 8);
    for (const std::uint32_t limit : {length, length - 1}) {
        SCOPED_TRACE(limit);
        const int expected = limit >= length ? kCipherOk : kCipherShort;
        CQZCipherReader reader(path.c_str(), GameKey(), kDigestTiger);
        reader.SetLengthLimit(limit);
        EXPECT_EQ(reader.Open(), expected);
        EXPECT_EQ(reader.PayloadRemaining(), expected == kCipherOk ? 10 : 0);

        CQZFile file;
        file.SetLengthLimit(limit);
        EXPECT_EQ(file.Open(path.c_str(), CQZFile::kRead, GameKey()), expected == kCipherOk);
        EXPECT_EQ(file.Remaining(), expected == kCipherOk ? 10 : 0);
    }
}

TEST_F(CipherStreamTest, TwoWritesOfOnePayloadDiffer) {
    const Bytes payload = Text("same payload");
    ASSERT_TRUE(WritePayload(Path("a.edt"), payload));
    ASSERT_TRUE(WritePayload(Path("b.edt"), payload));
    EXPECT_NE(FileBytes(Path("a.edt")), FileBytes(Path("b.edt")));
}

TEST_F(CipherStreamTest, RandomPayloadsRoundTripInRandomPieces) {
    std::mt19937 random(11);
    for (std::size_t size : {1u, 2u, 255u, 256u, 257u, 1023u, 1024u, 1025u, 25601u, 70000u}) {
        const Bytes payload = RandomBytes(random, size);
        const std::string path = Path("round.edt");
        CQZCipherWriter writer(path.c_str(), GameKey(), kDigestTiger);
        ASSERT_EQ(writer.Open(), kCipherOk);
        for (std::size_t pos = 0; pos < size;) {
            const std::size_t piece = std::min<std::size_t>(size - pos, random() % 3000);
            ASSERT_EQ(writer.Write(payload.data() + pos, static_cast<unsigned>(piece)), kCipherOk);
            pos += piece;
        }
        ASSERT_EQ(writer.Close(), kCipherOk);
        int result = -1;
        EXPECT_EQ(ReadPayload(path, &result), payload) << "size " << size;
        EXPECT_EQ(result, kCipherOk);
    }
}

TEST_F(CipherStreamTest, Md5KindAndKeylessFilesRoundTrip) {
    const Bytes payload = Text("kind one");
    for (const unsigned char* key : {GameKey(), static_cast<const unsigned char*>(nullptr)}) {
        const std::string path = Path("md5.edt");
        CQZCipherWriter writer(path.c_str(), key, kDigestMD5);
        ASSERT_EQ(writer.Open(), kCipherOk);
        ASSERT_EQ(writer.Write(payload.data(), static_cast<unsigned>(payload.size())), kCipherOk);
        ASSERT_EQ(writer.Close(), kCipherOk);
        EXPECT_EQ(FileBytes(path).size(), 8 + 256 + payload.size() + 16 + 33);

        CQZCipherReader reader(path.c_str(), key, kDigestMD5);
        ASSERT_EQ(reader.Open(), kCipherOk);
        Bytes back(payload.size());
        int count = static_cast<int>(back.size());
        reader.Read(back.data(), &count);
        EXPECT_EQ(back, payload);
        EXPECT_EQ(reader.Close(), kCipherOk);
    }
}

TEST_F(CipherStreamTest, AnotherKeyTableFailsTheDigest) {
    const std::string path = Path("key.edt");
    ASSERT_TRUE(WritePayload(path, Text("secret")));
    unsigned char other[30];
    std::copy(GameKey(), GameKey() + 30, other);
    other[0] ^= 0x80;  // row 0 enciphers every byte
    int result = -1;
    EXPECT_NE(ReadPayload(path, &result, other), Text("secret"));
    EXPECT_EQ(result, kCipherBadDigest);
}

// A save must never destroy the file it replaces: an unwritable target fails at Open, and an
// abandoned writer leaves the old file and no stray temporary file.
TEST_F(CipherStreamTest, FailedWritesKeepThePreviousFile) {
    SetFileBytes(Path("plain"), Text("x"));
    CQZCipherWriter blocked(Path("plain/inside.edt").c_str(), GameKey(), kDigestTiger);
    EXPECT_NE(blocked.Open(), kCipherOk);
    const unsigned char byte = 1;
    EXPECT_EQ(blocked.Write(&byte, 1), kCipherShort);
    EXPECT_EQ(blocked.Close(), kCipherShort);  // a stream in error, whatever the salt count

    const std::string path = Path("keep.edt");
    ASSERT_TRUE(WritePayload(path, Text("old")));
    const Bytes before = FileBytes(path);
    {
        CQZCipherWriter writer(path.c_str(), GameKey(), kDigestTiger);
        ASSERT_EQ(writer.Open(), kCipherOk);
        ASSERT_EQ(writer.Write(byte == 1 ? &byte : nullptr, 1), kCipherOk);
    }
    EXPECT_EQ(FileBytes(path), before);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 2);  // "plain" and keep.edt
}

TEST_F(CipherStreamTest, GameNamesResolveInTheGameFolderAndRandIsUntouched) {
    Srand(1234);
    const int expected[3] = {Rand(), Rand(), Rand()};
    Srand(1234);
    ASSERT_TRUE(WritePayload("dat\\named.edt", Text("n")));
    EXPECT_EQ(Rand(), expected[0]);
    EXPECT_EQ(Rand(), expected[1]);
    EXPECT_EQ(Rand(), expected[2]);
    EXPECT_EQ(FileBytes(Path("dat/named.edt")).size(), 322u);
    EXPECT_EQ(ReadPayload("dat\\named.edt"), Text("n"));
}

}  // namespace
}  // namespace data_test
