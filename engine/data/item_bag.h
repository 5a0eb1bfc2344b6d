// The inventory: items with counts, saved and loaded through the engine's record file.
#pragma once

class CItemBag {
public:
    CItemBag();
    virtual ~CItemBag();

    bool Save(const char* path);
    bool Load(const char* path);
    void SetFileKey(const unsigned char* key) { key_ = key; }

private:
    const unsigned char* key_ = nullptr;
};
