// The game's named 32-bit integers. Plain values sit in a block of 4-byte slots and are saved
// to one enciphered file ("ssn"); guarded values sit apart and are saved to a second ("sse").
//
// Plain file payload:   { name ',' slot:u32 }* '\n' value-block
// Guarded file payload: { name ',' slot:u32 }* '\n' size:u32 guarded-block
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/data/guarded_block.h"

class CQZSharedData {
public:
    static constexpr std::size_t kMaxNameBytes = 255;
    // The most either file may hold: thousands of the longest names, where the game keeps about a
    // hundred short ones.
    static constexpr std::uint32_t kMaxFileBytes = 1u << 20;

    struct Entry {
        std::string name;
        bool guarded = false;
        std::uint32_t slot = 0;  // byte offset in the value block or the guarded block
    };

    CQZSharedData();
    virtual ~CQZSharedData();

    int GetValue(const char* name, int fallback) const;
    // An existing entry keeps its kind whatever guarded says. Names longer than 255 bytes or
    // holding ',' or '\n' are refused (they could not be read back).
    void SetValue(const char* name, int value, bool guarded);
    // Adds with 32-bit wrap-around to an existing entry; an unknown name is not created. The
    // result is false in every case, as the callers expect.
    bool AddValue(const char* name, int delta);
    const Entry* FindEntry(const char* name) const;
    const std::vector<Entry>& entries() const { return entries_; }

    bool SavePlain(const char* path);
    bool SaveGuarded(const char* path);
    // Each load parses its whole file first and changes the store only when the file is good:
    // LoadPlain replaces every entry with the file's plain ones, LoadGuarded adds the guarded
    // ones. A failed load leaves the store as it was.
    bool LoadPlain(const char* path);
    bool LoadGuarded(const char* path);
    // Both files parsed first, committed together only when both are good.
    bool LoadBoth(const char* plain_path, const char* guarded_path);

    void SetFileKey(const unsigned char* key) { key_ = key; }
    // Exchanges every entry and value (and the key) with another store, so a store loaded on
    // its own can take the place of the one in use.
    void Swap(CQZSharedData& other);

private:
    Entry* Find(const char* name);
    // Replace the plain entries and values, or the guarded ones, with those of a parsed file.
    void CommitPlain(std::vector<Entry> entries, std::vector<unsigned char> values);
    bool CommitGuarded(std::vector<Entry> entries, const std::vector<unsigned char>& block);

    std::vector<Entry> entries_;
    std::vector<unsigned char> values_;  // plain values, little-endian, used size = size()
    CQZGuardedBlock guarded_;
    std::uint32_t guarded_next_ = 0;
    const unsigned char* key_ = nullptr;
};
