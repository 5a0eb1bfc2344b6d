// A set of pointers walked in the order of a key the owner gives (creation order), never in
// address order, so that the machine's passes run the same way every time.
#pragma once

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

template <class T>
class CreationOrderedSet {
public:
    // False when the pointer is already held (its key stays).
    bool Insert(T* item, std::uint64_t key) {
        if (!item || keys_.count(item)) return false;
        keys_[item] = key;
        items_[key] = item;
        return true;
    }

    bool Erase(T* item) {
        const auto found = keys_.find(item);
        if (found == keys_.end()) return false;
        items_.erase(found->second);
        keys_.erase(found);
        return true;
    }

    bool Contains(T* item) const { return keys_.count(item) != 0; }

    // 0 when the pointer is not held.
    std::uint64_t KeyOf(T* item) const {
        const auto found = keys_.find(item);
        return found == keys_.end() ? 0 : found->second;
    }

    // A copy, so that the walk survives changes made by the items it visits.
    std::vector<T*> Snapshot() const {
        std::vector<T*> copy;
        copy.reserve(items_.size());
        for (const auto& entry : items_) copy.push_back(entry.second);
        return copy;
    }

    bool IsEmpty() const { return items_.empty(); }
    std::size_t Size() const { return items_.size(); }
    void Clear() {
        items_.clear();
        keys_.clear();
    }

private:
    std::map<std::uint64_t, T*> items_;
    std::unordered_map<T*, std::uint64_t> keys_;
};
