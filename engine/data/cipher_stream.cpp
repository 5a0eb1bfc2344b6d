#include "engine/data/cipher_stream.h"

#include "engine/data/md5.h"
#include "engine/data/tiger.h"

CQZCipherStream::CQZCipherStream(const char* path, const unsigned char* key_table,
                                 int digest_kind) {
    Init(path, key_table, digest_kind);
}

CQZCipherStream::~CQZCipherStream() = default;

void CQZCipherStream::Init(const char* path, const unsigned char* key_table, int digest_kind) {
    path_ = path ? path : "";
    body_length_ = 0;
    salt_count_ = 0;
    for (Lane& lane : lanes_) lane = Lane{};
    has_key_table_ = key_table ? 1 : 0;
    if (key_table)
        for (int row = 0; row < 3; ++row) {
            lanes_[2 + row].length = 10;
            for (int i = 0; i < 10; ++i) lanes_[2 + row].bytes[i] = key_table[10 * row + i];
        }
    if (digest_kind == kDigestMD5) {
        digest_a_ = std::make_unique<CQZDG_MD5>();
        digest_b_ = std::make_unique<CQZDG_MD5>();
    } else if (digest_kind == kDigestTiger) {
        digest_a_ = std::make_unique<CQZDG_TIGER>();
        digest_b_ = std::make_unique<CQZDG_TIGER>();
    } else {
        digest_a_.reset();
        digest_b_.reset();
    }
    digest_size_a_ = digest_a_ ? digest_a_->DigestBytes() : 0;
    digest_size_b_ = digest_b_ ? digest_b_->DigestBytes() : 0;
    trailer_size_ = digest_size_a_ + 33;
}

unsigned char CQZCipherStream::KeyByte(std::int64_t p) const {
    std::uint64_t divisor = 1;
    unsigned char key = 0;
    for (const Lane& lane : lanes_) {
        const auto length = static_cast<std::uint64_t>(lane.length);
        key ^= lane.bytes[(static_cast<std::uint64_t>(p) / divisor) % length];
        divisor *= length;
    }
    return key;
}

void CQZCipherStream::Encipher(unsigned char* bytes, std::size_t count,
                               std::int64_t position) const {
    if (count == 0) return;
    // The lanes count like the digits of an odometer, lane 0 fastest: KeyByte's divisions are
    // done once for the first byte, and after that only the digits that roll over change.
    // Every byte of every save and data file passes through here.
    std::uint64_t digit[kLaneCount];
    auto rest = static_cast<std::uint64_t>(position);
    for (int i = 0; i < kLaneCount; ++i) {
        const auto length = static_cast<std::uint64_t>(lanes_[i].length);
        digit[i] = rest % length;
        rest /= length;
    }
    const auto outer_key = [&] {
        unsigned char key = 0;
        for (int i = 1; i < kLaneCount; ++i) key ^= lanes_[i].bytes[digit[i]];
        return key;
    };
    const unsigned char* first = lanes_[0].bytes;
    const auto first_length = static_cast<std::uint64_t>(lanes_[0].length);
    unsigned char outer = outer_key();
    for (std::size_t j = 0; j < count; ++j) {
        bytes[j] ^= first[digit[0]] ^ outer;
        if (++digit[0] < first_length) continue;
        digit[0] = 0;
        for (int i = 1; i < kLaneCount; ++i) {
            if (++digit[i] < static_cast<std::uint64_t>(lanes_[i].length)) break;
            digit[i] = 0;
        }
        outer = outer_key();
    }
}

const unsigned char* CQZCipherStream::Row2() const {
    static const unsigned char kZeros[10] = {};
    return has_key_table_ ? lanes_[4].bytes : kZeros;
}
