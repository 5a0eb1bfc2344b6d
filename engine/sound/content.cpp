#include "engine/sound/content.h"

#include "engine/sound/direct_show.h"
#include "engine/sound/sound_devices.h"

IQZContent::IQZContent() {
    registry_ = CurrentSoundDevices().show;
    if (registry_) registry_->AddContent(this);
}

IQZContent::~IQZContent() {
    if (registry_) registry_->RemoveContent(this);
}
