#include "engine/data/shared_data.h"

CQZSharedData::CQZSharedData() = default;
CQZSharedData::~CQZSharedData() = default;

int CQZSharedData::GetValue(const char*, int fallback) const {
    return fallback;
}
void CQZSharedData::SetValue(const char*, int, bool) {}
bool CQZSharedData::AddValue(const char*, int) {
    return false;
}
const CQZSharedData::Entry* CQZSharedData::FindEntry(const char*) const {
    return nullptr;
}
bool CQZSharedData::SavePlain(const char*) {
    return false;
}
bool CQZSharedData::SaveGuarded(const char*) {
    return false;
}
bool CQZSharedData::LoadPlain(const char*) {
    return false;
}
bool CQZSharedData::LoadGuarded(const char*) {
    return false;
}
bool CQZSharedData::LoadBoth(const char*, const char*) {
    return false;
}
