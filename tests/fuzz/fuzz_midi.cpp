// The Standard MIDI File reader over arbitrary bytes. A song it accepts is in time order,
// ends no earlier than its last message and holds only channel messages and system exclusives.
#include <cstdlib>

#include "engine/sound/midi_song.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sound::MidiSong song;
    if (!sound::ParseMidiFile(data, size, song)) return 0;
    std::int64_t last = 0;
    for (const sound::MidiMessage& m : song.messages) {
        if (m.time < last || m.bytes.empty() || !(m.bytes[0] & 0x80)) abort();
        if (m.bytes[0] < 0xF0 ? m.bytes.size() > 3 : m.bytes[0] != 0xF0) abort();
        last = m.time;
    }
    if (song.duration < last) abort();
    return 0;
}
