// One inventory item. Items are told apart by their names.
#pragma once

#include "engine/data/metadata.h"

class CQZFile;

class CItem {
public:
    static constexpr int kNameBytes = 64;  // 63 characters and the terminator

    CItem() = default;
    virtual ~CItem() = default;

    // Keeps at most 63 bytes, cut on a character boundary.
    void SetName(const char* name);
    const char* GetName() const { return name; }
    bool IsSameName(const CItem& other) const;

    bool Save(CQZFile& file) const;
    // False when a record is missing or malformed.
    bool Load(CQZFile& file);

    int id = 0;  // the game stores the row of its item table
    int kind = 0;
    int reserved = 0;  // the game leaves it 0
    int price = 0;
    char name[kNameBytes] = {};
    CMetaData metadata;
    unsigned char flag = 1;  // not saved
};
