// A whole scene as the story runs one: a Japanese message with a page break typed into the
// window, then a choice under the kept question that answers keys, wheel and pointer, in the
// real font and compared with its golden frame.
#include <gtest/gtest.h>

#include "engine/framework/nvl_component.h"
#include "engine/graphics/glyph_source.h"
#include "platform/common/font_face.h"
#include "tests/support/golden.h"
#include "tests/vn/vn_world.h"

namespace {

using namespace vn_test;

// Draws its own full background and the message window's panel, as every screen does.
class Scene : public CQZNVLComponent {
public:
    Scene() { SetName("SceneComp"); }
    void Initialize() override {}
    void Finalize() override {}
    void Update() override {}
    void Draw() override {
        graphics_->SetClearColorRGB(70, 90, 120);
        graphics_->Clear();
        DEffect panel;
        panel.x = 40;
        panel.y = 340;
        panel.width = 560;
        panel.height = 120;
        panel.alpha = 230;
        panel.red = 250;
        panel.green = 240;
        panel.blue = 215;
        graphics_->DrawEffect(&panel, nullptr);
    }
};

TEST(ScriptedScene, MessageWithAPageBreakThenAChoiceInTheRealFont) {
    const std::string mincho = platform::FindMinchoFontFile();
    if (mincho.empty()) GTEST_SKIP() << "fonts-ipafont-mincho is not installed";
    VnWorld world;
    world.runtime.graphics.SetGlyphSource(
        MakeFreeTypeGlyphSource(mincho, platform::FindGothicFontFile()));
    DFont font;
    ASSERT_TRUE(font.Create(20, "標準明朝", false));

    Scene scene;
    world.mediator().RegisterComponent(&scene);
    ASSERT_EQ(world.mediator().ChangeComponent("SceneComp", 0, 0), 1);
    scene.SetMessagePosition(60, 360);
    scene.SetDefaultFont(&font);
    scene.SetTextSpeed(1);

    WaitHandle said;
    scene.SetCloseWhenDone(false);
    const std::string text =
        Sjis(u8"ゼルバ「いらっしゃいませ！」\fぜるば堂へようこそ。\n今日は何になさいますか？");
    ASSERT_TRUE(scene.ShowMessage(&said, text.c_str(), 0xFF523E14, nullptr));
    world.Frames(40);
    CMessageOutEvent& out = scene.message_output();
    EXPECT_EQ(Utf8Of(out.VisibleLine(0)), testing_support::Utf8(u8"ゼルバ「いらっしゃいませ！」"));
    EXPECT_TRUE(out.IsWaiting());
    world.Tap(kDecide);
    world.Frames(60);
    EXPECT_EQ(Utf8Of(out.VisibleLine(0)), testing_support::Utf8(u8"ぜるば堂へようこそ。"));
    EXPECT_EQ(Utf8Of(out.VisibleLine(1)), testing_support::Utf8(u8"今日は何になさいますか？"));
    world.Tap(kDecide);
    ASSERT_TRUE(said.IsDone());

    const std::string labels_cp932[] = {Sjis(u8"日替わりランチ"), Sjis(u8"特製シチュー"),
                                        Sjis(u8"焼きたてパン"), Sjis(u8"ハーブティー"),
                                        Sjis(u8"今日はやめておく")};
    const char* labels[] = {labels_cp932[0].c_str(), labels_cp932[1].c_str(),
                            labels_cp932[2].c_str(), labels_cp932[3].c_str(),
                            labels_cp932[4].c_str(), nullptr};
    CSelectEvent& choice = scene.select_window();
    choice.SetSize(220, 24);
    choice.SetTextStyle(0xFF3A2A10, &font);
    choice.EnableMouse(true);
    int chosen = 0;
    WaitHandle picked;
    ASSERT_TRUE(scene.StartSelect(&picked, 360, 120, &chosen, labels, 3));
    world.Frames(1);

    world.Tap(kDown);
    EXPECT_EQ(chosen, 1);
    world.mouse().SetWheel(-1);
    world.Frames(1);
    EXPECT_EQ(choice.GetTop(), 1);
    EXPECT_EQ(chosen, 2);
    world.Point(380, 120 + 32 * 2 + 10);  // the third visible row
    world.Frames(2);
    EXPECT_EQ(chosen, 3);
    world.Frames(7);  // frame counter 10 keeps the blinking arrows on

    EXPECT_TRUE(MatchesGolden("vn/golden/message_and_choice", world.runtime.graphics.Pixels(),
                              CDirectGraphics::kScreenWidth, CDirectGraphics::kScreenHeight));

    world.Click();
    world.Frames(1);
    EXPECT_TRUE(picked.IsDone());
    EXPECT_EQ(chosen, 3);
}

}  // namespace
