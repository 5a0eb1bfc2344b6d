// The registry of music contents, with the master music volume and the soundfont they share.
// It pauses what plays when the window loses the focus and resumes exactly that when it comes
// back.
#pragma once

#include <set>

#include "engine/sound/soundfont_bank.h"

class IQZContent;

class CDirectShow {
public:
    CDirectShow();
    // Contents that outlive the registry are detached first, so they never reach it again.
    virtual ~CDirectShow();
    CDirectShow(const CDirectShow&) = delete;
    CDirectShow& operator=(const CDirectShow&) = delete;

    virtual bool Init(void*) { return true; }
    virtual void Release() {}
    virtual void UpdateAll();
    virtual void AddContent(IQZContent* content);
    virtual void RemoveContent(IQZContent* content);

    // Clamped to 0..100, given to every content.
    void SetVolume(double volume);
    double GetVolume() const { return volume_; }
    void PauseAll();
    void ResumeAll();
    const std::set<IQZContent*>& contents() const { return contents_; }
    sound::SoundFontBank& soundfont() { return soundfont_; }

private:
    // First: the contents are detached, and their synthesisers gone, before it is freed.
    sound::SoundFontBank soundfont_;
    std::set<IQZContent*> contents_;
    std::set<IQZContent*> paused_by_all_;
    double volume_ = 100.0;
};
