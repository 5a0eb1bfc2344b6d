// The 64-byte block framing that MD5 and Tiger share: input is collected into blocks for the
// compression function, and the tail is padded with the digest's marker byte, zeros and the
// message length in bits (little-endian) in the block's last eight bytes.
#pragma once

#include <cstdint>
#include <cstring>

class DigestBlocks {
public:
    static constexpr unsigned kBlockBytes = 64;

    void Reset() {
        fill_ = 0;
        bytes_ = 0;
    }

    // compress(const unsigned char block[64]) runs once per full block.
    template <typename Compress>
    void Add(const unsigned char* data, unsigned length, Compress&& compress) {
        bytes_ += length;
        while (length > 0) {
            const unsigned take = (kBlockBytes - fill_ < length) ? kBlockBytes - fill_ : length;
            std::memcpy(block_ + fill_, data, take);
            fill_ += take;
            data += take;
            length -= take;
            if (fill_ == kBlockBytes) {
                compress(block_);
                fill_ = 0;
            }
        }
    }

    template <typename Compress>
    void Finish(unsigned char marker, Compress&& compress) {
        const std::uint64_t bits = bytes_ * 8;
        block_[fill_++] = marker;
        if (fill_ > kBlockBytes - 8) {
            std::memset(block_ + fill_, 0, kBlockBytes - fill_);
            compress(block_);
            fill_ = 0;
        }
        std::memset(block_ + fill_, 0, kBlockBytes - 8 - fill_);
        for (int i = 0; i < 8; ++i)
            block_[kBlockBytes - 8 + i] = static_cast<unsigned char>(bits >> (8 * i));
        compress(block_);
        Reset();
    }

private:
    unsigned char block_[kBlockBytes] = {};
    unsigned fill_ = 0;
    std::uint64_t bytes_ = 0;
};
