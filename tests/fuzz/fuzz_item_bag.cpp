// The bag's load over an arbitrary payload. A failed load keeps the bag; a good one saves and
// loads back to the same items and counts.
#include <cstring>

#include "engine/data/item_bag.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool SameBags(CItemBag& a, CItemBag& b) {
    if (a.GetSize() != b.GetSize()) return false;
    for (int i = 0; i < a.GetSize(); ++i) {
        const CItem* x = a.GetItemAt(i);
        const CItem* y = b.GetItemAt(i);
        if (std::strcmp(x->name, y->name) != 0 || x->id != y->id || x->kind != y->kind ||
            x->price != y->price || x->metadata.pairs() != y->metadata.pairs() ||
            a.GetEntryAt(i)->count != b.GetEntryAt(i)->count)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::Path("ssi.sav");
    fuzz::WriteContainer(path, data, size);

    CItemBag bag;
    bag.SetFileKey(fuzz::Key());
    auto* kept = new CItem;
    kept->SetName("kept");
    bag.AddItem(kept, 3);
    if (!bag.Load(path.c_str())) {
        if (bag.GetSize() != 1 || bag.GetItemAt(0) != kept || bag.GetEntryAt(0)->count != 3)
            abort();
        return 0;
    }
    for (int i = 0; i < bag.GetSize(); ++i)
        if (std::strlen(bag.GetItemAt(i)->name) > 63) abort();

    const std::string again = fuzz::Path("ssi2.sav");
    if (!bag.Save(again.c_str())) abort();
    CItemBag back;
    back.SetFileKey(fuzz::Key());
    if (!back.Load(again.c_str()) || !SameBags(bag, back)) abort();
    return 0;
}
