// vemu-manual-shots: plays a new game on the headless backend with scripted buttons and writes
// the screens the manual shows as PNG files, so that its pictures are always the game's own.
//   vemu-manual-shots <folder>
// A step that does not come within its frames stops the run with where the game stands.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/framework/message_out_event.h"
#include "engine/graphics/glyph_source.h"
#include "platform/common/font_face.h"
#include "tests/support/golden.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;

class ShotScript {
public:
    explicit ShotScript(std::string folder) : folder_(std::move(folder)) {}

    void Run();

private:
    // Stops the run when a step did not happen.
    void Must(const testing::AssertionResult& step, const char* what) {
        if (step) return;
        std::fprintf(stderr, "vemu-manual-shots: %s: %s\n", what, step.message());
        std::exit(1);
    }
    void Shot(const char* name) {
        const std::string path = folder_ + "/" + name + ".png";
        if (!WritePng(path, play_.app().runtime().graphics.Pixels(), 640, 480)) {
            std::fprintf(stderr, "vemu-manual-shots: cannot write %s\n", path.c_str());
            std::exit(1);
        }
    }
    // The message window holds the text (UTF-8).
    bool Shows(const char8_t* text) const {
        return play_.Message().find(testing_support::Utf8(text)) != std::string::npos;
    }
    // Lets the message window write its text out (up to a full page) within `limit` frames.
    void WriteOut(int limit) {
        const CMessageOutEvent& message = play_.game().message_output();
        for (int frame = 0;
             frame < limit && message.GetPosition() < message.GetLength() && !message.IsPageFull();
             ++frame)
            play_.Frame();
    }
    // The text written out, then a little more for the picture.
    void Settle() {
        WriteOut(400);
        play_.Frames(20);
    }
    // Goes out to the place, takes the picture of its offer with the answers and says no.
    void DeclineOffer(const char8_t* place, const char8_t* question, const char* shot) {
        Must(play_.Choose(u8"外出する"), shot);
        Must(play_.Choose(place), shot);
        Must(PlayUntil([&] { return Shows(question) && !play_.ChoiceRows().empty(); }, 300), shot);
        Settle();
        Shot(shot);
        Must(play_.Choose(u8"いいえ"), shot);
        BackTo(kScreenMainCommands);
    }
    // Chooses the row, waits for the screen it opens and takes its picture.
    void Visit(const char8_t* row, int screen, const char* shot) {
        Must(play_.Choose(row), shot);
        Must(play_.RunUntilScreen(screen), shot);
        Settle();
        Shot(shot);
    }
    // Runs the day until `done`, reading on through whatever scene the day brings meanwhile
    // (a visitor, a morning); a question takes the answer the cursor is on.
    template <typename Done>
    testing::AssertionResult PlayUntil(Done done, int limit) {
        for (int frame = 0; frame < limit; ++frame) {
            if (done()) return testing::AssertionSuccess();
            const int screen = play_.game().screens().id();
            if (screen == kScreenStory || screen == kScreenWaitForMessage)
                play_.Press(kDecide);
            else
                play_.Frame();
        }
        return testing::AssertionFailure()
               << "not within " << limit << " frames; " << play_.Report();
    }
    // Cancels out of screens (reading on through a scene or a message that waits) until
    // `screen` is on top.
    void BackTo(int screen) {
        for (int press = 0; press < 20; ++press) {
            if (play_.RunUntilScreen(screen, 20)) return;
            const int top = play_.game().screens().id();
            // An outing is left by a decide too, and after dark only a decide reads its finds.
            const bool waits = top == kScreenWaitForMessage || top == kScreenStory ||
                               top == kScreenOuting || play_.game().message_output().IsPageFull();
            play_.Press(waits ? kDecide : kCancel);
        }
        Must(play_.RunUntilScreen(screen, 0), "going back");
    }

    std::string folder_;
    PlayHarness play_;
};

void ShotScript::Run() {
    // The pictures show the game's text as a player reads it, in the system's Japanese fonts.
    auto glyphs =
        MakeFreeTypeGlyphSource(platform::FindMinchoFontFile(), platform::FindGothicFontFile());
    if (!glyphs) {
        std::fprintf(stderr,
                     "vemu-manual-shots: no IPA fonts (fonts-ipafont-mincho, "
                     "fonts-ipafont-gothic)\n");
        std::exit(1);
    }
    play_.app().runtime().graphics.SetGlyphSource(std::move(glyphs));
    play_.Seed(2);
    // The pointer rests outside the window, off every list, so the buttons alone steer the
    // cursor and no spoon is drawn.
    play_.MovePointer(-100, -100);
    Must(play_.RunUntilComponent(CTitleComp::kName), "the title");
    play_.Press(kDecide);
    play_.Frames(40);
    Shot("title");
    Must(play_.Choose(u8"はじめから"), "a new game");
    Must(play_.RunUntilMessage(u8"オイラはラゴ"), "the opening");
    Settle();
    Shot("story");
    play_.SkipOpening();
    Must(play_.RunUntilScreen(kScreenMainCommands), "the main commands");
    play_.Frames(64);
    Shot("main_commands");

    // Shopping: the street, a food shop and the quantity of a purchase.
    Visit(u8"外出する", kScreenDestinations, "destinations");
    Visit(u8"商店街", kScreenShopList, "shops");
    Must(play_.Choose(u8"八百屋"), "the greengrocer");
    Must(play_.RunUntilScreen(kScreenFoodShop), "the greengrocer's goods");
    play_.Frames(10);
    play_.Press(kDown);
    Settle();
    Shot("food_shop");
    play_.Press(kDecide);
    Must(play_.RunUntilMessage(u8"いくつ買いますか？"), "the quantity");
    for (int i = 0; i < 3; ++i) play_.Press(kUp);
    Settle();
    Shot("buying");
    play_.Press(kDecide);
    Must(play_.RunUntilMessage(u8"ヶ買いました"), "the purchase");
    BackTo(kScreenMainCommands);

    // Cooking: two foods in the pot, the methods the utensils allow, the dish, the menu.
    Must(play_.Choose(u8"料理を作る"), "cooking");
    Must(play_.RunUntilScreen(kScreenCooking), "the cooking screen");
    Must(play_.Choose(u8"ゼルバワラビ"), "a food into the pot");
    Must(play_.Choose(u8"ゼルゼルダケ"), "another food into the pot");
    Settle();
    Shot("cooking");
    play_.Press(kRight);
    Must(play_.RunUntilMessage(u8"調理方法を選んでください"), "the methods");
    Settle();
    Shot("methods");
    Must(play_.Choose(u8"焼く"), "baking");
    Must(play_.RunUntilScreen(kScreenCookingInProgress), "the dish in the pan");
    Settle();
    Shot("cooking_in_progress");
    Must(play_.RunUntilScreen(kScreenDishMade), "the finished dish");
    Settle();
    Shot("dish_made");
    for (int press = 0; press < 20 && !play_.RunUntilMessage(u8"メニューに追加しますか？", 5);
         ++press)
        play_.Press(kDecide);
    Must(play_.Choose(u8"はい"), "the dish onto the menu");
    BackTo(kScreenMainCommands);

    Visit(u8"メニューを見る", kScreenMenu, "menu");
    play_.Press(kDecide);
    Must(play_.RunUntilMessage(u8"メニュー設定"), "the menu's actions");
    Settle();
    Shot("menu_actions");
    BackTo(kScreenMainCommands);

    // Selling until the first customer has eaten (customers come by chance: at the latest the
    // closing time is shown), then on to the closing time.
    Must(play_.Choose(u8"販売する"), "selling");
    Must(play_.RunUntilScreen(kScreenSelling), "the selling screen");
    Must(PlayUntil([&] { return Shows(u8"売れました") || Shows(u8"閉店時間になりました"); }, 1000),
         "a sale");
    Settle();
    Shot("selling");
    Must(PlayUntil([&] { return Shows(u8"閉店時間になりました"); }, 1000), "the closing time");
    Settle();
    BackTo(kScreenMainCommands);

    // The night and the morning after it.
    Must(play_.Choose(u8"休む"), "resting");
    Must(PlayUntil([&] { return play_.game().screens().id() == kScreenMainCommands; }, 1000),
         "the morning");
    Settle();
    Must(play_.Choose(u8"休む"), "a rest in the day");
    Must(play_.RunUntilScreen(kScreenResting), "the resting screen");
    play_.Frames(12);
    Shot("resting");
    BackTo(kScreenMainCommands);

    // The architect's offer to make the shop larger, and the contest hall's. The Taste King's
    // visit that opens the hall comes by chance; when it has not come yet, the hall is opened
    // as his visit opens it.
    DeclineOffer(u8"建築事務所", u8"拡張しますか？", "architect");
    if (!play_.state().place_flags[kPlaceCompetition]) play_.OpenPlace(kPlaceCompetition);
    DeclineOffer(u8"料理大会", u8"参加しますか？", "contest_hall");

    // The in-game menu: equipment, items, saving and the settings.
    Visit(u8"作戦", kScreenGameMenu, "strategy");
    Visit(u8"装備", kScreenEquipment, "equipment");
    BackTo(kScreenGameMenu);
    Visit(u8"所持品", kScreenOwnedItems, "items");
    BackTo(kScreenGameMenu);
    Visit(u8"設定", kScreenSettings, "settings");
    BackTo(kScreenGameMenu);
    Must(play_.Choose(u8"セーブ"), "saving");
    Must(play_.RunUntilMessage(u8"どこにセーブしますか？"), "the save slots");
    Must(PlayUntil([&] { return !play_.ChoiceRows().empty(); }, 300), "the slot list");
    Settle();
    Shot("save");
    const std::string first_slot = play_.ChoiceRows().front();
    Must(play_.Choose(reinterpret_cast<const char8_t*>(first_slot.c_str())), "the first slot");
    Must(play_.RunUntilMessage(u8"にセーブしました"), "the save");
    Settle();
    BackTo(kScreenMainCommands);

    // An outing to the forest that the first morning opens.
    Must(play_.Choose(u8"外出する"), "going out again");
    Must(play_.Choose(u8"マナの森"), "the forest");
    Must(play_.RunUntilScreen(kScreenOuting), "the outing");
    // Finds come by chance; the picture is taken a little after the first (or without one).
    (void)PlayUntil([&] { return Shows(u8"を手に入れました"); }, 150);
    WriteOut(120);
    Shot("outing");
    BackTo(kScreenMainCommands);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vemu-manual-shots <folder>\n");
        return 2;
    }
    ShotScript script(argv[1]);
    script.Run();
    return 0;
}
