// The three-pass Tiger digest with the padding byte 0x01. The 24 output bytes are the three
// chaining words in order, each most significant byte first.
#pragma once

#include <cstdint>

#include "engine/data/digest_blocks.h"
#include "engine/data/generic_hash.h"

class CQZDG_TIGER : public CQZDG_GENERIC_HASH {
public:
    static constexpr int kDigestBytes = 24;

    CQZDG_TIGER();

    void Init() override;
    void Update(const unsigned char* data, unsigned length) override;
    void Final(unsigned char* out) override;

private:
    std::uint64_t state_[3] = {};
    DigestBlocks blocks_;
};
