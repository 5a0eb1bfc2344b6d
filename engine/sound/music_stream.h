// One piece in the mixer: a sequencer and its synthesiser, running, paused or stopped, at a
// gain. The game thread calls it under the mixer's lock (every method takes it); the render
// reaches it through MixInto, which the mixer calls with the lock held.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/sound/midi_sequencer.h"
#include "engine/sound/mixer.h"

namespace sound {

class MusicStream : public MixerSource {
public:
    MusicStream(SoundMixer& mixer, std::unique_ptr<Synthesizer> synth);
    ~MusicStream() override;  // leaves the mixer
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    void SetSong(MidiSong song);
    bool HasSong() const;
    void Run();
    void Pause();
    void Stop();
    void Seek(std::int64_t t);
    std::int64_t Position() const;
    std::int64_t Duration() const;
    void SetSpeed(double speed);
    void SetGain(float gain);
    // True once after the piece reached its end (the graph's completion notice).
    bool TakeCompletion();

    void MixInto(float* out, int frames) override;

private:
    enum class State { kStopped, kPaused, kRunning };

    SoundMixer& mixer_;
    MidiSequencer sequencer_;
    State state_ = State::kStopped;
    // A stopped piece was silenced; it picks its channels up again when it runs.
    bool needs_chase_ = false;
    bool completed_ = false;
    float gain_ = 1.0f;
    std::vector<float> scratch_;
};

}  // namespace sound
