// Owns the background-music piece and changes it: the playing piece fades out over a number
// of frames, then the next one starts, looped, at the master music volume. A component switch
// does not stop it.
#pragma once

#include <memory>
#include <string>

#include "engine/framework/game_event.h"
#include "engine/framework/wait_handle.h"

class CQZSound;

class CMusicEvent : public CGameEvent {
public:
    CMusicEvent();
    ~CMusicEvent() override;

    // Closes the piece, then makes and loads a new one; returns the load result.
    bool Open(const char* path);
    // Stops and deletes the piece, when there is one.
    bool Close();
    void SetLoop(bool loop);
    // Plays `path` at once when nothing plays; else fades the playing piece out over `frames`
    // frames and starts `path` ("" for silence, which ends the event). The handle reads done
    // when the change has happened.
    void ChangeMusic(WaitHandle* handle, int frames, const char* path);

    // Plays the open piece and runs as an event (with its own handle when none is given).
    bool Start(WaitHandle* handle) override;
    void Stop() override;
    void Update() override;

    CQZSound* sound() const { return sound_.get(); }
    bool IsFading() const { return fading_ != 0; }

private:
    // The end of a fade: the next piece (or silence) takes over.
    void ChangeNow();
    // Ends a pending fade and signals its handle (unless it is `keep`, which goes on waiting).
    void SettlePendingChange(const WaitHandle* keep);

    std::unique_ptr<CQZSound> sound_;
    WaitHandle own_handle_;
    WaitHandle* change_handle_ = nullptr;
    int fading_ = 0;
    double step_ = 0.0;
    std::string next_path_;
};
