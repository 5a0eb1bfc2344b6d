// Key and value strings that every item carries, in insertion order.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CQZFile;

class CMetaData {
public:
    CMetaData() = default;
    virtual ~CMetaData() = default;

    // Replaces the value of an equal key, else appends the pair.
    void SetValue(const char* key, const char* value);
    // The value of key, or null.
    const char* GetValue(const char* key) const;
    int GetSize() const { return static_cast<int>(pairs_.size()); }
    const std::vector<std::pair<std::string, std::string>>& pairs() const { return pairs_; }

    bool Save(CQZFile& file) const;
    // Adds the file's pairs to the existing ones; false on unequal counts or a short read.
    bool Load(CQZFile& file);

private:
    std::vector<std::pair<std::string, std::string>> pairs_;
};
