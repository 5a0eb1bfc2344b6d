#include "engine/data/tiger.h"

#include <array>
#include <cstring>

namespace {

using Table = std::array<std::uint64_t, 1024>;

constexpr std::uint64_t kInitial[3] = {0x0123456789ABCDEFull, 0xFEDCBA9876543210ull,
                                       0xF096A5B4C3B2E187ull};

inline unsigned Byte(std::uint64_t v, int i) { return static_cast<unsigned>(v >> (8 * i)) & 0xFF; }

inline void Round(const Table& t, std::uint64_t& a, std::uint64_t& b, std::uint64_t& c,
                  std::uint64_t x, std::uint64_t mul) {
    c ^= x;
    a -= t[Byte(c, 0)] ^ t[256 + Byte(c, 2)] ^ t[512 + Byte(c, 4)] ^ t[768 + Byte(c, 6)];
    b += t[768 + Byte(c, 1)] ^ t[512 + Byte(c, 3)] ^ t[256 + Byte(c, 5)] ^ t[Byte(c, 7)];
    b *= mul;
}

inline void Pass(const Table& t, std::uint64_t& a, std::uint64_t& b, std::uint64_t& c,
                 const std::uint64_t* x, std::uint64_t mul) {
    Round(t, a, b, c, x[0], mul);
    Round(t, b, c, a, x[1], mul);
    Round(t, c, a, b, x[2], mul);
    Round(t, a, b, c, x[3], mul);
    Round(t, b, c, a, x[4], mul);
    Round(t, c, a, b, x[5], mul);
    Round(t, a, b, c, x[6], mul);
    Round(t, b, c, a, x[7], mul);
}

inline void KeySchedule(std::uint64_t* x) {
    x[0] -= x[7] ^ 0xA5A5A5A5A5A5A5A5ull;
    x[1] ^= x[0];
    x[2] += x[1];
    x[3] -= x[2] ^ ((~x[1]) << 19);
    x[4] ^= x[3];
    x[5] += x[4];
    x[6] -= x[5] ^ ((~x[4]) >> 23);
    x[7] ^= x[6];
    x[0] += x[7];
    x[1] -= x[0] ^ ((~x[7]) << 19);
    x[2] ^= x[1];
    x[3] += x[2];
    x[4] -= x[3] ^ ((~x[2]) >> 23);
    x[5] ^= x[4];
    x[6] += x[5];
    x[7] -= x[6] ^ 0x0123456789ABCDEFull;
}

void Compress(const Table& t, const std::uint64_t* block, std::uint64_t* state) {
    std::uint64_t x[8];
    std::memcpy(x, block, sizeof x);
    std::uint64_t a = state[0], b = state[1], c = state[2];
    Pass(t, a, b, c, x, 5);
    KeySchedule(x);
    Pass(t, c, a, b, x, 7);
    KeySchedule(x);
    Pass(t, b, c, a, x, 9);
    state[0] = a ^ state[0];
    state[1] = b - state[1];
    state[2] = c + state[2];
}

std::uint64_t LoadLittle(const unsigned char* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// The S-boxes come from the algorithm's own generation procedure: the four tables start as
// the identity in every byte column, and the compression function, running on the tables as
// they are being built, drives the byte swaps.
Table Generate() {
    static const char kText[] = "Tiger - A Fast New Hash Function, by Ross Anderson and Eli Biham";
    static_assert(sizeof kText == 65);
    std::uint64_t message[8];
    for (int i = 0; i < 8; ++i)
        message[i] = LoadLittle(reinterpret_cast<const unsigned char*>(kText) + 8 * i);

    Table t;
    for (int i = 0; i < 1024; ++i)
        t[i] = 0x0101010101010101ull * static_cast<std::uint64_t>(i & 0xFF);

    std::uint64_t state[3] = {kInitial[0], kInitial[1], kInitial[2]};
    int abc = 2;
    for (int pass = 0; pass < 5; ++pass)
        for (int i = 0; i < 256; ++i)
            for (int sb = 0; sb < 1024; sb += 256) {
                if (++abc == 3) {
                    abc = 0;
                    Compress(t, message, state);
                }
                for (int col = 0; col < 8; ++col) {
                    const int other = sb + static_cast<int>(Byte(state[abc], col));
                    const std::uint64_t mask = 0xFFull << (8 * col);
                    const std::uint64_t mine = t[sb + i] & mask;
                    const std::uint64_t theirs = t[other] & mask;
                    t[sb + i] = (t[sb + i] & ~mask) | theirs;
                    t[other] = (t[other] & ~mask) | mine;
                }
            }
    return t;
}

const Table& Sboxes() {
    static const Table table = Generate();
    return table;
}

}  // namespace

CQZDG_TIGER::CQZDG_TIGER() {
    digest_bits_ = 192;
    block_bits_ = 512;
    Init();
}

void CQZDG_TIGER::Init() {
    std::memcpy(state_, kInitial, sizeof state_);
    blocks_.Reset();
}

namespace {
void CompressBlock(const Table& t, const unsigned char* block, std::uint64_t state[3]) {
    std::uint64_t words[8];
    for (int i = 0; i < 8; ++i) words[i] = LoadLittle(block + 8 * i);
    Compress(t, words, state);
}
}  // namespace

void CQZDG_TIGER::Update(const unsigned char* data, unsigned length) {
    const Table& t = Sboxes();
    blocks_.Add(data, length, [&](const unsigned char* block) { CompressBlock(t, block, state_); });
}

void CQZDG_TIGER::Final(unsigned char* out) {
    const Table& t = Sboxes();
    blocks_.Finish(0x01, [&](const unsigned char* block) { CompressBlock(t, block, state_); });
    for (int w = 0; w < 3; ++w)
        for (int i = 0; i < 8; ++i)
            out[8 * w + i] = static_cast<unsigned char>(state_[w] >> (56 - 8 * i));
}
