#include "engine/data/shared_data.h"

#include <cstring>
#include <utility>

namespace {

int LoadInt(const std::vector<unsigned char>& block, std::uint32_t slot) {
    const unsigned char* p = block.data() + slot;
    return static_cast<int>(
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

void StoreInt(std::vector<unsigned char>& block, std::uint32_t slot, int value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) block[slot + i] = static_cast<unsigned char>(v >> (8 * i));
}

bool InBlock(const std::vector<unsigned char>& block, std::uint32_t slot) {
    return static_cast<std::uint64_t>(slot) + 4 <= block.size();
}

// A name the files can carry: the records are separated by ',' and end at '\n'.
bool IsStorableName(const char* name) {
    const std::size_t length = std::strlen(name);
    return length <= CQZSharedData::kMaxNameBytes && !std::memchr(name, ',', length) &&
           !std::memchr(name, '\n', length);
}

}  // namespace

CQZSharedData::CQZSharedData() { values_.reserve(64); }

CQZSharedData::~CQZSharedData() = default;

void CQZSharedData::Swap(CQZSharedData& other) {
    entries_.swap(other.entries_);
    values_.swap(other.values_);
    std::swap(guarded_, other.guarded_);
    std::swap(guarded_next_, other.guarded_next_);
    std::swap(key_, other.key_);
}

CQZSharedData::Entry* CQZSharedData::Find(const char* name) {
    for (Entry& e : entries_)
        if (e.name == name) return &e;
    return nullptr;
}

const CQZSharedData::Entry* CQZSharedData::FindEntry(const char* name) const {
    if (!name) return nullptr;
    for (const Entry& e : entries_)
        if (e.name == name) return &e;
    return nullptr;
}

int CQZSharedData::GetValue(const char* name, int fallback) const {
    const Entry* e = FindEntry(name);
    if (!e) return fallback;
    if (e->guarded) return guarded_.Load(e->slot);
    return InBlock(values_, e->slot) ? LoadInt(values_, e->slot) : fallback;
}

void CQZSharedData::SetValue(const char* name, int value, bool guarded) {
    if (!name) return;
    if (Entry* e = Find(name)) {
        if (e->guarded)
            guarded_.Store(e->slot, value);
        else if (InBlock(values_, e->slot))
            StoreInt(values_, e->slot, value);
        return;
    }
    if (!IsStorableName(name)) return;
    Entry entry{name, guarded, 0};
    if (guarded) {
        entry.slot = guarded_next_;
        guarded_next_ += 4;
        guarded_.Store(entry.slot, value);
    } else {
        const std::size_t used = (values_.size() + 3) / 4 * 4;
        entry.slot = static_cast<std::uint32_t>(used);
        values_.resize(used + 4);
        StoreInt(values_, entry.slot, value);
    }
    entries_.push_back(std::move(entry));
}

bool CQZSharedData::AddValue(const char* name, int delta) {
    const Entry* e = FindEntry(name);
    if (e) {
        const auto sum =
            static_cast<std::uint32_t>(GetValue(name, 0)) + static_cast<std::uint32_t>(delta);
        SetValue(name, static_cast<int>(sum), e->guarded);
    }
    return false;
}

void CQZSharedData::CommitPlain(std::vector<Entry> entries, std::vector<unsigned char> values) {
    entries_ = std::move(entries);
    values_ = std::move(values);
    guarded_.Clear();
    guarded_next_ = 0;
}

bool CQZSharedData::CommitGuarded(std::vector<Entry> entries,
                                  const std::vector<unsigned char>& block) {
    std::vector<Entry> merged;
    for (const Entry& e : entries_)
        if (!e.guarded) merged.push_back(e);
    for (const Entry& e : entries) {
        for (const Entry& held : merged)
            if (held.name == e.name) return false;
        merged.push_back(e);
    }
    CQZGuardedBlock imported;
    if (!imported.Import(block.data(), block.size())) return false;
    guarded_ = imported;
    guarded_next_ = static_cast<std::uint32_t>(4 * entries.size());
    entries_ = std::move(merged);
    return true;
}
