// ナルフ has the バーメメント the heroine is searching for, and will give it for a ラザニア.
#include "events/chains/chain_stage.h"
#include "game/main/vemu_comp.h"

StoryTask CVemuComp::NarfRequestEvent() {
    Sound(kSoundBell).Play(0, 0);
    co_await Say("こんにちは", 4, 0);
    co_await Say("いらっしゃいませ\fはぁー……", 1, 5);
    co_await Say("どうかしたんですか？\nため息なんかついて", 4, 0);
    co_await Say("ええと、バーメメントっていう食材を探さないといけないんですが手掛かりがなくて……",
                 1, 5);
    co_await Say("……ええと\fそれなら私、持ってますよ", 4, 0);
    co_await Say("ええっ！？\n本当ですか！？", 1, 6);
    co_await Say(
        "うーん\nかなり貴重なものなので……\fでも、もし私に美味しい料理を食べさせてくれたら、あげても"
        "いいですよ",
        4, 0);
    co_await Say("美味しい料理……ですか？", 1, 0);
    co_await Say(
        "そうですね、噂で聞いたんですが、どこかの国には『ラザニア』っていう料理があるらしいんです\n"
        "それを食べさせてくれたら、バーメメントを差し上げますよ",
        4, 0);
    co_await Say("ラザニア……", 1, 0);
    co_await Say("お店のメニューに『ラザニア』が加わるのを楽しみにしていますね", 4, 0);
    state_.story_stage = kStageLasagnaAsked;
}
