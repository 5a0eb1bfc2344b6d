#include "script/rpg_field_map.h"

#include "engine/framework/devices.h"

namespace {
CDirectGraphics* g_field_graphics = nullptr;
}  // namespace

CRPGFieldMap::CRPGFieldMap() { g_field_graphics = GetDirectGraphics(); }

// Forgotten with the map, so that nothing keeps a device that may be gone.
CRPGFieldMap::~CRPGFieldMap() { g_field_graphics = nullptr; }

CDirectGraphics* CRPGFieldMap::Graphics() { return g_field_graphics; }
