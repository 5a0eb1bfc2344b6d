#include "engine/data/item.h"

#include <cstring>

#include "engine/common/sjis.h"
#include "engine/data/qz_file.h"

void CItem::SetName(const char* text) {
    const std::string_view view = text ? text : "";
    // A cut inside a double-byte character would leave a lone lead byte that swallows the
    // terminator when the name is drawn.
    const std::size_t length = sjis::CutPosition(view, kNameBytes - 1);
    std::memcpy(name, view.data(), length);
    name[length] = '\0';
}

bool CItem::IsSameName(const CItem& other) const { return std::strcmp(name, other.name) == 0; }

bool CItem::Save(CQZFile& file) const {
    bool ok = file.WriteInt(id);
    ok = file.WriteString(name) && ok;
    ok = file.WriteInt(kind) && ok;
    ok = file.WriteInt(reserved) && ok;
    ok = file.WriteInt(price) && ok;
    return metadata.Save(file) && ok;
}

bool CItem::Load(CQZFile& file) {
    std::string text;
    if (!file.ReadInt(&id) || !file.ReadString(text)) return false;
    SetName(text.c_str());
    return file.ReadInt(&kind) && file.ReadInt(&reserved) && file.ReadInt(&price) &&
           metadata.Load(file);
}
