#include "tests/support/story_transcript.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/common/sjis.h"
#include "engine/common/system.h"
#include "events/story.h"
#include "game/main/vemu_comp.h"
#include "tests/support/engine_world.h"

namespace play_test {

TranscriptEntry Line(int speaker, int expression, const char8_t* text) {
    return {TranscriptEntry::kLine, speaker, expression, 0, testing_support::Utf8(text)};
}
TranscriptEntry Music(int id) { return {TranscriptEntry::kMusic, 0, 0, id, {}}; }

void StoryTranscript::Sample(CVemuComp& game) {
    if (game.story().scene_music() != last_music_) {
        if (last_music_ != -1) entries_.push_back(Music(game.story().scene_music()));
        last_music_ = game.story().scene_music();
    }
    // The story's own lines and its notices; not the prompts of the screens it goes back to.
    const bool story =
        game.screens().id() == kScreenStory || game.screens().id() == kScreenWaitForMessage;
    const std::string& text = game.GetMessageText();
    if (story && text != last_text_ && !text.empty() && game.message_output().wait_handle() &&
        game.message_output().wait_handle()->state == WaitHandle::kWaiting)
        entries_.push_back({TranscriptEntry::kLine, game.stage().speaker(),
                            game.stage().expression(), 0, sjis::ToUtf8(text)});
    last_text_ = text;
}

std::vector<TranscriptEntry> StoryTranscript::lines() const {
    std::vector<TranscriptEntry> lines;
    for (const TranscriptEntry& entry : entries_)
        if (entry.kind == TranscriptEntry::kLine) lines.push_back(entry);
    return lines;
}

std::vector<int> StoryTranscript::music() const {
    std::vector<int> ids;
    for (const TranscriptEntry& entry : entries_)
        if (entry.kind == TranscriptEntry::kMusic) ids.push_back(entry.id);
    return ids;
}

bool StoryTranscript::HasLine(const char8_t* text) const {
    const std::string wanted = testing_support::Utf8(text);
    return std::any_of(entries_.begin(), entries_.end(), [&wanted](const TranscriptEntry& e) {
        return e.kind == TranscriptEntry::kLine && e.text.find(wanted) != std::string::npos;
    });
}

std::string Describe(const TranscriptEntry& entry) {
    switch (entry.kind) {
        case TranscriptEntry::kLine:
            return "(" + std::to_string(entry.speaker) + ", " + std::to_string(entry.expression) +
                   ") " + entry.text;
        case TranscriptEntry::kMusic:
            return "music " + std::to_string(entry.id);
    }
    return "?";
}

unsigned SeedWhere(const std::function<bool()>& wanted) {
    for (unsigned seed = 1; seed < 1000000; ++seed) {
        Srand(seed);
        if (wanted()) return seed;
    }
    ADD_FAILURE() << "no seed gives the wanted draws";
    return 1;
}

unsigned SeedFor(std::initializer_list<std::pair<int, int>> draws) {
    return SeedWhere([draws] {
        return std::all_of(draws.begin(), draws.end(), [](const auto& draw) {
            const int value = Rand() % draw.first;
            return draw.second < 0 || value == draw.second;
        });
    });
}

}  // namespace play_test
