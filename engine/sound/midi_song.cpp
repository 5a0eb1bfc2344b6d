#include "engine/sound/midi_song.h"

#include <algorithm>
#include <cstring>

namespace sound {
namespace {

constexpr std::int64_t kDefaultTempo = 500000;  // microseconds per quarter note (120 bpm)

struct TickedMessage {
    std::uint64_t tick;
    std::size_t order;  // track-major order of appearance, for a stable merge
    std::vector<std::uint8_t> bytes;
};

struct TempoChange {
    std::uint64_t tick;
    std::size_t order;
    std::int64_t microseconds_per_quarter;
};

class Reader {
public:
    Reader(const std::uint8_t* p, std::size_t n) : p_(p), n_(n) {}
    bool AtEnd() const { return pos_ >= n_; }
    bool Byte(std::uint8_t& out) {
        if (pos_ >= n_) return false;
        out = p_[pos_++];
        return true;
    }
    bool Peek(std::uint8_t& out) const {
        if (pos_ >= n_) return false;
        out = p_[pos_];
        return true;
    }
    // A variable-length quantity of at most four bytes.
    bool Vlq(std::uint32_t& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b;
            if (!Byte(b)) return false;
            out = (out << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) return true;
        }
        return false;
    }
    bool Take(std::size_t count, const std::uint8_t*& out) {
        if (count > n_ - pos_) return false;
        out = p_ + pos_;
        pos_ += count;
        return true;
    }

private:
    const std::uint8_t* p_;
    std::size_t n_;
    std::size_t pos_ = 0;
};

std::uint32_t Be32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}
std::uint16_t Be16(const std::uint8_t* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }

int DataBytes(std::uint8_t status) {
    switch (status & 0xF0) {
        case 0xC0:
        case 0xD0:
            return 1;
        default:
            return 2;
    }
}

bool ParseTrack(const std::uint8_t* body, std::size_t length, std::size_t& order,
                std::vector<TickedMessage>& messages, std::vector<TempoChange>& tempi,
                std::uint64_t& end_tick) {
    Reader in(body, length);
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!in.AtEnd()) {
        std::uint32_t delta;
        if (!in.Vlq(delta)) return false;
        tick += delta;
        std::uint8_t status;
        if (!in.Peek(status)) return false;
        if (status & 0x80) {
            in.Byte(status);
        } else {
            if (running == 0) return false;
            status = running;
        }
        if (status < 0xF0) {
            running = status;
            TickedMessage m{tick, order++, {status}};
            for (int i = 0; i < DataBytes(status); ++i) {
                std::uint8_t data;
                if (!in.Byte(data) || (data & 0x80)) return false;
                m.bytes.push_back(data);
            }
            messages.push_back(std::move(m));
        } else if (status == 0xFF) {
            running = 0;
            std::uint8_t type;
            std::uint32_t size;
            const std::uint8_t* data;
            if (!in.Byte(type) || !in.Vlq(size) || !in.Take(size, data)) return false;
            if (type == 0x51 && size == 3) {
                const std::int64_t tempo = (data[0] << 16) | (data[1] << 8) | data[2];
                tempi.push_back({tick, order++, tempo > 0 ? tempo : kDefaultTempo});
            } else if (type == 0x2F) {
                break;
            }
        } else if (status == 0xF0 || status == 0xF7) {
            running = 0;
            std::uint32_t size;
            const std::uint8_t* data;
            if (!in.Vlq(size) || !in.Take(size, data)) return false;
            // F7 packets are escapes of raw bytes that a synthesiser cannot take on their own.
            if (status == 0xF0) {
                TickedMessage m{tick, order++, {0xF0}};
                m.bytes.insert(m.bytes.end(), data, data + size);
                messages.push_back(std::move(m));
            }
        } else {
            return false;  // real-time and common messages have no place in a file
        }
    }
    end_tick = std::max(end_tick, tick);
    return true;
}

}  // namespace

bool ParseMidiFile(const std::uint8_t* bytes, std::size_t size, MidiSong& out) {
    out = {};
    if (!bytes || size < 14 || std::memcmp(bytes, "MThd", 4) != 0) return false;
    const std::uint32_t header_length = Be32(bytes + 4);
    if (header_length < 6 || header_length > size - 8) return false;
    const std::uint16_t format = Be16(bytes + 8);
    const std::uint16_t track_count = Be16(bytes + 10);
    const std::uint16_t division = Be16(bytes + 12);
    if (format > 2 || track_count == 0 || division == 0) return false;

    std::vector<TickedMessage> messages;
    std::vector<TempoChange> tempi;
    std::uint64_t end_tick = 0;
    std::size_t order = 0;
    int tracks = 0;
    std::size_t pos = 8 + static_cast<std::size_t>(header_length);
    while (pos + 8 <= size && tracks < track_count) {
        const std::uint8_t* id = bytes + pos;
        const std::uint32_t length = Be32(bytes + pos + 4);
        if (length > size - pos - 8) return false;
        if (std::memcmp(id, "MTrk", 4) == 0) {
            if (!ParseTrack(bytes + pos + 8, length, order, messages, tempi, end_tick))
                return false;
            ++tracks;
        }
        pos += 8 + static_cast<std::size_t>(length);  // chunks of other kinds are skipped
    }
    if (tracks == 0) return false;

    auto by_tick = [](const auto& a, const auto& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    };
    std::sort(messages.begin(), messages.end(), by_tick);
    std::sort(tempi.begin(), tempi.end(), by_tick);

    // Ticks to time: time-code divisions have a fixed tick length; metrical ones follow the
    // tempo changes of every track.
    const bool smpte = (division & 0x8000) != 0;
    const int frames_per_second = smpte ? -static_cast<std::int8_t>(division >> 8) : 0;
    const int ticks_per_frame = division & 0xFF;
    if (smpte && (frames_per_second <= 0 || ticks_per_frame == 0)) return false;
    std::size_t next_tempo = 0;
    std::uint64_t segment_tick = 0;
    double segment_time = 0.0;  // 100 ns units at segment_tick
    std::int64_t tempo = kDefaultTempo;
    auto media_time_of = [&](std::uint64_t tick) -> double {
        if (smpte) return static_cast<double>(tick) * 1e7 / (frames_per_second * ticks_per_frame);
        while (next_tempo < tempi.size() && tempi[next_tempo].tick <= tick) {
            segment_time += static_cast<double>(tempi[next_tempo].tick - segment_tick) * tempo *
                            10.0 / division;
            segment_tick = tempi[next_tempo].tick;
            tempo = tempi[next_tempo].microseconds_per_quarter;
            ++next_tempo;
        }
        return segment_time + static_cast<double>(tick - segment_tick) * tempo * 10.0 / division;
    };
    // Times must fit the media clock; a file whose ticks run past it is not a piece of music.
    constexpr double kLatest = 4e18;
    out.messages.reserve(messages.size());
    for (TickedMessage& m : messages) {
        const double time = media_time_of(m.tick);
        if (!(time < kLatest)) return false;
        out.messages.push_back({static_cast<std::int64_t>(time), std::move(m.bytes)});
    }
    const double end = media_time_of(end_tick);
    if (!(end < kLatest)) return false;
    out.duration = static_cast<std::int64_t>(end);
    return true;
}

}  // namespace sound
