#include "engine/sound/music_stream.h"

#include <algorithm>

namespace sound {
namespace {
constexpr int kChunkFrames = 1024;
}

MusicStream::MusicStream(SoundMixer& mixer, std::unique_ptr<Synthesizer> synth)
    : mixer_(mixer), sequencer_(mixer.Rate(), std::move(synth)), scratch_(kChunkFrames * 2) {
    mixer_.AddSource(this);
}

MusicStream::~MusicStream() {
    mixer_.RemoveSource(this);
    // Its voices let go of the shared soundfont's samples while the other pieces take them.
    SoundMixer::Guard guard(mixer_);
    sequencer_.ReleaseSynthesizer();
}

void MusicStream::SetSong(MidiSong song) {
    SoundMixer::Guard guard(mixer_);
    state_ = State::kStopped;
    completed_ = false;
    needs_chase_ = false;
    sequencer_.SetSong(std::move(song));
}

bool MusicStream::HasSong() const {
    SoundMixer::Guard guard(mixer_);
    return sequencer_.HasSong();
}

void MusicStream::Run() {
    SoundMixer::Guard guard(mixer_);
    if (needs_chase_) sequencer_.Seek(sequencer_.Position());
    needs_chase_ = false;
    state_ = State::kRunning;
}

void MusicStream::Pause() {
    SoundMixer::Guard guard(mixer_);
    state_ = State::kPaused;
}

void MusicStream::Stop() {
    SoundMixer::Guard guard(mixer_);
    if (state_ != State::kStopped) sequencer_.Silence();
    state_ = State::kStopped;
    needs_chase_ = true;
}

void MusicStream::Seek(std::int64_t t) {
    SoundMixer::Guard guard(mixer_);
    sequencer_.Seek(t);
    completed_ = false;
    needs_chase_ = false;
}

std::int64_t MusicStream::Position() const {
    SoundMixer::Guard guard(mixer_);
    return sequencer_.Position();
}

std::int64_t MusicStream::Duration() const {
    SoundMixer::Guard guard(mixer_);
    return sequencer_.Duration();
}

void MusicStream::SetSpeed(double speed) {
    SoundMixer::Guard guard(mixer_);
    sequencer_.SetSpeed(speed);
}

void MusicStream::SetGain(float gain) {
    SoundMixer::Guard guard(mixer_);
    gain_ = gain;
}

bool MusicStream::TakeCompletion() {
    SoundMixer::Guard guard(mixer_);
    const bool completed = completed_;
    completed_ = false;
    return completed;
}

void MusicStream::MixInto(float* out, int frames) {
    if (state_ != State::kRunning) return;
    for (int done = 0; done < frames;) {
        const int run = std::min(kChunkFrames, frames - done);
        if (sequencer_.Render(scratch_.data(), run)) completed_ = true;
        float* to = out + 2 * done;
        for (int i = 0; i < 2 * run; ++i) to[i] += scratch_[i] * gain_;
        done += run;
    }
}

}  // namespace sound
