// What a story scene showed, frame by frame: each new message line with its speaker and
// expression, and each piece of music a scene asked for.
// Lines are in UTF-8, so a test compares them with its own literals.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class CVemuComp;

namespace play_test {

struct TranscriptEntry {
    enum Kind { kLine, kMusic };
    Kind kind;
    int speaker = 0;     // lines
    int expression = 0;  // lines
    int id = 0;          // music
    std::string text;    // lines

    bool operator==(const TranscriptEntry&) const = default;
};

// A line by speaker and expression, a music id; for expected transcripts.
TranscriptEntry Line(int speaker, int expression, const char8_t* text);
TranscriptEntry Music(int id);

class StoryTranscript {
public:
    // Looks at the game once; call it after every frame.
    void Sample(CVemuComp& game);

    const std::vector<TranscriptEntry>& entries() const { return entries_; }
    std::vector<TranscriptEntry> lines() const;
    std::vector<int> music() const;
    bool HasLine(const char8_t* text) const;
    void Clear() { entries_.clear(); }

private:
    std::vector<TranscriptEntry> entries_;
    std::string last_text_;
    int last_music_ = -1;
};

std::string Describe(const TranscriptEntry& entry);

// The first seed from which the game's next draws satisfy `wanted`, which draws them itself
// with Rand; a failure, and seed 1, when none below a million does.
unsigned SeedWhere(const std::function<bool()>& wanted);
// The first seed from which the game's Rand gives the wanted draws in order: each is a pair of
// modulus and residue, a residue of -1 taking any value (a draw the game makes on the way).
unsigned SeedFor(std::initializer_list<std::pair<int, int>> draws);

}  // namespace play_test
