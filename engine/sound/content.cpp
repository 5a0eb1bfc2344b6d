#include "engine/sound/content.h"

#include "engine/framework/devices.h"
#include "engine/framework/engine_runtime.h"
#include "engine/sound/direct_show.h"

IQZContent::IQZContent() {
    if (!EngineRuntime::Current()) return;
    registry_ = GetDirectShow();
    registry_->AddContent(this);
}

IQZContent::~IQZContent() {
    if (registry_) registry_->RemoveContent(this);
}
