// One piece of background music from a Standard MIDI File, played through the engine's mixer.
// Positions are media time in 100 ns units.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/sound/content.h"

namespace sound {
class MusicStream;
}

class CQZSound : public IQZContent {
public:
    enum State { kPlaying = 0, kPaused = 1, kStopped = 2 };
    static constexpr std::int64_t kNoEnd = 0x7FFFFFFFFFFFFFFF;

    CQZSound();
    ~CQZSound() override;

    void Play() override;
    void Pause() override;
    void Stop() override;
    void SetVolume(double volume) override;
    double GetVolume() override { return volume_; }
    void SetLoop(bool loop) override { loop_ = loop ? 1 : 0; }
    bool IsLoop() override { return loop_ != 0; }
    void SetSpeed(double speed) override;
    double GetSpeed() override { return speed_; }
    void SetStartPoint(std::int64_t t) override;
    std::int64_t GetStartPoint() override { return start_; }
    void SetEndPoint(std::int64_t t) override;
    std::int64_t GetEndPoint() override { return end_; }
    void Activate() override;
    void Deactivate() override;
    bool IsActive() override { return active_ != 0; }
    // Once per frame: notices the end of the piece and loops or stops it.
    void Update() override;
    bool IsPlaying() override;

    // Reads and validates the file (a game name such as "midi\\quiet_shop.mid").
    virtual bool Load(const char* path);
    // Joins the mixer with a synthesiser of its own, playing from the registry's soundfont.
    virtual bool CreateGraph();

    int GetState() const { return state_; }
    bool IsLoaded() const { return loaded_; }
    std::int64_t GetPosition() const;
    std::int64_t GetDuration() const;

protected:
    void Detach() override;

private:
    void SeekTo(std::int64_t t);

    std::unique_ptr<sound::MusicStream> stream_;
    bool loaded_ = false;
    unsigned char active_ = 1;
    int state_ = kStopped;
    double volume_ = 100.0;
    double speed_ = 1.0;
    std::int64_t start_ = 0;
    std::int64_t end_ = kNoEnd;
    unsigned char loop_ = 0;
};
