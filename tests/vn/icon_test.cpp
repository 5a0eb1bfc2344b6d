// The clickable icon: hover, the latched press and the texture it draws.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/framework/icon_event.h"
#include "engine/graphics/texture.h"
#include "tests/graphics/graphics_fixture.h"
#include "tests/vn/vn_world.h"

namespace {

using namespace vn_test;

TEST(Icon, HoverLatchesAPressUntilTheOwnerClearsIt) {
    VnWorld world;
    CIconEvent icon;
    EXPECT_EQ(icon.priority(), 5);
    icon.SetRect(100, 50, 40, 20);
    icon.Start(nullptr);
    world.Point(139, 69);  // the last pixel inside
    world.Frames(2);
    EXPECT_TRUE(icon.IsHover());
    EXPECT_FALSE(icon.IsPressed());
    world.Click();
    world.Frames(1);
    EXPECT_TRUE(icon.IsPressed());
    world.Point(140, 69);  // just outside: the press stays latched
    world.Frames(2);
    EXPECT_FALSE(icon.IsHover());
    EXPECT_TRUE(icon.IsPressed());
    icon.SetPressed(false);
    world.HoldLeft(true);  // a press outside latches nothing
    world.Frames(3);
    EXPECT_FALSE(icon.IsPressed());
    EXPECT_TRUE(world.mediator().IsRunning(&icon));  // it never finishes by itself
}

TEST(Icon, DrawsThePressedThenHoverThenNormalTextureOrTheFirstThereIs) {
    VnWorld world;
    testing_support::TempFolder folder;
    world.backend.services().folders.game = folder.path();
    std::filesystem::create_directories(folder.path() + "/dat");
    const Bytes bmp = MakeBmp24(2, 2, std::vector<std::uint32_t>(4, 0xFF808080));
    std::ofstream(folder.path() + "/dat/icon.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    DTexture normal, hover, pressed;
    for (DTexture* texture : {&normal, &hover, &pressed})
        ASSERT_TRUE(texture->LoadFromFile("dat\\icon.bmp", 0));

    CIconEvent icon;
    icon.SetRect(10, 20, 40, 20);
    icon.Start(nullptr);
    auto drawn = [&world] {
        const auto ops = world.recorder.OfKind(DrawOp::Kind::Texture);
        return ops.size() == 1 && ops[0].x == 10 && ops[0].y == 20 ? ops[0].texture : -1;
    };
    world.Frames(1);
    EXPECT_TRUE(world.recorder.OfKind(DrawOp::Kind::Texture).empty());  // no texture at all

    icon.SetPressedTexture(&pressed);
    world.Frames(1);
    EXPECT_EQ(drawn(), pressed.GetIndex());  // the only one there is
    icon.SetNormalTexture(&normal);
    icon.SetHoverTexture(&hover);
    world.Frames(1);
    EXPECT_EQ(drawn(), normal.GetIndex());
    world.Point(15, 25);
    world.Frames(2);
    EXPECT_EQ(drawn(), hover.GetIndex());
    world.Click();
    world.Frames(1);
    EXPECT_EQ(drawn(), pressed.GetIndex());
}

}  // namespace
