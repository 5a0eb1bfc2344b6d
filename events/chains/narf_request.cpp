// ナルフ has the バーメメント the heroine is searching for, and will give it for a ラザニア.
#include "events/chains/chain_stage.h"
#include "events/story.h"

StoryTask Story::NarfRequestEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("こんにちは", kNarf, kNormal);
    co_await Say("いらっしゃいませ\fはぁー……", kVemu, kAnnoy);
    co_await Say("どうかしたんですか？\nため息なんかついて", kNarf, kNormal);
    co_await Say("ええと、バーメメントっていう食材を探さないといけないんですが手掛かりがなくて……",
                 kVemu, kAnnoy);
    co_await Say("……ええと\fそれなら私、持ってますよ", kNarf, kNormal);
    co_await Say("ええっ！？\n本当ですか！？", kVemu, kAmaze);
    co_await Say(
        "うーん\nかなり貴重なものなので……\fでも、もし私に美味しい料理を食べさせてくれたら、あげても"
        "いいですよ",
        kNarf, kNormal);
    co_await Say("美味しい料理……ですか？", kVemu, kNormal);
    co_await Say(
        "そうですね、噂で聞いたんですが、どこかの国には『ラザニア』っていう料理があるらしいんです\n"
        "それを食べさせてくれたら、バーメメントを差し上げますよ",
        kNarf, kNormal);
    co_await Say("ラザニア……", kVemu, kNormal);
    co_await Say("お店のメニューに『ラザニア』が加わるのを楽しみにしていますね", kNarf, kNormal);
    state_.story_stage = kStageLasagnaAsked;
}
