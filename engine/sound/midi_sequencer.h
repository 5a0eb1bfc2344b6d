// Plays a song into a synthesiser, its position advanced by the audio it renders, so music
// keeps the output's own clock. Every message is sent at its exact frame.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/sound/midi_song.h"
#include "engine/sound/synthesizer.h"

namespace sound {

class MidiSequencer {
public:
    MidiSequencer(int rate, std::unique_ptr<Synthesizer> synth);

    void SetSong(MidiSong song);
    bool HasSong() const { return has_song_; }
    std::int64_t Duration() const { return song_.duration; }
    std::int64_t Position() const { return static_cast<std::int64_t>(position_); }
    // Media time per second of audio.
    void SetSpeed(double speed) { speed_ = speed; }

    // Resets the synthesiser and moves to t, sending the controller and program changes before
    // t so that the piece sounds as it would have there.
    void Seek(std::int64_t t);
    // Silences and resets the synthesiser; the position stays.
    void Silence();
    // Renders `frames` frames into out (overwriting). True when the song reached its end in
    // this call; the position then stays at the end and the synthesiser's tail goes on.
    bool Render(float* out, int frames);
    // The synthesiser alone, for a piece that has stopped advancing.
    void RenderTail(float* out, int frames);
    bool AtEnd() const { return ended_; }
    // Destroys the synthesiser now, for an owner that must do it under the mixer's lock; the
    // sequencer is not used after.
    void ReleaseSynthesizer() { synth_.reset(); }

private:
    void SendDue();

    int rate_;
    std::unique_ptr<Synthesizer> synth_;
    MidiSong song_;
    bool has_song_ = false;
    std::size_t next_ = 0;
    double position_ = 0.0;  // 100 ns units
    double speed_ = 1.0;
    bool ended_ = false;
};

}  // namespace sound
