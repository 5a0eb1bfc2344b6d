#include "script/field_resources.h"

#include "engine/framework/devices.h"

FieldResources::FieldResources()
    : model_graphics(GetDirectGraphics()), tile_graphics(GetDirectGraphics()) {}

FieldResources::~FieldResources() {
    placed_models.clear();
    loaded_textures.clear();
    models_by_name.clear();
}
