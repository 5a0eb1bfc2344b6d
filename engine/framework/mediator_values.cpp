// The mediator's forwarding of named values and items to its embedded store and bag.
#include "engine/framework/game_mediator.h"

int CQZGameMediator::GetValue(const char* name, int fallback) {
    return values_.GetValue(name, fallback);
}

void CQZGameMediator::SetValue(const char* name, int value, bool guarded) {
    values_.SetValue(name, value, guarded);
}

bool CQZGameMediator::AddValue(const char* name, int delta) {
    return values_.AddValue(name, delta);
}

bool CQZGameMediator::SaveValues(const char* plain_path, const char* guarded_path) {
    if (plain_path && !values_.SavePlain(plain_path)) return false;
    if (guarded_path) return values_.SaveGuarded(guarded_path);
    return true;
}

// Both files are checked before either is taken, so a damaged slot leaves every value as it was.
bool CQZGameMediator::LoadValues(const char* plain_path, const char* guarded_path) {
    if (plain_path && guarded_path) return values_.LoadBoth(plain_path, guarded_path);
    if (plain_path) return values_.LoadPlain(plain_path);
    if (guarded_path) return values_.LoadGuarded(guarded_path);
    return true;
}

void CQZGameMediator::SetFileKey(const unsigned char* key) {
    values_.SetFileKey(key);
    items_.SetFileKey(key);
}

bool CQZGameMediator::SaveItems(const char* path) { return items_.Save(path); }

bool CQZGameMediator::LoadItems(const char* path) { return items_.Load(path); }
