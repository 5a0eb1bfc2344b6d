// The store's two files. A load reads and checks the whole container first, so the store
// changes only after the digest has matched and every record has parsed.
#include <cstring>

#include "engine/data/cipher_stream.h"
#include "engine/data/shared_data.h"

namespace {

using Entry = CQZSharedData::Entry;
using Bytes = std::vector<unsigned char>;

void PutU32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

void PutNames(Bytes& out, const std::vector<Entry>& entries, bool guarded) {
    for (const Entry& e : entries) {
        if (e.guarded != guarded) continue;
        out.insert(out.end(), e.name.begin(), e.name.end());
        out.push_back(',');
        PutU32(out, e.slot);
    }
    out.push_back('\n');
}

bool WriteContainer(const char* path, const unsigned char* key, const Bytes& payload) {
    if (!key || !path) return false;
    CQZCipherWriter writer(path, key, kDigestTiger);
    if (writer.Open() != kCipherOk) return false;
    if (writer.Write(payload.data(), static_cast<unsigned>(payload.size())) != kCipherOk)
        return false;
    return writer.Close() == kCipherOk;
}

bool ReadContainer(const char* path, const unsigned char* key, Bytes& payload) {
    if (!key || !path) return false;
    CQZCipherReader reader(path, key, kDigestTiger);
    reader.SetLengthLimit(CQZSharedData::kMaxFileBytes);
    if (reader.Open() != kCipherOk) return false;
    int count = reader.PayloadRemaining();
    payload.assign(static_cast<std::size_t>(count), 0);
    const int wanted = count;
    reader.Read(payload.data(), &count);
    if (count != wanted) return false;
    return reader.Close() == kCipherOk;
}

class Parser {
public:
    explicit Parser(const Bytes& bytes) : bytes_(bytes) {}

    // name ',' slot records up to '\n'. The k-th record's slot must be 4 * k, and names are
    // unique, at most 255 bytes and free of zero bytes.
    bool Names(bool guarded, std::vector<Entry>& out) {
        std::string name;
        while (pos_ < bytes_.size()) {
            const unsigned char c = bytes_[pos_++];
            if (c == '\n') return true;
            if (c != ',') {
                // A zero byte could never be asked for through a C string name.
                if (c == 0 || name.size() == CQZSharedData::kMaxNameBytes) return false;
                name.push_back(static_cast<char>(c));
                continue;
            }
            std::uint32_t slot;
            if (!U32(slot) || slot != 4 * out.size()) return false;
            for (const Entry& e : out)
                if (e.name == name) return false;
            out.push_back({std::move(name), guarded, slot});
            name.clear();
        }
        return false;
    }

    bool U32(std::uint32_t& out) {
        if (bytes_.size() - pos_ < 4) return false;
        const unsigned char* p = bytes_.data() + pos_;
        out = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
              static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        pos_ += 4;
        return true;
    }

    bool Block(std::size_t size, Bytes& out) {
        if (bytes_.size() - pos_ < size) return false;
        out.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                   bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + size));
        pos_ += size;
        return true;
    }

    // The salt count at the end of a container is not covered by its digests, so a changed one
    // shifts the payload unnoticed; a payload that does not end where its records do is refused.
    bool AtEnd() const { return pos_ == bytes_.size(); }

private:
    const Bytes& bytes_;
    std::size_t pos_ = 0;
};

struct Parsed {
    std::vector<Entry> entries;
    Bytes block;
};

bool ParsePlain(const char* path, const unsigned char* key, Parsed& out) {
    Bytes payload;
    if (!ReadContainer(path, key, payload)) return false;
    Parser parser(payload);
    return parser.Names(false, out.entries) && parser.Block(4 * out.entries.size(), out.block) &&
           parser.AtEnd();
}

bool ParseGuarded(const char* path, const unsigned char* key, Parsed& out) {
    Bytes payload;
    if (!ReadContainer(path, key, payload)) return false;
    Parser parser(payload);
    std::uint32_t size;
    if (!parser.Names(true, out.entries) || !parser.U32(size)) return false;
    if (size % 4 != 0 || size / 4 < out.entries.size()) return false;
    return parser.Block(size, out.block) && parser.AtEnd();
}

}  // namespace

bool CQZSharedData::SavePlain(const char* path) {
    Bytes payload;
    PutNames(payload, entries_, false);
    payload.insert(payload.end(), values_.begin(), values_.end());
    return WriteContainer(path, key_, payload);
}

bool CQZSharedData::SaveGuarded(const char* path) {
    Bytes payload;
    PutNames(payload, entries_, true);
    Bytes block;
    guarded_.Export(block);
    PutU32(payload, static_cast<std::uint32_t>(block.size()));
    payload.insert(payload.end(), block.begin(), block.end());
    return WriteContainer(path, key_, payload);
}

bool CQZSharedData::LoadPlain(const char* path) {
    Parsed plain;
    if (!ParsePlain(path, key_, plain)) return false;
    CommitPlain(std::move(plain.entries), std::move(plain.block));
    return true;
}

bool CQZSharedData::LoadGuarded(const char* path) {
    Parsed guarded;
    if (!ParseGuarded(path, key_, guarded)) return false;
    return CommitGuarded(std::move(guarded.entries), guarded.block);
}

bool CQZSharedData::LoadBoth(const char* plain_path, const char* guarded_path) {
    Parsed plain, guarded;
    if (!ParsePlain(plain_path, key_, plain) || !ParseGuarded(guarded_path, key_, guarded))
        return false;
    for (const Entry& g : guarded.entries)
        for (const Entry& p : plain.entries)
            if (g.name == p.name) return false;
    CQZGuardedBlock check;
    if (!check.Import(guarded.block.data(), guarded.block.size())) return false;
    CommitPlain(std::move(plain.entries), std::move(plain.block));
    return CommitGuarded(std::move(guarded.entries), guarded.block);
}
