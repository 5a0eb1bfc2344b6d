// The MD5 digest with its published padding and little-endian output.
#pragma once

#include <cstdint>

#include "engine/data/digest_blocks.h"
#include "engine/data/generic_hash.h"

class CQZDG_MD5 : public CQZDG_GENERIC_HASH {
public:
    static constexpr int kDigestBytes = 16;

    CQZDG_MD5();

    void Init() override;
    void Update(const unsigned char* data, unsigned length) override;
    void Final(unsigned char* out) override;
    // Final that also writes the digest as 32 lower-case hexadecimal characters and a
    // terminator into hex (33 bytes), when hex is not null.
    void Final(unsigned char* out, char* hex);

private:
    std::uint32_t state_[4] = {};
    DigestBlocks blocks_;
};
