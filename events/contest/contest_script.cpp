// The contest itself, one script for all twelve: the welcome, the judges and the cooks, the
// cooking of the provided contests, the two tastings, the vote and the outcome. The contest's
// row and lines give what differs.
#include <string>

#include "engine/framework/nvl_component.h"
#include "events/contest/contest_lines.h"
#include "events/contest/contest_table.h"
#include "events/story.h"
#include "game/food/food_category.h"
#include "game/main/scene_question.h"

namespace {

constexpr int kWinPause = 1000, kLossPause = 1500;  // milliseconds before the winner is named
constexpr int kVotesToWin = 2;
constexpr int kYes = 0, kNo = 1;

// The first judge the announcer brings in together with the ones after him; none for kEach.
int FirstJointJudge(JudgeIntroduction introduction) {
    switch (introduction) {
        case JudgeIntroduction::kFirstThenPair:
            return 1;
        case JudgeIntroduction::kAllThree:
            return 0;
        default:
            return kJudgeCount;
    }
}

std::string RuleBroken(const char* category) {
    return std::string("おーっと、しかし残念ながら\nぜるば堂の料理は『") + category +
           "』ではありません\nこれはルール違反です";
}

}  // namespace

StoryTask Story::ContestEvent() {
    const int contest = state_.contests_won;
    const ContestRow* row = FindContestRow(contest);
    if (!row) co_return;
    const ContestLines& lines = ContestLinesOf(contest);
    const bool last = contest + 1 == kContestCount;
    const std::string shop = row->names_heroine ? "ヴェム" : "ぜるば堂";
    const int joint = FirstJointJudge(row->introduction);

    contest_.running = 1;
    if (row->provided) {
        kitchen_.UseContestPantry();
        StockContestPantry();
    }
    contest_.rival_score = row->rival_score;
    contest_.rival = row->rival;
    contest_.judges = row->judges;
    stage_.ChangePortrait(&handles_.portrait, kAnnouncer, kNormal);
    co_await Until(handles_.portrait);
    // The hall's fade-in still runs on this handle, so the wait is refused and the welcome
    // comes once the fade is over.
    novel_.Wait(&handles_.music, 1000);
    co_await Until(handles_.music);
    co_await Say("料理大会へようこそ\fここは究極の料理を追い求める料理人達が集う場です", kAnnouncer,
                 kNormal);
    co_await Say("まずは、今回の料理の判定をしてくださる、審査員の皆様を紹介させていただきます",
                 kAnnouncer, kNormal);

    for (int judge = 0; judge < kJudgeCount; ++judge) {
        const auto at = static_cast<std::size_t>(judge);
        if (judge < joint) co_await Say(lines.judge_introductions[at], kAnnouncer, kNormal);
        if (judge == joint) co_await Say(lines.joint_introduction, kAnnouncer, kNormal);
        co_await Say(lines.judge_greetings[at], row->judges[at], kNormal);
    }
    co_await Say(lines.cooks, kAnnouncer, kNormal);
    co_await Say(lines.rival_introduction, kAnnouncer, kNormal);
    co_await Say(lines.rival_greeting, row->rival, kNormal);
    co_await Say("対するは、山のふもとの食堂、ぜるば堂", kAnnouncer, kNormal);
    co_await Say("よろしくおねがいします", kVemu, kNormal);
    for (const char* rule : row->rules)
        if (rule) co_await Say(rule, kAnnouncer, kNormal);

    if (row->provided) {
        // Neither the discard nor the menu offer while the player cooks here: either would take
        // the story screen from the contest.
        state_.menu_offer_suppressed = 1;
        int answer = kNo;
        while (answer != kYes) {
            co_await YieldToScreen(kScreenCooking);
            co_await Tell("料理を提出しますか？", false);
            stage_.set_choice_result(kNo);
            answer = co_await Question(stage_);
            co_await NextFrame();
        }
        state_.menu_offer_suppressed = 0;
    }

    // Only a dish that the dish screen hands in takes part, and with nothing to hand in the
    // screen is not opened at all.
    contest_dish_.reset();
    if (!kitchen_.pantry().empty()) co_await YieldToScreen(kScreenContestDish);

    co_await Say(std::string("それでは審査を開始します\f") + lines.rival_short_name + "の料理は……",
                 kAnnouncer, kNormal);
    co_await Say(lines.rival_dish, row->rival, kNormal);
    for (const SceneLine& line : lines.rival_reactions)
        co_await Say(line.text, line.speaker, line.expression);

    co_await Say("さて、対する" + shop + "の料理は……", kAnnouncer, kNormal);
    if (contest_dish_) {
        co_await Say(contest_dish_->name + "です", kVemu, kNormal);
        for (const SceneLine& line : lines.player_reactions)
            co_await Say(line.text, line.speaker, line.expression);
        const int score = ContestDishScore();
        // Neither commenting judge comments on the dish of the contest he cooks in himself.
        if (row->rival != kMountMail) co_await MountMailVerdict(score);
        if (row->rival != kTasteKing) co_await TasteKingTasting(score);
    } else {
        co_await Say("おーっと、提出できる料理がないようです", kAnnouncer, kNormal);
    }
    if (row->provided) kitchen_.UsePlayerPantry();

    contest_.votes = 0;
    const bool off_theme =
        contest_dish_ && row->category && !IsInCategory(contest_dish_->def, row->category);
    if (off_theme) {
        co_await Say(RuleBroken(row->category), kAnnouncer, kNormal);
    } else if (contest_dish_) {
        co_await ContestVote();
    }
    co_await Say("従って勝者は……", kAnnouncer, kNormal);

    if (contest_.votes >= kVotesToWin) {
        stage_.PlayBgm(nullptr, kMusicWiggleGustation);
        novel_.Wait(&handles_.music, kWinPause);
        co_await Until(handles_.music);
        co_await Say(shop + "です！\nおめでとうございます", kAnnouncer, kNormal);
        co_await Tell("勝者には賞品が送られます\n次の中からひとつ選んでください", false);
        int prize_row = 0;
        if (PrizeCount(*row) == 3)
            prize_row = co_await Question(stage_, row->prizes[0].label, row->prizes[1].label,
                                          row->prizes[2].label);
        else
            prize_row = co_await Question(stage_, row->prizes[0].label, row->prizes[1].label);
        const std::string prize = AwardContestPrize(contest, prize_row);
        co_await Say(prize + "を手に入れました", kAnnouncer, kNormal);
        if (last)
            co_await Say(
                "よくやった\nお前さん以上の料理人はもうおらんだろう\n"
                "これからの時代は、お前さんが創っていくのだ",
                kTasteKing, kNormal);
    } else {
        stage_.PlayBgm(nullptr, kMusicNatchNatch);
        novel_.Wait(&handles_.music, kLossPause);
        co_await Until(handles_.music);
        co_await Say(std::string(lines.rival_full_name) + "です！\n" + shop + "さん残念でした",
                     kAnnouncer, kNormal);
        if (last) co_await Say("精進せいよ", kTasteKing, kNormal);
    }
    if (!last) {
        co_await Say("また次回お会いしましょう", kAnnouncer, kNormal);
        co_await Say("精進せいよ", kTasteKing, kNormal);
    }
    contest_.running = 0;
    co_await EnterContestHall();
}
