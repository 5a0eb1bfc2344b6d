#include "engine/data/shared_data.h"

#include <cstring>

CQZSharedData::CQZSharedData() = default;
CQZSharedData::~CQZSharedData() = default;

int CQZSharedData::GetValue(const char* name, int fallback) const {
    for (const Entry& e : entries_)
        if (e.name == name) return e.value;
    return fallback;
}

void CQZSharedData::SetValue(const char* name, int value, bool guarded) {
    for (Entry& e : entries_)
        if (e.name == name) {
            e.value = value;
            return;
        }
    entries_.push_back({name, guarded, value});
}

bool CQZSharedData::AddValue(const char* name, int delta) {
    for (Entry& e : entries_)
        if (e.name == name) {
            e.value = static_cast<int>(static_cast<unsigned>(e.value) + static_cast<unsigned>(delta));
            return true;
        }
    return false;
}

bool CQZSharedData::SavePlain(const char*) { return false; }
bool CQZSharedData::SaveGuarded(const char*) { return false; }
bool CQZSharedData::LoadPlain(const char*) { return false; }
bool CQZSharedData::LoadGuarded(const char*) { return false; }
