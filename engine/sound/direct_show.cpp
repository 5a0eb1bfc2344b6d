#include "engine/sound/direct_show.h"

#include <vector>

#include "engine/sound/content.h"

CDirectShow::CDirectShow() = default;

CDirectShow::~CDirectShow() {
    Release();
    const std::set<IQZContent*> remaining = contents_;
    contents_.clear();
    paused_by_all_.clear();
    for (IQZContent* content : remaining) content->Detach();
}

void CDirectShow::UpdateAll() {
    // A content's Update may end or make others; walk a copy.
    const std::vector<IQZContent*> snapshot(contents_.begin(), contents_.end());
    for (IQZContent* content : snapshot)
        if (contents_.count(content)) content->Update();
}

void CDirectShow::AddContent(IQZContent* content) {
    if (content) contents_.insert(content);
}

void CDirectShow::RemoveContent(IQZContent* content) {
    contents_.erase(content);
    paused_by_all_.erase(content);
}

void CDirectShow::SetVolume(double volume) {
    volume_ = !(volume > 0.0) ? 0.0 : volume > 100.0 ? 100.0 : volume;
    for (IQZContent* content : contents_) content->SetVolume(volume_);
}

void CDirectShow::PauseAll() {
    for (IQZContent* content : contents_) {
        if (!content->IsActive() || !content->IsPlaying()) continue;
        content->Pause();
        paused_by_all_.insert(content);
    }
}

void CDirectShow::ResumeAll() {
    const std::set<IQZContent*> paused = std::move(paused_by_all_);
    paused_by_all_.clear();
    for (IQZContent* content : paused)
        if (contents_.count(content) && content->IsActive()) content->Play();
}
