// What the draw operations put on the 640 x 480 picture.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/graphics/font.h"
#include "engine/graphics/glyph_source.h"
#include "graphics_fixture.h"
#include "platform/common/font_face.h"
#include "tests/support/golden.h"

namespace {

constexpr std::uint32_t kGrey = 0xFF404040, kRed = 0xFFFF0000, kBlue = 0xFF0000FF,
                        kGreen = 0xFF00FF00, kWhite = 0xFFFFFFFF;

// 8 x 4: a red and blue checker of columns, with one pure-green pixel at (2, 1).
std::vector<std::uint32_t> Pattern() {
    std::vector<std::uint32_t> p(32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            p[static_cast<std::size_t>(y) * 8 + x] = (x + y) % 2 ? kBlue : kRed;
    p[1 * 8 + 2] = kGreen;
    return p;
}

class Drawing : public GraphicsWorld {
protected:
    void LoadPattern(DTexture& texture) {
        WriteFile("dat/pattern.bmp", MakeBmp24(8, 4, Pattern()));
        ASSERT_TRUE(texture.LoadFromFile("dat\\pattern.bmp", 0xFF00FF00));
    }
    const std::uint32_t* Frame() const { return gfx->Pixels(); }
};

TEST_F(Drawing, UnscaledBlitPutsTexelIOnPixelXPlusIAndKeysOutGreen) {
    Fill(kGrey);
    DTexture texture;
    LoadPattern(texture);
    gfx->DrawTexture(10, 20, &texture);
    const auto pattern = Pattern();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const std::uint32_t want = pattern[static_cast<std::size_t>(y) * 8 + x] == kGreen
                                           ? kGrey
                                           : pattern[static_cast<std::size_t>(y) * 8 + x];
            EXPECT_EQ(gfx->PixelAt(10 + x, 20 + y), want) << x << "," << y;
        }
    // Nothing outside the quad: the top-left rule covers 10..17 and 20..23 only.
    EXPECT_EQ(gfx->PixelAt(9, 20), kGrey);
    EXPECT_EQ(gfx->PixelAt(18, 20), kGrey);
    EXPECT_EQ(gfx->PixelAt(10, 24), kGrey);
    EXPECT_TRUE(MatchesGolden("graphics/golden/blit_color_key", Frame(), 640, 480));
}

TEST_F(Drawing, EffectTable) {
    Fill(kGrey);
    DTexture texture;
    LoadPattern(texture);
    DEffect natural;
    natural.x = 20, natural.y = 20, natural.width = DEffect::kImageSize,
    natural.height = DEffect::kImageSize;
    natural.alpha = natural.red = natural.green = natural.blue = 255;
    gfx->DrawEffect(&natural, &texture);
    // Natural size: the same pixels as a plain blit.
    EXPECT_EQ(gfx->PixelAt(20, 20), kRed);
    EXPECT_EQ(gfx->PixelAt(27, 23), kRed);
    EXPECT_EQ(gfx->PixelAt(28, 20), kGrey);

    DEffect wide = natural;
    wide.x = 100, wide.y = 20, wide.width = 16;  // twice the width, about the image's centre
    gfx->DrawEffect(&wide, &texture);
    EXPECT_EQ(gfx->PixelAt(95, 20), kGrey);
    EXPECT_EQ(gfx->PixelAt(96, 20), kRed);  // half an image width left of x
    EXPECT_EQ(gfx->PixelAt(97, 20), kRed);  // texel 0 covers two pixels
    EXPECT_EQ(gfx->PixelAt(98, 20), kBlue);
    EXPECT_EQ(gfx->PixelAt(111, 20), kBlue);
    EXPECT_EQ(gfx->PixelAt(112, 20), kGrey);

    DEffect tint = natural;
    tint.x = 200, tint.alpha = 128, tint.green = 0, tint.blue = 0;  // half-transparent, red only
    gfx->DrawEffect(&tint, &texture);
    // Red texel x (128, 255, 0, 0) over grey: 255*128/255 + 64*127/255 = 160 red, 32 green/blue.
    EXPECT_EQ(gfx->PixelAt(200, 20), 0xFFA02020u);
    // A blue texel tinted red is black at alpha 128: the grey is halved.
    EXPECT_EQ(gfx->PixelAt(201, 20), 0xFF202020u);

    DEffect panel;
    panel.x = 300, panel.y = 100, panel.width = 50, panel.height = 30;
    panel.alpha = 255, panel.red = 0, panel.green = 0xFF, panel.blue = 0xFF;
    gfx->DrawEffect(&panel, nullptr);
    EXPECT_EQ(gfx->PixelAt(300, 100), 0xFF00FFFFu);
    EXPECT_EQ(gfx->PixelAt(349, 129), 0xFF00FFFFu);
    EXPECT_EQ(gfx->PixelAt(350, 129), kGrey);

    DEffect turned = natural;
    turned.x = 400, turned.y = 200, turned.rotation = 90;
    gfx->DrawEffect(&turned, &texture);
    EXPECT_TRUE(MatchesGolden("graphics/golden/effect_table", Frame(), 640, 480));
}

TEST_F(Drawing, DrawStateIsResetAfterAnEffectAndATexturedQuad) {
    DTexture texture;
    LoadPattern(texture);
    DEffect odd;
    odd.x = 50, odd.y = 50, odd.width = 30, odd.height = 10, odd.rotation = 33;
    odd.alpha = 100, odd.red = 10, odd.green = 200, odd.blue = 30;
    gfx->DrawEffect(&odd, &texture);
    const DrawState& state = gfx->GetDrawState();
    EXPECT_EQ(state.rotation, 0.0f);
    EXPECT_EQ(state.scale_x, 1.0f);
    EXPECT_EQ(state.scale_y, 1.0f);
    EXPECT_EQ(state.center_x, 0.0f);
    EXPECT_EQ(state.color, kWhite);

    gfx->SetRotation(45, 4, 2);
    gfx->GetDrawState().SetScale(3, 3);
    gfx->GetDrawState().SetColor(0x80FF0000);
    gfx->DrawTextureRect(300, 300, &texture, 0, 0, 8, 4);
    EXPECT_EQ(gfx->GetDrawState().color, kWhite);

    Fill(kGrey);
    gfx->DrawTexture(10, 10, &texture);
    EXPECT_EQ(gfx->PixelAt(10, 10), kRed);
    EXPECT_EQ(gfx->PixelAt(11, 10), kBlue);
    EXPECT_EQ(gfx->PixelAt(12, 11), kGrey);
    EXPECT_TRUE(MatchesGolden("graphics/golden/state_reset", Frame(), 640, 480));
}

TEST_F(Drawing, DegreesBecomeRadiansByThreeFourteenOverOneEighty) {
    gfx->SetRotation(90, 0, 0);
    EXPECT_NEAR(gfx->GetDrawState().rotation, 1.5700f, 1e-5);
    gfx->SetRotation(360, 0, 0);
    EXPECT_NEAR(gfx->GetDrawState().rotation, 6.28f, 1e-5);
}

TEST_F(Drawing, DegenerateDrawsPutNothingOnThePicture) {
    Fill(kGrey);
    DTexture texture;
    LoadPattern(texture);
    DEffect e;  // every field zero
    gfx->DrawEffect(&e, &texture);
    gfx->DrawEffect(&e, nullptr);
    e.alpha = 255, e.width = 0, e.height = 40;
    gfx->DrawEffect(&e, nullptr);
    e.width = DEffect::kImageSize, e.height = DEffect::kImageSize,
    e.rotation = std::numeric_limits<float>::infinity();
    gfx->DrawEffect(&e, &texture);
    DTexture empty;  // no image size
    e.rotation = 0;
    gfx->DrawEffect(&e, &empty);
    gfx->DrawTexture(0, 0, &empty);
    gfx->DrawEffect(nullptr, &texture);
    for (int i = 0; i < 640 * 480; ++i) ASSERT_EQ(Frame()[i], kGrey) << i;
}

TEST_F(Drawing, ClearColorWithoutAlphaLeavesThePicture) {
    Fill(kRed);
    gfx->SetClearColor(0x00FFFFFF);
    gfx->Clear();
    EXPECT_EQ(gfx->PixelAt(5, 5), kRed);
}

TEST_F(Drawing, RecorderSeesEveryDrawWithItsArguments) {
    DrawRecorder recorder;
    gfx->SetDrawRecorder(&recorder);
    DTexture texture;
    LoadPattern(texture);
    gfx->DrawTexture(3, 4, &texture);
    DEffect e;
    e.x = 7, e.width = 9, e.height = 2, e.alpha = 200, e.red = 1;
    gfx->DrawEffect(&e, nullptr);
    gfx->DrawText(600, 10, "abc", 0xFF112233, nullptr, DT_RIGHT);
    gfx->SetDrawRecorder(nullptr);
    ASSERT_EQ(recorder.ops.size(), 3u);
    EXPECT_EQ(recorder.ops[0].kind, DrawOp::Kind::Texture);
    EXPECT_EQ(recorder.ops[0].texture, texture.GetIndex());
    EXPECT_EQ(recorder.ops[0].x, 3);
    EXPECT_EQ(recorder.ops[1].kind, DrawOp::Kind::Effect);
    EXPECT_EQ(recorder.ops[1].effect.width, 9);
    EXPECT_EQ(recorder.ops[1].color, 0xC8010000u);
    EXPECT_EQ(recorder.ops[2].kind, DrawOp::Kind::Text);
    EXPECT_EQ(recorder.ops[2].text, "abc");
    EXPECT_EQ(recorder.ops[2].rect, (TextRect{0, 10, 600, 480}));
    EXPECT_EQ(recorder.ops[2].format, DT_RIGHT);
}

TEST_F(Drawing, ANullTargetRecordsEveryDrawButLeavesThePictureAsItWas) {
    Fill(kGrey);
    DrawRecorder recorder;
    gfx->SetDrawRecorder(&recorder);
    gfx->SetNullTarget(true);
    DTexture texture;
    LoadPattern(texture);
    gfx->SetClearColor(kRed);
    gfx->Clear();
    gfx->DrawTexture(3, 4, &texture);
    DEffect e;
    e.width = 640, e.height = 480, e.alpha = 255, e.red = 255;
    gfx->DrawEffect(&e, nullptr);
    gfx->DrawText(10, 10, "abc", kWhite, nullptr, 0);
    EXPECT_EQ(recorder.ops.size(), 3u);
    for (int y : {0, 4, 10, 479})
        for (int x : {0, 3, 10, 639}) EXPECT_EQ(gfx->PixelAt(x, y), kGrey) << x << "," << y;

    // Back on a real target the same draw lands.
    gfx->SetNullTarget(false);
    gfx->DrawText(10, 10, "abc", kWhite, nullptr, 0);
    EXPECT_EQ(gfx->PixelAt(10, 10), kWhite);
    gfx->SetDrawRecorder(nullptr);
}

// The box font: a single-byte character is a box half the height wide.
TEST_F(Drawing, TextRightAlignedAtSixHundredAndWordWrapped) {
    Fill(kGrey);
    gfx->DrawText(600, 10, "AB", kWhite, nullptr, DT_RIGHT);  // two 10 x 20 boxes
    EXPECT_EQ(gfx->PixelAt(599, 10), kWhite);
    EXPECT_EQ(gfx->PixelAt(580, 29), kWhite);
    EXPECT_EQ(gfx->PixelAt(600, 10), kGrey);
    EXPECT_EQ(gfx->PixelAt(579, 10), kGrey);

    // Japanese breaks between any two double-byte characters; English at spaces.
    const TextRect box{20, 100, 90, 300};
    gfx->DrawTextRect(box, "あいうえおか", kWhite, nullptr, DT_WORDBREAK | DT_EXPANDTABS);
    EXPECT_EQ(gfx->PixelAt(79, 100), kWhite);  // three 20-pixel characters per 70-pixel line
    EXPECT_EQ(gfx->PixelAt(80, 100), kGrey);
    EXPECT_EQ(gfx->PixelAt(20, 120), kWhite);  // second line
    EXPECT_EQ(gfx->PixelAt(20, 140), kGrey);
    gfx->DrawTextRect({20, 200, 90, 300}, "ab cd\nefghijklm", 0x80FFFFFF, nullptr, DT_WORDBREAK);
    EXPECT_EQ(gfx->PixelAt(40, 200), kGrey);        // the space
    EXPECT_EQ(gfx->PixelAt(89, 220), 0xFFA0A0A0u);  // a long word is clipped at the edge...
    EXPECT_EQ(gfx->PixelAt(90, 220), kGrey);        // ...not wrapped
    // A stray lead byte before a line feed does not swallow it: "B" goes on the next line.
    gfx->DrawTextRect({500, 200, 640, 300}, "A\x82\nB", kWhite, nullptr, 0x50);
    EXPECT_EQ(gfx->PixelAt(500, 220), kWhite);
    EXPECT_EQ(gfx->PixelAt(509, 239), kWhite);
    EXPECT_EQ(gfx->PixelAt(510, 220), kGrey);
    gfx->DrawTextRect({300, 300, 400, 360}, "mid", kWhite, nullptr,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(gfx->PixelAt(335, 320), kWhite);
    EXPECT_EQ(gfx->PixelAt(334, 320), kGrey);
    EXPECT_TRUE(MatchesGolden("graphics/golden/text_box_font", Frame(), 640, 480));
}

TEST_F(Drawing, OneLineInIpaMincho) {
    const std::string mincho = platform::FindMinchoFontFile();
    if (mincho.empty()) GTEST_SKIP() << "fonts-ipafont-mincho is not installed";
    gfx->SetGlyphSource(MakeFreeTypeGlyphSource(mincho, platform::FindGothicFontFile()));
    Fill(kWhite);
    gfx->DrawText(16, 16, "ぜるば堂へようこそ。Vemu 1.0", 0xFF523E14, nullptr, 0x50);
    int inked = 0;
    for (int y = 16; y < 36; ++y)
        for (int x = 16; x < 400; ++x) inked += gfx->PixelAt(x, y) != kWhite;
    EXPECT_GT(inked, 200);
    for (int x = 0; x < 640; ++x) EXPECT_EQ(gfx->PixelAt(x, 40), kWhite);  // a 20-pixel cell
    EXPECT_TRUE(MatchesGolden("graphics/golden/text_ipa_mincho", Frame(), 640, 480));
}

TEST_F(Drawing, LostDeviceTogglesTheModeAtTheEndOfTheFrameAndKeepsTextures) {
    DTexture texture;
    LoadPattern(texture);
    DFont font;
    ASSERT_TRUE(font.Create(16, "ＭＳ Ｐゴシック", true));
    backend.window.LoseDeviceOnNextPresent();
    gfx->Present();
    EXPECT_EQ(gfx->IsFullScreen(), 0);
    EXPECT_TRUE(gfx->RecoverLostDevice());
    EXPECT_EQ(gfx->IsFullScreen(), 1);
    EXPECT_TRUE(backend.window.IsFullScreen());
    EXPECT_FALSE(gfx->RecoverLostDevice());
    ASSERT_NE(gfx->GetFontData(font.GetIndex()), nullptr);
    EXPECT_NE(gfx->GetFontData(font.GetIndex())->renderer, nullptr);
    Fill(kGrey);
    gfx->DrawTexture(0, 0, &texture);
    EXPECT_EQ(gfx->PixelAt(0, 0), kRed);
    gfx->ToggleFullScreen();
    EXPECT_EQ(gfx->IsFullScreen(), 0);
}

TEST_F(Drawing, TheWindowShowsThePresentedPicture) {
    DTexture texture;
    LoadPattern(texture);
    Fill(kGrey);
    gfx->DrawTexture(10, 20, &texture);
    gfx->Present();
    const auto shown = backend.window.LastFrame();
    ASSERT_EQ(shown.size(), 640u * 480u);
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), Frame()));
    EXPECT_EQ(shown[20 * 640 + 10], kRed);
    EXPECT_EQ(backend.window.PresentCount(), 1);
}

}  // namespace
