#include "engine/sound/midi_sequencer.h"

#include <algorithm>
#include <cmath>

namespace sound {

MidiSequencer::MidiSequencer(int rate, std::unique_ptr<Synthesizer> synth)
    : rate_(rate > 0 ? rate : 48000), synth_(std::move(synth)) {}

void MidiSequencer::SetSong(MidiSong song) {
    song_ = std::move(song);
    has_song_ = true;
    Seek(0);
}

void MidiSequencer::Silence() {
    const std::uint8_t reset = Synthesizer::kSystemReset;
    synth_->Send(Position(), &reset, 1);
}

void MidiSequencer::Seek(std::int64_t t) {
    Silence();
    t = std::clamp<std::int64_t>(t, 0, song_.duration);
    next_ = 0;
    for (; next_ < song_.messages.size() && song_.messages[next_].time < t; ++next_) {
        const MidiMessage& m = song_.messages[next_];
        const int kind = m.bytes[0] & 0xF0;
        // Notes that began before t are not chased; everything that sets up a channel is.
        if (kind == 0x80 || kind == 0x90 || kind == 0xA0) continue;
        synth_->Send(t, m.bytes.data(), m.bytes.size());
    }
    position_ = static_cast<double>(t);
    ended_ = false;
}

void MidiSequencer::SendDue() {
    while (next_ < song_.messages.size() && song_.messages[next_].time <= position_) {
        const MidiMessage& m = song_.messages[next_++];
        synth_->Send(m.time, m.bytes.data(), m.bytes.size());
    }
}

bool MidiSequencer::Render(float* out, int frames) {
    if (!has_song_ || ended_) {
        RenderTail(out, frames);
        return false;
    }
    const double per_frame = 1e7 / rate_ * speed_;
    bool ended_now = false;
    int done = 0;
    while (done < frames) {
        SendDue();
        if (!ended_ && position_ >= static_cast<double>(song_.duration)) {
            position_ = static_cast<double>(song_.duration);
            ended_ = ended_now = true;
        }
        if (ended_) {
            synth_->Render(out + 2 * done, frames - done);
            break;
        }
        // Up to the next message or the end, whichever comes first.
        double until = static_cast<double>(song_.duration);
        if (next_ < song_.messages.size())
            until = std::min(until, static_cast<double>(song_.messages[next_].time));
        const double needed = std::ceil((until - position_) / per_frame);
        const int run =
            static_cast<int>(std::clamp(needed, 1.0, static_cast<double>(frames - done)));
        synth_->Render(out + 2 * done, run);
        position_ += run * per_frame;
        done += run;
    }
    if (!ended_ && position_ >= static_cast<double>(song_.duration)) {
        SendDue();
        position_ = static_cast<double>(song_.duration);
        ended_ = ended_now = true;
    }
    return ended_now;
}

void MidiSequencer::RenderTail(float* out, int frames) { synth_->Render(out, frames); }

}  // namespace sound
