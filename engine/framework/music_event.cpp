#include "engine/framework/music_event.h"

#include "engine/framework/devices.h"
#include "engine/sound/direct_show.h"
#include "engine/sound/qz_sound.h"

namespace {
// A fade ends once the volume is this close to silence, so rounding never adds a frame.
constexpr double kSilent = 1e-9;
}  // namespace

CMusicEvent::CMusicEvent() { stop_at_switch_ = 0; }

CMusicEvent::~CMusicEvent() {
    // Whoever waits on a pending change may be going away too; its handle is not touched.
    change_handle_ = nullptr;
    Close();
}

bool CMusicEvent::Open(const char* path) {
    Close();
    sound_ = std::make_unique<CQZSound>();
    return sound_->Load(path);
}

void CMusicEvent::SettlePendingChange(const WaitHandle* keep) {
    fading_ = 0;
    WaitHandle* pending = change_handle_;
    change_handle_ = nullptr;
    if (pending && pending != keep) pending->Signal();
}

bool CMusicEvent::Close() {
    // A change that can no longer happen is over for whoever waits on it.
    SettlePendingChange(nullptr);
    if (sound_) {
        sound_->Stop();
        sound_.reset();
    }
    return true;
}

void CMusicEvent::SetLoop(bool loop) {
    if (sound_) sound_->SetLoop(loop);
}

void CMusicEvent::ChangeMusic(WaitHandle* handle, int frames, const char* path) {
    if (handle) handle->Begin();
    // Without a piece to fade (never started, finished, or closed by its owner) the new one
    // starts at once.
    if (!IsActive() || !sound_) {
        SettlePendingChange(handle);
        Open(path);
        // Background music always loops, the first piece of a session too.
        SetLoop(true);
        Start(nullptr);
        if (handle) handle->Signal();
        return;
    }
    // A change that a newer one replaces is over for whoever waits on it.
    SettlePendingChange(handle);
    change_handle_ = handle;
    next_path_ = path ? path : "";
    fading_ = 1;
    if (frames <= 0) {
        ChangeNow();
        return;
    }
    step_ = sound_->GetVolume() / frames;
}

bool CMusicEvent::Start(WaitHandle* handle) {
    if (!sound_) return false;
    sound_->Play();
    return CGameEvent::Start(handle ? handle : &own_handle_);
}

void CMusicEvent::Stop() {
    SettlePendingChange(nullptr);
    if (sound_) sound_->Stop();
    // Also without a piece: an event that can no longer be stopped would run for ever.
    CGameEvent::Stop();
}

void CMusicEvent::ChangeNow() {
    WaitHandle* handle = change_handle_;
    change_handle_ = nullptr;
    fading_ = 0;
    sound_->Stop();
    Open(next_path_.c_str());
    if (next_path_.empty()) {
        Finish();
    } else {
        sound_->SetLoop(true);
        sound_->SetVolume(0.0);
        sound_->Play();
        sound_->SetVolume(GetDirectShow()->GetVolume());
    }
    if (handle) handle->Signal();
}

void CMusicEvent::Update() {
    if (!sound_) return;
    if (fading_) {
        const double v = sound_->GetVolume() - step_;
        if (v > kSilent)
            sound_->SetVolume(v);
        else
            ChangeNow();
    }
    sound_->Update();
}
