// The game's named 32-bit integers, plain or guarded, saved to two enciphered files.
#pragma once

#include <string>
#include <vector>

class CQZSharedData {
public:
    CQZSharedData();
    virtual ~CQZSharedData();

    int GetValue(const char* name, int fallback) const;
    void SetValue(const char* name, int value, bool guarded);
    bool AddValue(const char* name, int delta);
    bool SavePlain(const char* path);
    bool SaveGuarded(const char* path);
    bool LoadPlain(const char* path);
    bool LoadGuarded(const char* path);
    void SetFileKey(const unsigned char* key) { key_ = key; }

private:
    struct Entry {
        std::string name;
        bool guarded;
        int value;
    };
    std::vector<Entry> entries_;
    const unsigned char* key_ = nullptr;
};
