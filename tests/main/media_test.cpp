// What Initialize loads (every picture, portrait and sound of the tables) and the music table.
#include "engine/framework/game_mediator.h"
#include "engine/sound/qz_sound.h"
#include "tests/main/main_fixture.h"

namespace {

using namespace main_test;

TEST_F(MainGameTest, EveryTablePictureIsLoaded) {
    SceneTextures& t = game.stage().textures();
    std::vector<DTexture*> pictures = {
        &t.life,
        &t.magic,
        &t.heroine_idle,
        &t.back_shop,
        &t.front_shop,
        &t.cursor_held,
        &t.cursor,
        &t.page_up,
        &t.page_down,
        &t.message_window,
        &t.item_board,
        &t.item_board_on,
        &t.item_board2,
        &t.item_board2_on,
        &t.item_board3,
        &t.item_board3_on,
        &t.ribbon,
        &t.moon,
        &t.sun,
        &t.name_board,
        &t.paper,
        &t.shop_frame,
        &t.character_frame,
        &t.gauge,
        &t.background,
        &t.icon_year,
        &t.icon_month,
        &t.icon_day,
        &t.icon_colon,
        &t.icon_money,
    };
    for (DTexture& picture : t.heroine) pictures.push_back(&picture);
    for (DTexture& picture : t.buttons) pictures.push_back(&picture);
    for (DTexture& picture : t.digits) pictures.push_back(&picture);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_NE(pictures[i]->GetIndex(), 0) << "picture " << i;
        EXPECT_GT(pictures[i]->GetWidth(), 0) << "picture " << i;
    }
    // A missing picture or sound would have said so in a message box.
    EXPECT_TRUE(world.backend.dialogs.boxes.empty());
}

TEST_F(MainGameTest, EveryCharacterHasItsPortraitsLoaded) {
    const PortraitTable& portraits = game.stage().portraits();
    EXPECT_EQ(portraits.table[0][kNormal], nullptr);
    int pictures = 0;
    for (int c = 1; c < kCharacterCount; ++c) {
        ASSERT_NE(portraits.table[c][kNormal], nullptr) << c;
        for (const DTexture* picture : portraits.table[c]) {
            if (!picture) continue;
            EXPECT_NE(picture->GetIndex(), 0) << c;
            ++pictures;
        }
    }
    // 22 normal pictures and the 16 other expressions some characters have.
    EXPECT_EQ(pictures, 38);
    EXPECT_NE(portraits.table[1][kTear], portraits.table[1][kAnger]);
}

TEST_F(MainGameTest, EverySoundEffectIsLoaded) {
    for (int effect = 0; effect < kSoundEffectCount; ++effect)
        EXPECT_TRUE(game.stage().Sound(static_cast<SoundEffect>(effect)).IsLoaded()) << effect;
    EXPECT_TRUE(game.stage().sounds().switch_sound.IsLoaded());
}

TEST_F(MainGameTest, MusicIdsWithoutAPieceChangeNothingAndSayDoneAtOnce) {
    WaitHandle start;
    ASSERT_TRUE(game.stage().PlayBgm(&start, 1));
    EXPECT_TRUE(start.IsDone());
    CQZSound* playing = game.stage().music().sound();
    ASSERT_NE(playing, nullptr);
    for (int id : {0, 14, 16}) {
        SCOPED_TRACE(id);
        WaitHandle handle;
        EXPECT_TRUE(game.stage().PlayBgm(&handle, id));
        EXPECT_TRUE(handle.IsDone());
        EXPECT_EQ(game.stage().music().sound(), playing);
        EXPECT_FALSE(game.stage().music().IsFading());
    }
    // A null handle is as good as none.
    EXPECT_TRUE(game.stage().PlayBgm(nullptr, 14));
}

TEST_F(MainGameTest, AnotherPieceTakesOverAfterA50FrameFade) {
    WaitHandle handle;
    game.stage().PlayBgm(&handle, 1);
    for (int id : {2, 15}) {
        SCOPED_TRACE(id);
        game.stage().PlayBgm(&handle, id);
        EXPECT_TRUE(game.stage().music().IsFading());
        EXPECT_EQ(handle.state, WaitHandle::kWaiting);
        world.Frames(45);
        EXPECT_EQ(handle.state, WaitHandle::kWaiting);
        world.Frames(8);
        EXPECT_TRUE(handle.IsDone());
        EXPECT_NE(game.stage().music().sound(), nullptr);
        EXPECT_FALSE(game.stage().music().IsFading());
    }
}

}  // namespace
