// The start-up logo: its animation, the one deferred start and the one switch to the title.
#include "game/logo/logo_component.h"

#include <gtest/gtest.h>

#include "engine/graphics/draw_recorder.h"
#include "tests/support/engine_world.h"

namespace {

class TitleStandIn : public CQZGameComponent {
public:
    TitleStandIn() { SetName("TitleComp"); }
    void Initialize() override {}
    void Finalize() override {}
    void Update() override {}
    void OnEnter(int) override { ++entered; }
    int entered = 0;
};

class LogoTest : public ::testing::Test {
protected:
    LogoTest() {
        world.backend.services().folders.game = VEMU_GAME_DIR;
        world.runtime.graphics.Init(&world.backend.window, true);
        world.runtime.input.Init(nullptr);
        mediator().RegisterComponent(&logo);
        mediator().InitializeComponents();
        mediator().ChangeComponent(CLogoComp::kName, 0, 0);
        mediator().RegisterComponent(&title);
        world.runtime.graphics.SetDrawRecorder(&recorder);
    }
    CQZGameMediator& mediator() { return world.runtime.mediator; }

    testing_support::EngineWorld world;
    CLogoComp logo;
    TitleStandIn title;
    DrawRecorder recorder;
};

TEST_F(LogoTest, AsksForTheDeferredStartOnceAndSwitchesOnceAtFrame128) {
    std::vector<int> deferred_frames;
    for (int frame = 1; frame <= 200; ++frame) {
        mediator().SetRenderFlag(true);
        if (mediator().Run() == 1) deferred_frames.push_back(frame);
    }
    EXPECT_EQ(deferred_frames, std::vector<int>{CLogoComp::kTitleFrame});
    EXPECT_TRUE(logo.started_title());
    // The fade-out to the title takes 32 frames after the request.
    EXPECT_EQ(title.entered, 1);
    EXPECT_EQ(mediator().GetCurrentComponent(), &title);
}

TEST_F(LogoTest, FramesWithoutDrawingStillCountButDrawNothing) {
    mediator().SetRenderFlag(false);
    mediator().Run();
    EXPECT_EQ(logo.frame_count(), 1);
    EXPECT_TRUE(recorder.ops.empty());
}

TEST_F(LogoTest, TheScreenDarkensFromWhiteWhileTheSpriteDropsIn) {
    mediator().SetRenderFlag(true);
    mediator().Run();  // c = 1: grey 253, sprite at y = trunc(3.8 - 64) = -60
    EXPECT_EQ(world.runtime.graphics.Pixels()[0], 0xFFFDFDFDu);
    const auto effects = recorder.OfKind(DrawOp::Kind::Effect);
    ASSERT_FALSE(effects.empty());
    EXPECT_EQ(effects[0].texture, 0);
    EXPECT_EQ(effects[0].effect.width, 640);
    const auto textures = recorder.OfKind(DrawOp::Kind::Texture);
    ASSERT_GE(textures.size(), 2u);
    EXPECT_EQ(textures[0].x, 288);
    EXPECT_EQ(textures[0].y, -60);
    // Last in every phase: the logo picture at the centre.
    EXPECT_EQ(textures.back().x, 204);
    EXPECT_EQ(textures.back().y, 240);
    EXPECT_NE(textures.back().texture, 0) << "resource 526 did not load from " VEMU_GAME_DIR;
}

TEST_F(LogoTest, TheBannerFadesInAndTheShadowSitsOnePixelOff) {
    for (int i = 0; i < 70; ++i) {
        recorder.Clear();
        mediator().SetRenderFlag(true);
        mediator().Run();
    }
    // c = 70: banner alpha 70 * 8 mod 256 = 48, shadow grey 128 at alpha 140 at (205, 241).
    const auto effects = recorder.OfKind(DrawOp::Kind::Effect);
    ASSERT_GE(effects.size(), 2u);
    EXPECT_EQ(effects[0].effect.alpha, 48);
    EXPECT_EQ(effects[0].effect.red, 255);
    EXPECT_EQ(effects[1].effect.x, 205);
    EXPECT_EQ(effects[1].effect.y, 241);
    EXPECT_EQ(effects[1].effect.red, 128);
    EXPECT_EQ(effects[1].effect.alpha, 140);
}

}  // namespace
