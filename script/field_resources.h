// The field module's objects for the program's life: the field map, the model files and the
// textures that would hold their skins. Nothing loads or draws them yet.
#pragma once

#include <list>
#include <map>
#include <string>

#include "engine/graphics/texture.h"
#include "script/rpg_field_map.h"

class CDirectGraphics;

struct FieldResources {
    static constexpr int kModelCount = 7;

    FieldResources();
    ~FieldResources();
    FieldResources(const FieldResources&) = delete;
    FieldResources& operator=(const FieldResources&) = delete;

    CRPGFieldMap field_map;
    DXFile models[kModelCount];
    DTexture model_textures[kModelCount];
    DTexture tile_textures[3];
    std::list<DXFile*> placed_models;
    std::list<DTexture*> loaded_textures;
    std::map<std::string, DXFile*> models_by_name;
    CDirectGraphics* model_graphics = nullptr;
    CDirectGraphics* tile_graphics = nullptr;
};
