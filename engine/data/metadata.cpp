#include "engine/data/metadata.h"

#include "engine/data/qz_file.h"

namespace {

// The smallest pair record: two empty strings of two length words each.
constexpr int kMinPairBytes = 16;

}  // namespace

void CMetaData::SetValue(const char* key, const char* value) {
    if (!key) return;
    const char* v = value ? value : "";
    for (auto& pair : pairs_)
        if (pair.first == key) {
            pair.second = v;
            return;
        }
    pairs_.emplace_back(key, v);
}

const char* CMetaData::GetValue(const char* key) const {
    if (!key) return nullptr;
    for (const auto& pair : pairs_)
        if (pair.first == key) return pair.second.c_str();
    return nullptr;
}

bool CMetaData::Save(CQZFile& file) const {
    const int n = static_cast<int>(pairs_.size());
    bool ok = file.WriteInt(n) && file.WriteInt(n);
    for (const auto& pair : pairs_)
        ok = file.WriteString(pair.first.c_str()) && file.WriteString(pair.second.c_str()) && ok;
    return ok;
}

bool CMetaData::Load(CQZFile& file) {
    int first = 0, second = 0;
    if (!file.ReadInt(&first) || !file.ReadInt(&second) || first != second) return false;
    if (first < 0 || first > file.Remaining() / kMinPairBytes) return false;
    for (int i = 0; i < first; ++i) {
        std::string key, value;
        if (!file.ReadString(key) || !file.ReadString(value)) return false;
        SetValue(key.c_str(), value.c_str());
    }
    return true;
}
