// リバティー hears of a dish the shop invented and founds a company to sell it: the heroine
// becomes a shareholder, her share brings the product every morning, and the stock exchange
// opens in the shopping street.
#include "events/chains/company_founding.h"

#include "engine/common/sjis.h"
#include "engine/framework/game_mediator.h"
#include "events/story.h"
#include "game/economy/owned_items.h"
#include "game/economy/shares.h"
#include "game/main/scene_question.h"

std::string CompanyOfShare(std::string_view share) {
    std::size_t last = 0;
    for (std::size_t at = 0; at < share.size(); at += sjis::CharLength(share, at)) last = at;
    return std::string(share.substr(0, last));
}

StoryTask Story::CompanyFoundingEvent() {
    const ShareRecord* found = FindFoundableShare(state_, book_);
    if (!found) co_return;
    const ShareRecord share = *found;
    const std::string product = share.product;
    const std::string company = CompanyOfShare(share.company);
    const std::string bond = share.company;

    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("僕は何でも屋リバティー", kLiberty, kNormal);
    co_await Say("ときに、この店で『" + product + "』というものを開発したという噂は本当？",
                 kLiberty, kNormal);
    co_await Say("は、はい\n確かにそうですけれど", kVemu, kNormal);
    co_await Say("なななんと素晴らしい！\n『" + product +
                     "』を世の中に広めれば、ビッグなビジネスができますよ",
                 kLiberty, kNormal);
    co_await Say("是非僕に力を貸してください", kLiberty, kNormal);
    co_await Say("は、はあ……", kVemu, kAnnoy);
    co_await Say("もちろんただでとは言いません", kLiberty, kNormal);
    co_await Say("あなたには、これから設立する『" + product + "』の会社、\n『" + company +
                     "株式会社』のオーナーの１人になってもらうということでどうでしょう？",
                 kLiberty, kNormal);
    co_await Say("いえ、心配することは何もありません\n失敗した時の責任は全て僕が取りますから",
                 kLiberty, kNormal);
    co_await Tell("リバティーの誘いに乗りますか？", false);
    stage_.set_choice_result(0);
    const int answer = co_await Question(stage_);
    if (answer != 0) {
        co_await Say("えー\nだめなのー！\f……\fまた来ます", kLiberty, kNormal);
        co_return;
    }
    co_await Say("やった～\nでは『" + product +
                     "』の販売権を認めてもらう代わりに\fキミが会社のオーナーの１人である証『" +
                     bond + "』を渡すからね",
                 kLiberty, kNormal);
    stage_.Sound(kSoundGet).Play(0, 0);
    GiveItem(state_, mediator_->items(), bond, 1);
    if (share.flag >= 0) state_.share_flags[static_cast<std::size_t>(share.flag)] = 1;
    state_.share_flags[kShareExchange] = 1;
    co_await Tell("『" + bond + "』を手に入れました");
    co_await Tell("『" + bond + "』を持っていると、特典として毎朝『" + product + "』が届くよ\n");
    co_await Tell("証券取引所に行って『" + bond + "』を買えば、より多くの『" + product +
                  "』が届くから、良かったら買ってみてね\fでわでわ～");
}
