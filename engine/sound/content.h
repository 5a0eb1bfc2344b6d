// A piece of background music as the music registry sees it. A content registers itself with
// the live CDirectShow when it is made and leaves it when it is destroyed.
#pragma once

#include <cstdint>

class CDirectShow;

class IQZContent {
public:
    IQZContent();
    virtual ~IQZContent();
    IQZContent(const IQZContent&) = delete;
    IQZContent& operator=(const IQZContent&) = delete;

    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void SetVolume(double volume) = 0;
    virtual double GetVolume() = 0;
    virtual void SetLoop(bool loop) = 0;
    virtual bool IsLoop() = 0;
    virtual void SetSpeed(double speed) = 0;
    virtual double GetSpeed() = 0;
    virtual void SetStartPoint(std::int64_t t) = 0;
    virtual std::int64_t GetStartPoint() = 0;
    virtual void SetEndPoint(std::int64_t t) = 0;
    virtual std::int64_t GetEndPoint() = 0;
    virtual void Activate() = 0;
    virtual void Deactivate() = 0;
    virtual bool IsActive() = 0;
    virtual void Update() = 0;
    // Playing now (not paused, stopped or finished): what the registry pauses and resumes.
    virtual bool IsPlaying() = 0;

protected:
    friend class CDirectShow;
    // The registry is going away: let go of everything that belongs to the engine's devices.
    virtual void Detach() { registry_ = nullptr; }
    CDirectShow* registry() const { return registry_; }

private:
    CDirectShow* registry_ = nullptr;
};
