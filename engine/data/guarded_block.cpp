#include "engine/data/guarded_block.h"

#include <random>

namespace {

std::uint32_t ProcessMask() {
    static const std::uint32_t mask = [] {
        std::random_device entropy;
        return static_cast<std::uint32_t>(entropy());
    }();
    return mask;
}

}  // namespace

CQZGuardedBlock::CQZGuardedBlock() : mask_(ProcessMask()) { words_.reserve(16); }

void CQZGuardedBlock::Store(std::uint32_t slot, int value) {
    if (slot % 4 != 0) return;
    const std::size_t index = slot / 4;
    if (index >= words_.size()) words_.resize(index + 1, mask_);
    words_[index] = static_cast<std::uint32_t>(value) ^ mask_;
}

int CQZGuardedBlock::Load(std::uint32_t slot) const {
    if (!Contains(slot)) return 0;
    return static_cast<int>(words_[slot / 4] ^ mask_);
}

void CQZGuardedBlock::Export(std::vector<unsigned char>& out) const {
    out.clear();
    out.reserve(words_.size() * 4);
    for (const std::uint32_t word : words_) {
        const std::uint32_t v = word ^ mask_;
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
}

bool CQZGuardedBlock::Import(const unsigned char* bytes, std::size_t size) {
    if (size % 4 != 0) return false;
    std::vector<std::uint32_t> words(size / 4);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const unsigned char* p = bytes + 4 * i;
        const std::uint32_t v =
            static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
            static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        words[i] = v ^ mask_;
    }
    words_.swap(words);
    return true;
}
