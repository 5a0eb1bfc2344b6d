#include "engine/data/item_bag.h"

CItemBag::CItemBag() = default;
CItemBag::~CItemBag() = default;

bool CItemBag::Save(const char*) {
    return false;
}
bool CItemBag::Load(const char*) {
    return false;
}
