// The store's guarded values: 4-byte slots held XOR a mask drawn once per process, so that a
// memory scanner does not find the plain number. Exported and imported as little-endian int32s.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CQZGuardedBlock {
public:
    CQZGuardedBlock();

    // slot is a byte offset, a multiple of 4; the block grows to hold it.
    void Store(std::uint32_t slot, int value);
    // 0 for a slot outside the block.
    int Load(std::uint32_t slot) const;
    bool Contains(std::uint32_t slot) const { return slot % 4 == 0 && slot / 4 < words_.size(); }

    std::uint32_t ExportSize() const { return static_cast<std::uint32_t>(words_.size() * 4); }
    void Export(std::vector<unsigned char>& out) const;
    // size must be a multiple of 4.
    bool Import(const unsigned char* bytes, std::size_t size);
    void Clear() { words_.clear(); }

private:
    std::uint32_t mask_;
    std::vector<std::uint32_t> words_;
};
