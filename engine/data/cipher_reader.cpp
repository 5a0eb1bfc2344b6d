#include <algorithm>
#include <climits>
#include <cstring>

#include "engine/common/game_path.h"
#include "engine/data/cipher_stream.h"

namespace {

std::uint32_t LoadU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

CQZCipherReader::CQZCipherReader(const char* path, const unsigned char* key_table, int digest_kind)
    : CQZCipherStream(path, key_table, digest_kind) {}

CQZCipherReader::~CQZCipherReader() = default;

int CQZCipherReader::Open() {
    if (!HasDigests()) return kCipherNoStream;
    digest_a_->Init();
    digest_b_->Init();
    body_length_ = 0;
    position_ = 0;
    end_ = 1;
    ready_ = false;
    file_ = gamepath::Open(path_, platform::File::Mode::Read);
    if (!file_) return kCipherNoStream;

    unsigned char header[8];
    if (file_->Read(header, sizeof header) != sizeof header) return kCipherShort;
    // The length word is checked before anything trusts it: it must leave room for the whole
    // salt and the trailer, stay within what a file of this kind can be, and the file must hold
    // all it promises.
    const std::uint32_t length = LoadU32(header);
    const auto minimum = static_cast<std::uint32_t>(kCipherSaltBytes + trailer_size_);
    if (length < minimum || length > static_cast<std::uint32_t>(INT_MAX) || length > length_limit_)
        return kCipherShort;
    const std::int64_t size = file_->Size();
    if (size >= 0 && size < 8 + static_cast<std::int64_t>(length)) return kCipherShort;
    body_length_ = static_cast<int>(length) - trailer_size_;

    std::int64_t left = static_cast<std::int64_t>(body_length_) + digest_size_a_;
    unsigned char piece[1024];
    while (left > 0) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::int64_t>(left, sizeof piece));
        if (file_->Read(piece, want) != want) return kCipherShort;
        digest_b_->Update(piece, static_cast<unsigned>(want));
        left -= static_cast<std::int64_t>(want);
    }
    unsigned char digest_b[32] = {};
    digest_b_->Final(digest_b);

    unsigned char lane[16];
    if (file_->Read(lane, 16) != 16) return kCipherShort;
    for (int i = 0; i < 16; ++i) lanes_[0].bytes[i] = lane[i] ^ digest_b[i];
    lanes_[0].length = 16;

    if (file_->Read(lane, 16) != 16) return kCipherShort;
    const unsigned char* row2 = Row2();
    for (int i = 0; i < 10; ++i) lane[i] ^= row2[i];
    for (int i = 0; i + 16 < digest_size_b_; ++i) lane[i] ^= digest_b[16 + i];
    std::memcpy(lanes_[1].bytes, lane, 16);
    lanes_[1].length = 16;

    unsigned char salt_count;
    if (file_->Read(&salt_count, 1) != 1) return kCipherShort;
    salt_count_ = salt_count;

    if (!file_->Seek(8, platform::File::Whence::Begin)) return kCipherShort;
    ahead_.clear();
    ahead_pos_ = 0;
    end_ = 0;
    ready_ = true;
    unsigned char salt[kCipherSaltBytes];
    int count = salt_count_;
    ReadBody(salt, &count);
    return count < salt_count_ ? kCipherShort : kCipherOk;
}

std::size_t CQZCipherReader::ReadAhead(unsigned char* buffer, std::size_t count) {
    constexpr std::size_t kBlock = 16384;
    std::size_t got = 0;
    while (got < count) {
        if (ahead_pos_ == ahead_.size()) {
            ahead_.resize(kBlock);
            ahead_.resize(file_->Read(ahead_.data(), kBlock));
            ahead_pos_ = 0;
            if (ahead_.empty()) break;
        }
        const std::size_t take = std::min(count - got, ahead_.size() - ahead_pos_);
        std::memcpy(buffer + got, ahead_.data() + ahead_pos_, take);
        ahead_pos_ += take;
        got += take;
    }
    return got;
}

int CQZCipherReader::ReadLimited(unsigned char* buffer, int* count, int limit) {
    const int asked = *count;
    *count = 0;
    if (!ready_ || !file_ || asked <= 0 || !buffer) return kCipherOk;
    const int want = std::min(asked, std::max(0, limit - position_));
    const std::size_t got = want > 0 ? ReadAhead(buffer, static_cast<std::size_t>(want)) : 0;
    Encipher(buffer, got, position_);
    *count = static_cast<int>(got);
    position_ += *count;
    digest_a_->Update(buffer, static_cast<unsigned>(got));
    if (position_ >= limit) end_ = 1;
    return kCipherOk;
}

int CQZCipherReader::Read(unsigned char* buffer, int* count) {
    return ReadLimited(buffer, count, body_length_ - (kCipherSaltBytes - salt_count_));
}

int CQZCipherReader::ReadBody(unsigned char* buffer, int* count) {
    return ReadLimited(buffer, count, body_length_);
}

int CQZCipherReader::PayloadRemaining() const {
    if (!ready_) return 0;
    return std::max(0, body_length_ - (kCipherSaltBytes - salt_count_) - position_);
}

int CQZCipherReader::Close() {
    unsigned char piece[1024];
    // A short file could deliver nothing before the end flag is reached; 0 bytes ends the drain.
    while (end_ == 0) {
        int count = sizeof piece;
        Read(piece, &count);
        if (count == 0) break;
    }
    const int trailing = kCipherSaltBytes - salt_count_;
    int count = trailing;
    ReadBody(piece, &count);
    if (count < trailing) return kCipherShort;

    unsigned char computed[32] = {};
    digest_a_->Final(computed);

    unsigned char stored[32] = {};
    if (!file_->Seek(8 + static_cast<std::int64_t>(body_length_), platform::File::Whence::Begin))
        return kCipherShort;
    const auto size_a = static_cast<std::size_t>(digest_size_a_);
    if (file_->Read(stored, size_a) != size_a) return kCipherShort;
    Encipher(stored, size_a, body_length_);

    const int result = std::memcmp(stored, computed, size_a) == 0 ? kCipherOk : kCipherBadDigest;
    file_->Close();
    file_.reset();
    ready_ = false;
    return result;
}
