#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "engine/data/md5.h"
#include "engine/data/tiger.h"

namespace {

std::string Hex(const unsigned char* bytes, int n, const char* format) {
    std::string out;
    char digits[3];
    for (int i = 0; i < n; ++i) {
        std::snprintf(digits, sizeof digits, format, bytes[i]);
        out += digits;
    }
    return out;
}

std::string Digest(CQZDG_GENERIC_HASH& hash, const std::string& message, const char* format) {
    unsigned char out[32];
    hash.Hash(reinterpret_cast<const unsigned char*>(message.data()),
              static_cast<unsigned>(message.size()), out);
    return Hex(out, hash.DigestBytes(), format);
}

struct Vector {
    std::string message;
    const char* digest;
};

TEST(TigerTest, PublishedVectorsInChainingWordOrder) {
    const Vector vectors[] = {
        {"", "24F0130C63AC933216166E76B1BB925FF373DE2D49584E7A"},
        {"abc", "F258C1E88414AB2A527AB541FFC5B8BF935F7B951C132951"},
        {"Tiger", "9F00F599072300DD276ABB38C8EB6DEC37790C116F9D2BDF"},
        {std::string(55, 'a'), "FB9BF37F4F5603EC1AF2CD3EABB548A8E3627A9A5471A31E"},
        {std::string(56, 'a'), "F70069E991D7FD4510F8863A92C226ECC9160CE545FB679A"},
        {std::string(64, 'a'), "ED92EABB13F303756843CC3F5D0CA9DC6EB76F36DF577423"},
        {std::string(1000, 'a'), "7C257BA41488C142D904E6FB800A1640D91FB329E03E6149"},
        {"Tiger - A Fast New Hash Function, by Ross Anderson and Eli Biham",
         "0C410A042968868A1671DA5A3FD29A725EC1E457D3CDB303"},
    };
    CQZDG_TIGER tiger;
    EXPECT_EQ(tiger.DigestBytes(), 24);
    EXPECT_EQ(tiger.BlockBits(), 512);
    for (const Vector& v : vectors)
        EXPECT_EQ(Digest(tiger, v.message, "%02X"), v.digest) << "length " << v.message.size();
}

TEST(Md5Test, Rfc1321Suite) {
    const Vector vectors[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    CQZDG_MD5 md5;
    EXPECT_EQ(md5.DigestBytes(), 16);
    for (const Vector& v : vectors) {
        EXPECT_EQ(Digest(md5, v.message, "%02x"), v.digest) << v.message;
        unsigned char out[16];
        char text[33];
        md5.Init();
        md5.Update(reinterpret_cast<const unsigned char*>(v.message.data()),
                   static_cast<unsigned>(v.message.size()));
        md5.Final(out, text);
        EXPECT_STREQ(text, v.digest);
    }
}

// Block boundaries are where incremental hashing goes wrong, so the pieces straddle them.
TEST(DigestTest, RandomPiecesEqualOneUpdate) {
    std::mt19937 random(7);
    for (int kind = 0; kind < 2; ++kind) {
        for (unsigned size : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 127u, 128u, 1000u, 4099u}) {
            std::string message(size, '\0');
            for (char& c : message) c = static_cast<char>(random());
            CQZDG_TIGER tiger;
            CQZDG_MD5 md5;
            CQZDG_GENERIC_HASH& hash = kind == 0 ? static_cast<CQZDG_GENERIC_HASH&>(tiger) : md5;
            const std::string whole = Digest(hash, message, "%02x");
            hash.Init();
            for (unsigned pos = 0; pos < size;) {
                const unsigned piece = std::min<unsigned>(size - pos, random() % 80);
                hash.Update(reinterpret_cast<const unsigned char*>(message.data()) + pos, piece);
                pos += piece;
            }
            hash.Update(nullptr, 0);
            unsigned char out[32];
            hash.Final(out);
            EXPECT_EQ(Hex(out, hash.DigestBytes(), "%02x"), whole)
                << "kind " << kind << " size " << size;
        }
    }
}

}  // namespace
