#include <climits>
#include <new>
#include <random>

#include "engine/common/game_path.h"
#include "engine/data/cipher_stream.h"

namespace {

void StoreU32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// A generator of the writers' own, so that writing a file leaves the game's rand sequence
// alone. Seeded once per thread: asking the system for entropy cost more than writing a file.
CQZCipherWriter::RandomSource SystemRandom() {
    thread_local std::mt19937 engine = [] {
        std::random_device entropy;
        std::seed_seq seed{entropy(), entropy(), entropy(), entropy()};
        return std::mt19937(seed);
    }();
    return [] { return static_cast<std::uint32_t>(engine()); };
}

}  // namespace

CQZCipherWriter::CQZCipherWriter(const char* path, const unsigned char* key_table, int digest_kind)
    : CQZCipherStream(path, key_table, digest_kind) {}

CQZCipherWriter::~CQZCipherWriter() = default;

unsigned char CQZCipherWriter::RandomByte(unsigned modulus) {
    return static_cast<unsigned char>(random_() % modulus);
}

int CQZCipherWriter::Open() {
    if (!HasDigests()) return kCipherNoStream;
    digest_a_->Init();
    digest_b_->Init();
    position_ = 0;
    failed_ = false;
    image_.assign(8, 0);
    file_ = gamepath::CreateAtomic(path_);
    if (!file_) {
        failed_ = true;
        return kCipherNoStream;
    }
    if (!random_) random_ = SystemRandom();

    // Lane 0 never repeats a byte next to itself, and its last byte also differs from its first.
    Lane& lane0 = lanes_[0];
    Lane& lane1 = lanes_[1];
    for (int i = 0; i < 16; ++i) {
        if (i == 0) {
            lane0.bytes[0] = RandomByte(256);
        } else if (i < 15) {
            lane0.bytes[i] = static_cast<unsigned char>(lane0.bytes[i - 1] + 1 + RandomByte(255));
        } else {
            auto c = static_cast<unsigned char>(lane0.bytes[14] + 1 + RandomByte(254));
            if (c == lane0.bytes[0]) c = static_cast<unsigned char>(lane0.bytes[14] + 255);
            lane0.bytes[15] = c;
        }
        lane1.bytes[i] = RandomByte(256);
    }
    lane0.length = 16;
    lane1.length = 16;

    salt_count_ = RandomByte(256);
    unsigned char salt[kCipherSaltBytes];
    for (int i = 0; i < salt_count_; ++i) salt[i] = RandomByte(256);
    return Write(salt, salt_count_);
}

int CQZCipherWriter::Write(const unsigned char* bytes, unsigned count) {
    if (count == 0) return kCipherOk;
    if (failed_ || !file_ || !bytes) return kCipherShort;
    // The length word must stay a positive 32-bit number once the trailing salt and the
    // trailer are added.
    const std::int64_t limit =
        static_cast<std::int64_t>(INT_MAX) - trailer_size_ - kCipherSaltBytes;
    if (static_cast<std::int64_t>(position_) + count > limit) {
        failed_ = true;
        return kCipherShort;
    }
    const std::size_t start = image_.size();
    try {
        image_.resize(start + count);
    } catch (const std::bad_alloc&) {
        failed_ = true;  // the payload has a hole now: the file must never be committed
        return kCipherNoMemory;
    }
    // Kept plain until the trailer: the record files arrive a few bytes at a time, and one
    // pass of the keystream and of each digest over the whole body is several times faster.
    std::copy(bytes, bytes + count, image_.data() + start);
    position_ += static_cast<int>(count);
    return kCipherOk;
}

int CQZCipherWriter::WriteTrailer() {
    body_length_ = position_;
    unsigned char* body = image_.data() + 8;
    const auto body_bytes = static_cast<unsigned>(body_length_);
    digest_a_->Update(body, body_bytes);
    Encipher(body, body_bytes, 0);
    digest_b_->Update(body, body_bytes);
    StoreU32(image_.data(), static_cast<std::uint32_t>(body_length_ + trailer_size_));
    StoreU32(image_.data() + 4, 0);

    unsigned char digest_a[32] = {};
    digest_a_->Final(digest_a);
    Encipher(digest_a, static_cast<std::size_t>(digest_size_a_), body_length_);
    digest_b_->Update(digest_a, static_cast<unsigned>(digest_size_a_));
    unsigned char digest_b[32] = {};
    digest_b_->Final(digest_b);

    unsigned char lane0[16], lane1[16];
    for (int i = 0; i < 16; ++i) lane0[i] = lanes_[0].bytes[i] ^ digest_b[i];
    const unsigned char* row2 = Row2();
    for (int i = 0; i < 16; ++i) lane1[i] = lanes_[1].bytes[i];
    for (int i = 0; i < 10; ++i) lane1[i] ^= row2[i];
    for (int i = 0; i + 16 < digest_size_b_; ++i) lane1[i] ^= digest_b[16 + i];

    try {
        image_.insert(image_.end(), digest_a, digest_a + digest_size_a_);
        image_.insert(image_.end(), lane0, lane0 + 16);
        image_.insert(image_.end(), lane1, lane1 + 16);
        image_.push_back(salt_count_);
    } catch (const std::bad_alloc&) {
        return kCipherNoMemory;
    }
    if (file_->Write(image_.data(), image_.size()) != image_.size()) return kCipherShort;
    return file_->Commit() ? kCipherOk : kCipherShort;
}

int CQZCipherWriter::Close() {
    if (failed_) {
        file_.reset();  // abandons the temporary file; the target is left as it was
        return kCipherShort;
    }
    if (!file_) return kCipherNoStream;
    unsigned char salt[kCipherSaltBytes];
    const int trailing = kCipherSaltBytes - salt_count_;
    for (int i = 0; i < trailing; ++i) salt[i] = RandomByte(256);
    const int result = Write(salt, static_cast<unsigned>(trailing));
    if (result != kCipherOk) return result;
    const int trailer = WriteTrailer();
    file_.reset();
    image_.clear();
    image_.shrink_to_fit();
    return trailer == kCipherOk ? kCipherOk : kCipherNoStream;
}
