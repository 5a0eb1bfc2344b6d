// Byte builders for WAVE and Standard MIDI files, and a world whose game folder is a fresh
// temporary folder, shared by the sound and timing-event tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/support/engine_world.h"

namespace sound_test {

using Bytes = std::vector<std::uint8_t>;

inline void Le16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Le32(Bytes& b, std::uint32_t v) {
    Le16(b, v & 0xFFFF);
    Le16(b, v >> 16);
}
inline void Be16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v >> 8));
    b.push_back(static_cast<std::uint8_t>(v));
}
inline void Be32(Bytes& b, std::uint32_t v) {
    Be16(b, v >> 16);
    Be16(b, v & 0xFFFF);
}
inline void Append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }
inline void Tag(Bytes& b, const char* id) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(id[i]));
}

// A RIFF chunk; `declared` overrides the length field, and the pad byte follows odd bodies.
inline Bytes Chunk(const char* id, const Bytes& body, long long declared = -1) {
    Bytes b;
    Tag(b, id);
    Le32(b, declared < 0 ? static_cast<std::uint32_t>(body.size())
                         : static_cast<std::uint32_t>(declared));
    Append(b, body);
    if (body.size() % 2) b.push_back(0);
    return b;
}

inline Bytes FmtBody(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits) {
    Bytes b;
    const unsigned align = channels * bits / 8;
    Le16(b, tag);
    Le16(b, channels);
    Le32(b, rate);
    Le32(b, rate * align);
    Le16(b, align);
    Le16(b, bits);
    return b;
}

inline Bytes Riff(const std::vector<Bytes>& chunks, long long declared = -1) {
    Bytes body;
    Tag(body, "WAVE");
    for (const Bytes& c : chunks) Append(body, c);
    Bytes b;
    Tag(b, "RIFF");
    Le32(b, declared < 0 ? static_cast<std::uint32_t>(body.size())
                         : static_cast<std::uint32_t>(declared));
    Append(b, body);
    return b;
}

// 16-bit mono PCM samples.
inline Bytes Samples16(const std::vector<int>& values) {
    Bytes b;
    for (int v : values) Le16(b, static_cast<unsigned>(static_cast<std::uint16_t>(v)));
    return b;
}

// A 16-bit mono wave of `frames` frames at `rate`, every sample `value` or a square wave of
// full scale with the given period.
inline Bytes ConstantWave(std::uint32_t rate, int frames, int value) {
    return Riff({Chunk("fmt ", FmtBody(1, 1, rate, 16)),
                 Chunk("data", Samples16(std::vector<int>(frames, value)))});
}
inline Bytes SquareWave(std::uint32_t rate, int frames, int period) {
    std::vector<int> v(frames);
    for (int i = 0; i < frames; ++i) v[i] = (i % period) < period / 2 ? 32767 : -32767;
    return Riff({Chunk("fmt ", FmtBody(1, 1, rate, 16)), Chunk("data", Samples16(v))});
}

// Standard MIDI files.
struct TrackEvent {
    std::uint32_t delta;
    Bytes bytes;  // status and data, or FF type len data
};

inline void Vlq(Bytes& b, std::uint32_t v) {
    Bytes rev;
    rev.push_back(v & 0x7F);
    while (v >>= 7) rev.push_back(static_cast<std::uint8_t>(0x80 | (v & 0x7F)));
    b.insert(b.end(), rev.rbegin(), rev.rend());
}

inline Bytes Track(const std::vector<TrackEvent>& events, bool end_of_track = true) {
    Bytes body;
    for (const TrackEvent& e : events) {
        Vlq(body, e.delta);
        Append(body, e.bytes);
    }
    if (end_of_track) Append(body, {0x00, 0xFF, 0x2F, 0x00});
    Bytes b;
    Tag(b, "MTrk");
    Be32(b, static_cast<std::uint32_t>(body.size()));
    Append(b, body);
    return b;
}

inline Bytes Smf(unsigned format, unsigned division, const std::vector<Bytes>& tracks) {
    Bytes b;
    Tag(b, "MThd");
    Be32(b, 6);
    Be16(b, format);
    Be16(b, static_cast<unsigned>(tracks.size()));
    Be16(b, division);
    for (const Bytes& t : tracks) Append(b, t);
    return b;
}

inline Bytes Tempo(std::uint32_t us_per_quarter) {
    return {0xFF,
            0x51,
            0x03,
            static_cast<std::uint8_t>(us_per_quarter >> 16),
            static_cast<std::uint8_t>(us_per_quarter >> 8),
            static_cast<std::uint8_t>(us_per_quarter)};
}

// One quarter note (middle C) at 120 bpm with 480 ticks a quarter: half a second.
inline Bytes OneNoteSmf() {
    return Smf(0, 480, {Track({{0, {0xC0, 0x00}}, {0, {0x90, 60, 100}}, {480, {0x80, 60, 0}}})});
}

// Every melodic channel at full volume playing a six-note chord at velocity 127: far denser
// than anything the game's own music plays.
inline Bytes LoudSmf() {
    std::vector<TrackEvent> events;
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        if (channel == 9) continue;
        events.push_back(
            {0,
             {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(channel * 8)}});
        events.push_back({0, {static_cast<std::uint8_t>(0xB0 | channel), 7, 127}});
        events.push_back({0, {static_cast<std::uint8_t>(0xB0 | channel), 11, 127}});
        for (int n = 0; n < 6; ++n)
            events.push_back({0,
                              {static_cast<std::uint8_t>(0x90 | channel),
                               static_cast<std::uint8_t>(36 + 7 * n), 127}});
    }
    events.push_back({1920, {0x80, 36, 0}});
    return Smf(0, 480, {Track(events)});
}

constexpr std::int64_t kHalfSecond = 5'000'000;  // in 100 ns
constexpr int kFrameSamples = 960;               // one 20 ms frame at 48 kHz

// A headless world with its own game folder.
class SoundWorld : public testing_support::EngineWorld {
public:
    SoundWorld() { backend.services().folders.game = folder.path(); }
    void Write(const std::string& relative, const Bytes& bytes) {
        const std::string path = folder.path() + "/" + relative;
        const auto slash = path.rfind('/');
        platform::MakeDirectories(path.substr(0, slash));
        ASSERT_TRUE(platform::WriteWholeFile(path, bytes.data(), bytes.size()));
    }
    testing_support::TempFolder folder;
};

inline float Peak(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

inline double Rms(const std::vector<float>& samples) {
    double sum = 0.0;
    for (float s : samples) sum += static_cast<double>(s) * s;
    return samples.empty() ? 0.0 : std::sqrt(sum / samples.size());
}

}  // namespace sound_test
