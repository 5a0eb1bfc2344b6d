// At the first check of a new month ラゴ reads out the month's books, the two taxes are taken
// and the month is rated by its income.
#include "events/month/monthly_report.h"

#include "engine/framework/game_mediator.h"
#include "events/month/story_text.h"
#include "events/story.h"
#include "game/economy/taxes.h"
#include "game/rules/money.h"

namespace {

struct Verdict {
    int income_below;
    const char* line;
};
constexpr Verdict kVerdicts[] = {
    {30000, "うーん、これでは生活していけないね……\nちょっとやばいよ～"},
    {150000, "まだまだちゃんとした食堂には程遠いね……"},
    {300000, "優れたメニューをどんどん開発して、もっとお店の評判を高めよう"},
    {600000, "ちゃんとした食堂まであと一息ってところだね"},
    {1000000, "お店も大分繁盛してきたね"},
    {1500000, "常連さんも増えてきたんじゃない？"},
    {2000000, "街でも噂の食堂になってきたみたいだね\nボクも鼻が高いよ\n鼻ないけど……"},
    {3000000, "まさかここまで立派なお店になるなんて、予想してなかったよ"},
};
constexpr const char* kBestVerdict = "いつの間にか超有名店になっちゃったね\nおめでとう";

}  // namespace

const char* MonthlyVerdict(int income) {
    for (const Verdict& verdict : kVerdicts)
        if (income < verdict.income_below) return verdict.line;
    return kBestVerdict;
}

StoryTask Story::MonthlyReportEvent() {
    SceneMusic(&handles_.music, kMusicDreaminMush);
    co_await Until(handles_.music);
    co_await Say("今月もおつかれさま～\n月間報告をするよ", kRago, kNormal);
    co_await Say(FormatLine("ぜるば堂、１ヶ月間の\n総収入は %d クル\n総支出は %d クル",
                            state_.income, state_.expenses),
                 kRago, kNormal);
    const int asset_tax = AssetTax();
    const int income_tax = IncomeTax(state_);
    co_await Say(FormatLine("資産税 %d クル\n所得税 %d クル\nが引かれるよ", asset_tax, income_tax),
                 kRago, kNormal);
    // Taxes are not the shop's expenses, and they are taken even into debt.
    stage_.Sound(kSoundBuy).Play(0, 0);
    ChangeMoney(state_, mediator_->values(), -(asset_tax + income_tax));
    const long long profit =
        static_cast<long long>(state_.income) - state_.expenses - asset_tax - income_tax;
    co_await Say(FormatLine("結果、今月の総利益は %lld クル！", profit), kRago, kNormal);
    co_await Say(MonthlyVerdict(state_.income), kRago, kNormal);
    co_await Say("さあ、また１ヶ月間頑張っていこー", kRago, kNormal);
    SceneMusic(&handles_.music, kMusicQuietShop);
    state_.income = 0;
    state_.expenses = 0;
}
