// The inventory: an ordered list of items with counts, told apart by name, saved and loaded
// through the engine's record file ("ssi").
//
// File records: int n, int n, then per entry: int count, item record
//   item record:     int id, string name, int kind, int reserved, int price, metadata record
//   metadata record: int m, int m, then per pair: string key, string value
#pragma once

#include <cstdint>
#include <vector>

#include "engine/data/item.h"

struct CItemBagEntry {
    CItem* item = nullptr;  // owned by the bag
    int count = 0;
};

class CItemBag {
public:
    // The most a bag's file may hold: far more than one entry per item the game has, each with
    // its metadata.
    static constexpr std::uint32_t kMaxFileBytes = 4u << 20;

    CItemBag();
    virtual ~CItemBag();
    CItemBag(const CItemBag&) = delete;
    CItemBag& operator=(const CItemBag&) = delete;

    // Takes ownership of item unless an item of that name is held: then adds n to that entry
    // and returns the held item, and the caller still owns (and deletes) its own.
    CItem* AddItem(CItem* item, int n);
    // False when no item of that name is held or n exceeds its count; an entry whose count
    // reaches 0 is deleted.
    bool RemoveItem(CItem* item, int n);
    int GetItemCount(CItem* item) const;
    // Null past the end; pointers stay valid until the bag changes.
    CItemBagEntry* GetEntryAt(int i);
    CItem* GetItemAt(int i);
    int FindItemIndex(const char* name) const;
    int GetSize() const { return static_cast<int>(entries_.size()); }
    void Clear();
    void Swap(CItemBag& other);

    bool Save(const char* path);
    // Reads into a fresh bag and takes it only when the whole file is good: a missing file,
    // unequal counts, a short read or a failed digest return false with the bag unchanged.
    bool Load(const char* path);
    void SetFileKey(const unsigned char* key) { key_ = key; }

private:
    int IndexOfName(const char* name) const;

    std::vector<CItemBagEntry> entries_;
    const unsigned char* key_ = nullptr;
};
