// The store's loads over arbitrary payloads: the first two bytes give the length of the plain
// payload, the rest is the guarded one. A good load must save and load back to the same values.
#include "engine/data/shared_data.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool SameValues(const CQZSharedData& a, const CQZSharedData& b) {
    if (a.entries().size() != b.entries().size()) return false;
    for (const auto& e : a.entries()) {
        const auto* other = b.FindEntry(e.name.c_str());
        if (!other || other->guarded != e.guarded) return false;
        if (a.GetValue(e.name.c_str(), 0) != b.GetValue(e.name.c_str(), 1)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t plain_size = std::min<std::size_t>(data[0] | data[1] << 8, size - 2);
    const std::string plain = fuzz::Path("ssn.sav"), guarded = fuzz::Path("sse.sav");
    fuzz::WriteContainer(plain, data + 2, plain_size);
    fuzz::WriteContainer(guarded, data + 2 + plain_size, size - 2 - plain_size);

    CQZSharedData store;
    store.SetFileKey(fuzz::Key());
    store.SetValue("money", 5, true);
    store.SetValue("year", 2, false);
    const bool both = store.LoadBoth(plain.c_str(), guarded.c_str());
    if (!both && (store.GetValue("money", 0) != 5 || store.GetValue("year", 0) != 2 ||
                  store.entries().size() != 2))
        abort();
    store.LoadPlain(plain.c_str());
    store.LoadGuarded(guarded.c_str());
    for (const auto& e : store.entries()) store.AddValue(e.name.c_str(), 0x7FFFFFFF);

    const std::string plain2 = fuzz::Path("ssn2.sav"), guarded2 = fuzz::Path("sse2.sav");
    if (!store.SavePlain(plain2.c_str()) || !store.SaveGuarded(guarded2.c_str())) abort();
    CQZSharedData back;
    back.SetFileKey(fuzz::Key());
    if (!back.LoadBoth(plain2.c_str(), guarded2.c_str()) || !SameValues(store, back)) abort();
    return 0;
}
