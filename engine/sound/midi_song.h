// A Standard MIDI File read into one time-ordered list of messages, with times from its
// tempo map in 100 ns units (the media time of the music contents).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sound {

struct MidiMessage {
    std::int64_t time = 0;            // 100 ns units from the start
    std::vector<std::uint8_t> bytes;  // a channel message, or a system exclusive from F0
};

struct MidiSong {
    std::vector<MidiMessage> messages;
    std::int64_t duration = 0;  // the time of the last event of any track
};

// Validates the file and builds the song. False for anything that is not a well-formed SMF
// (format 0, 1 or 2); nothing outside `size` bytes is read.
bool ParseMidiFile(const std::uint8_t* bytes, std::size_t size, MidiSong& out);

}  // namespace sound
