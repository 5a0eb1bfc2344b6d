#include "engine/data/item_bag.h"

#include <cstring>
#include <memory>
#include <utility>

#include "engine/data/qz_file.h"

namespace {

// The smallest entry record: count, id, an empty name (two length words), kind, the reserved
// int, price and an empty metadata record (two count words).
constexpr int kMinEntryBytes = 36;

}  // namespace

CItemBag::CItemBag() = default;

CItemBag::~CItemBag() { Clear(); }

int CItemBag::IndexOfName(const char* name) const {
    if (!name) return -1;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (std::strcmp(entries_[i].item->name, name) == 0) return static_cast<int>(i);
    return -1;
}

CItem* CItemBag::AddItem(CItem* item, int n) {
    if (!item) return nullptr;
    const int index = IndexOfName(item->name);
    if (index >= 0) {
        CItemBagEntry& entry = entries_[static_cast<std::size_t>(index)];
        entry.count =
            static_cast<int>(static_cast<unsigned>(entry.count) + static_cast<unsigned>(n));
        return entry.item;
    }
    entries_.push_back({item, n});
    return item;
}

bool CItemBag::RemoveItem(CItem* item, int n) {
    if (!item) return false;
    const int index = IndexOfName(item->name);
    if (index < 0) return false;
    CItemBagEntry& entry = entries_[static_cast<std::size_t>(index)];
    if (n > entry.count) return false;
    entry.count -= n;
    if (entry.count == 0) {
        delete entry.item;
        entries_.erase(entries_.begin() + index);
    }
    return true;
}

int CItemBag::GetItemCount(CItem* item) const {
    if (!item) return 0;
    const int index = IndexOfName(item->name);
    return index < 0 ? 0 : entries_[static_cast<std::size_t>(index)].count;
}

CItemBagEntry* CItemBag::GetEntryAt(int i) {
    if (i < 0 || i >= GetSize()) return nullptr;
    return &entries_[static_cast<std::size_t>(i)];
}

CItem* CItemBag::GetItemAt(int i) {
    CItemBagEntry* entry = GetEntryAt(i);
    return entry ? entry->item : nullptr;
}

int CItemBag::FindItemIndex(const char* name) const { return IndexOfName(name); }

void CItemBag::Clear() {
    for (CItemBagEntry& entry : entries_) delete entry.item;
    entries_.clear();
}

void CItemBag::Swap(CItemBag& other) {
    entries_.swap(other.entries_);
    std::swap(key_, other.key_);
}

bool CItemBag::Save(const char* path) {
    if (!key_) return false;
    CQZFile file;
    if (!file.Open(path, CQZFile::kWrite, key_)) return false;
    const int n = GetSize();
    bool ok = file.WriteInt(n) && file.WriteInt(n);
    for (const CItemBagEntry& entry : entries_) {
        ok = file.WriteInt(entry.count) && ok;
        ok = entry.item->Save(file) && ok;
    }
    file.Close();
    return ok && file.Result() == kCipherOk;
}

bool CItemBag::Load(const char* path) {
    if (!key_) return false;
    CQZFile file;
    file.SetLengthLimit(kMaxFileBytes);
    if (!file.Open(path, CQZFile::kRead, key_)) return false;
    int first = 0, second = 0;
    if (!file.ReadInt(&first) || !file.ReadInt(&second) || first != second) return false;
    // Each entry takes at least kMinEntryBytes, so a count the payload cannot hold fails here
    // instead of looping over a corrupt number.
    if (first < 0 || first > file.Remaining() / kMinEntryBytes) return false;

    CItemBag loaded;
    for (int i = 0; i < first; ++i) {
        int count = 0;
        auto item = std::make_unique<CItem>();
        if (!file.ReadInt(&count) || !item->Load(file)) return false;
        if (loaded.AddItem(item.get(), count) == item.get()) item.release();
    }
    // The container's salt count is outside its digests: a changed one shifts the payload, which
    // then no longer ends where the records do.
    if (file.Remaining() != 0) return false;
    file.Close();
    if (file.Result() != kCipherOk) return false;
    entries_.swap(loaded.entries_);
    return true;
}
