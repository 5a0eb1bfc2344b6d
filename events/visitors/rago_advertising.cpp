// ラゴ offers to advertise the shop for pocket money; the more he is given, the better his
// best effort can be. The money goes whatever is in the till.
#include <algorithm>
#include <array>

#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "events/story.h"
#include "game/main/scene_question.h"
#include "game/rules/money.h"

namespace {

constexpr float kTopReputation = 100.0f;

// By answer past the first (あげない): what he is given and the range of his roll.
struct Gift {
    int amount;
    int roll_range;
};
constexpr std::array<Gift, 2> kGifts = {{{1000, 30}, {10000, 60}}};

// What his roll comes to, from the lowest roll each outcome needs.
struct Outcome {
    int from_roll;
    float reputation_gain;
    const char* text;
};
constexpr std::array<Outcome, 3> kOutcomes = {{
    {0, 0.0f, "ラゴは結局\n遊び回っただけでした"},
    {20, 15.0f, "ラゴの宣伝のおかげで\nぜるば堂の評判が上がりました"},
    {40, 30.0f, "ラゴが本気で宣伝してくれたおかげで\nぜるば堂の評判がかなり上がりました"},
}};

const Outcome& OutcomeOf(int roll) {
    const Outcome* reached = &kOutcomes.front();
    for (const Outcome& outcome : kOutcomes)
        if (roll >= outcome.from_roll) reached = &outcome;
    return *reached;
}

}  // namespace

StoryTask Story::RagoAdvertisingEvent() {
    stage_.PlayBgm(&handles_.music, kMusicDreaminMush);
    co_await Until(handles_.music);
    co_await Say(
        "ヴェム、ヴェム\n暇だからボクがお店の宣伝をしてきてあげるよ\fだからお小遣いちょうだい",
        kRago, kNormal);
    co_await Tell("ラゴにいくらあげますか？", false);
    const int answer = co_await Question(stage_, "あげない", "1000 クル", "10000 クル");
    if (answer <= 0 || answer > static_cast<int>(kGifts.size())) {
        co_await Say("えー\nケチー", kRago, kNormal);
    } else {
        const Gift& gift = kGifts[static_cast<std::size_t>(answer - 1)];
        stage_.Sound(kSoundBuy).Play(0, 0);
        AddMoney(state_, mediator_->values(), -gift.amount);
        const Outcome& outcome = OutcomeOf(Rand() % gift.roll_range);
        co_await Say("わーい、ありがとう", kRago, kNormal);
        if (outcome.reputation_gain > 0.0f) stage_.Sound(kSoundGet).Play(0, 0);
        co_await Say(outcome.text, kRago, kNormal);
        state_.reputation = std::min(state_.reputation + outcome.reputation_gain, kTopReputation);
    }
    stage_.PlayBgm(&handles_.music, kMusicQuietShop);
    co_await Until(handles_.music);
}
