// The title: the logo opening, the menu, the save-slot list, cancelling it, and the hand-overs to
// the real main game (new game, continue, the demo), with and without it being there.
#include "game/title/title_component.h"

#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "engine/framework/mouse_event.h"
#include "engine/sound/qz_sound.h"
#include "events/story.h"
#include "platform/files.h"
#include "tests/title/title_world.h"

namespace {

using namespace title_test;

class TitleTest : public ::testing::Test {
protected:
    void EnterTitle() { world.Enter(title); }
    // Untouched, the menu shows after this many frames.
    static constexpr int kMenuFrame = CTitleComp::kMenuCounter - CTitleComp::kEnterCounter;
    static constexpr int kDemoFrame = CTitleComp::kDemoCounter - CTitleComp::kEnterCounter;

    bool MenuShown() { return world.mediator().IsRunning(&title.select_window()); }
    int HandOverLines() const {
        const auto lines = world.DebugLines();
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
            return l.find("VemuComp") != std::string::npos;
        }));
    }
    void OpenSlotList() {
        world.Frames(kMenuFrame);
        world.Tap(kDown);
        world.Tap(kDecide);
        ASSERT_EQ(title.state(), CTitleComp::kSlotList);
    }

    GameWorld world;
    CTitleComp title;
};

TEST_F(TitleTest, UntouchedTheMenuShowsOnceTheLogoIsOpen) {
    EnterTitle();
    world.Frames(kMenuFrame - 1);
    EXPECT_FALSE(MenuShown());
    world.Frames(1);
    EXPECT_TRUE(MenuShown());
    EXPECT_EQ(title.select_window().GetCount(), 2);
    world.Frames(1);
    EXPECT_EQ(world.Texts(),
              (std::vector<std::string>{Sjis(u8"はじめから"), Sjis(u8"つづきから")}));
}

TEST_F(TitleTest, ADecideOrAClickDuringTheOpeningShowsTheMenuAtOnce) {
    for (bool click : {false, true}) {
        SCOPED_TRACE(click ? "left click" : "decide");
        EnterTitle();
        world.Frames(10);
        if (click) {
            world.backend.window.HoldMouseButton(0, true);
            world.Frames(1);
            world.backend.window.HoldMouseButton(0, false);
        } else {
            world.Press(kDecide);
        }
        EXPECT_EQ(title.counter(), CTitleComp::kMenuCounter);
        EXPECT_TRUE(MenuShown());
        // The press that opened the menu is not also taken as its choice.
        world.Frames(5);
        EXPECT_TRUE(MenuShown());
        EXPECT_EQ(title.state(), CTitleComp::kMainMenu);
        title.select_window().Stop();
    }
}

TEST_F(TitleTest, TheLogoOpensFromItsMiddleLineAsItFadesIn) {
    EnterTitle();
    world.Frames(70);  // counter 0: only the picture
    ASSERT_EQ(world.recorder.OfKind(DrawOp::Kind::Texture).size(), 1u);
    EXPECT_TRUE(world.recorder.OfKind(DrawOp::Kind::Effect).empty());
    const DrawOp picture = world.recorder.OfKind(DrawOp::Kind::Texture)[0];
    EXPECT_EQ(picture.x, 0);
    EXPECT_EQ(picture.y, 0);
    EXPECT_NE(picture.texture, 0) << "dat/title_image.bmp did not load from " VEMU_GAME_DIR;

    struct Case {
        int counter, alpha;
        bool full;
    };
    int counter = 0;
    for (const Case& c : {Case{1, 1, false}, Case{128, 128, false}, Case{254, 254, false},
                          Case{255, 255, true}, Case{400, 255, true}}) {
        world.Frames(c.counter - counter);
        counter = c.counter;
        SCOPED_TRACE(c.counter);
        const auto effects = world.recorder.OfKind(DrawOp::Kind::Effect);
        ASSERT_FALSE(effects.empty());
        const DEffect& e = effects[0].effect;
        EXPECT_NE(effects[0].texture, 0);
        EXPECT_EQ(e.x, 20);
        EXPECT_EQ(e.y, 0);
        EXPECT_EQ(e.alpha, c.alpha);
        EXPECT_EQ(e.red, 255);
        EXPECT_EQ(e.width, DEffect::kImageSize);
        // The logo picture's height comes from its file; the drawn height grows with it.
        DTexture logo;
        ASSERT_TRUE(logo.LoadFromFile("dat\\title_logo.bmp", 0));
        EXPECT_EQ(e.height, c.full ? DEffect::kImageSize : logo.GetHeight() * c.counter / 255);
    }
}

TEST_F(TitleTest, TheTitlePlaysItsOwnMusicFromTheStart) {
    EnterTitle();
    ASSERT_NE(title.music().sound(), nullptr);
    EXPECT_EQ(title.music().sound()->GetState(), CQZSound::kPlaying);
    EXPECT_TRUE(world.mediator().IsRunning(&title.music()));
}

TEST_F(TitleTest, TheTitlesPieceGoesRoundAgainAfterItsLength) {
    EnterTitle();
    CQZSound* sound = title.music().sound();
    ASSERT_NE(sound, nullptr);
    const std::int64_t length = sound->GetEndPoint();  // in 100 ns
    ASSERT_GT(length, 0);
    auto& audio = world.backend.audio;
    constexpr std::int64_t kFrame = 200'000;  // 20 ms
    const int frame_samples = audio.Format().rate / 50;
    auto note_ons_from = [&](std::size_t first) {
        int n = 0;
        for (std::size_t i = first; i < audio.midi.size(); ++i) {
            const auto& m = audio.midi[i].bytes;
            if (m.size() == 3 && (m[0] & 0xF0) == 0x90 && m[2] != 0) ++n;
        }
        return n;
    };
    // Frames as the title runs them, each with its 20 ms of audio, to just past the piece's end.
    std::int64_t elapsed = 0;
    for (; elapsed <= length; elapsed += kFrame) {
        audio.Pull(frame_samples);
        world.Frames(1);
    }
    ASSERT_GT(note_ons_from(0), 0);
    const std::size_t after_end = audio.midi.size();
    for (int i = 0; i < 250; ++i) {  // five seconds more
        audio.Pull(frame_samples);
        world.Frames(1);
    }
    EXPECT_EQ(sound->GetState(), CQZSound::kPlaying);
    EXPECT_LT(sound->GetPosition(), length);
    EXPECT_GT(note_ons_from(after_end), 0) << "silence after " << elapsed / 10'000'000 << " s";
    EXPECT_TRUE(world.mediator().IsRunning(&title.music()));
}

// The main game has taken the demo on: its story screen runs the demo's scene.
void ExpectTheDemoStarted(GameWorld& world, CTitleComp& title) {
    EXPECT_EQ(title.counter(), CTitleComp::kDemoCounter);
    EXPECT_EQ(world.mediator().GetTransitionMode(), 2);
    EXPECT_TRUE(world.main_game.story().live());
    EXPECT_EQ(world.main_game.story().last_row(), StoryEvent::kTitleDemo);
    EXPECT_EQ(world.main_game.screens().id(), kScreenStory);
    world.Frames(40);
    EXPECT_EQ(world.main_game.entered, 1);
    EXPECT_EQ(world.mediator().GetCurrentComponent(), &world.main_game);
    // The demo is a show of the game: the title's music goes on under it.
    ASSERT_NE(title.music().sound(), nullptr);
    EXPECT_EQ(title.music().sound()->GetState(), CQZSound::kPlaying);
}

TEST_F(TitleTest, UntouchedTheDemoStartsAtCounter1000) {
    world.AddMainGame();
    EnterTitle();
    world.Frames(kDemoFrame - 1);
    EXPECT_FALSE(world.Switching());
    EXPECT_FALSE(world.main_game.story().live());
    world.Frames(1);
    ExpectTheDemoStarted(world, title);
    EXPECT_EQ(HandOverLines(), 0);
}

TEST_F(TitleTest, WithoutTheMainGameCounter1000GoesBackToTheMenu) {
    EnterTitle();
    world.Frames(kDemoFrame - 1);
    EXPECT_TRUE(world.mediator().IsRunning(&title.select_window()));
    world.Frames(1);
    EXPECT_EQ(world.DebugLines(),
              std::vector<std::string>{"TitleComp: no VemuComp for the title demo\n"});
    EXPECT_EQ(title.counter(), CTitleComp::kMenuCounter - 1);
    EXPECT_EQ(title.state(), CTitleComp::kMainMenu);
    EXPECT_FALSE(world.Switching());
    world.Frames(1);
    EXPECT_TRUE(MenuShown());
    EXPECT_EQ(title.select_window().GetCount(), 2);
    world.Frames(40);
    EXPECT_FALSE(world.Switching());
    ASSERT_NE(title.music().sound(), nullptr);
    EXPECT_EQ(title.music().sound()->GetState(), CQZSound::kPlaying);
}

TEST_F(TitleTest, TheDemoAlsoTakesOverFromTheSlotListAndTheTitleComesBackToItsMenu) {
    world.AddMainGame();
    EnterTitle();
    OpenSlotList();
    world.Frames(CTitleComp::kDemoCounter - title.counter() - 1);
    EXPECT_EQ(title.state(), CTitleComp::kSlotList);
    world.Frames(1);
    ExpectTheDemoStarted(world, title);
    EXPECT_FALSE(world.mediator().IsRunning(&title.select_window()));

    // Back from the demo: the menu opens again as on a first visit.
    world.mediator().ChangeComponent(CTitleComp::kName, 0, 0);
    EXPECT_EQ(title.state(), CTitleComp::kMainMenu);
    world.Frames(kMenuFrame);
    EXPECT_TRUE(MenuShown());
    EXPECT_EQ(title.select_window().GetCount(), 2);
}

TEST_F(TitleTest, CancellingTheSlotListRebuildsTheMenuAndRestartsTheCount) {
    world.AddMainGame();
    for (bool right_button : {false, true}) {
        SCOPED_TRACE(right_button ? "right button" : "cancel key");
        EnterTitle();
        OpenSlotList();
        if (right_button)
            world.ClickRight();
        else
            world.Press(kCancel);
        EXPECT_EQ(title.state(), CTitleComp::kMainMenu);
        EXPECT_EQ(title.counter(), CTitleComp::kMenuCounter - 1);
        EXPECT_FALSE(world.mediator().IsRunning(&title.select_window()));
        // The stopped list is not taken for a choice of the menu (its first row is new game).
        EXPECT_FALSE(world.Switching());
        world.Frames(1);
        EXPECT_TRUE(MenuShown());
        EXPECT_EQ(title.select_window().GetCount(), 2);
        EXPECT_FALSE(world.Switching());
        // The demo comes 746 frames after the cancel.
        world.Frames(CTitleComp::kDemoCounter - CTitleComp::kMenuCounter - 1);
        EXPECT_FALSE(world.Switching());
        world.Frames(1);
        EXPECT_TRUE(world.Switching());
        world.Frames(40);
        world.mediator().ChangeComponent(CTitleComp::kName, 0, 0);
    }
}

class SlotListTest : public TitleTest {
protected:
    SlotListTest() {
        // Dates are local time; pin the zone so the expected texts hold everywhere.
        const char* tz = std::getenv("TZ");
        saved_tz_ = tz ? tz : "";
        had_tz_ = tz != nullptr;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~SlotListTest() override {
        if (had_tz_)
            setenv("TZ", saved_tz_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    void WriteSlot(int slot, std::time_t modified) {
        const std::string folder = world.data.path() + "/dat";
        platform::MakeDirectories(folder);
        char name[32];
        std::snprintf(name, sizeof name, "/scd%02d.sav", slot);
        const std::string path = folder + name;
        const unsigned char byte = 0;
        ASSERT_TRUE(platform::WriteWholeFile(path, &byte, 1));
        utimbuf times{modified, modified};
        ASSERT_EQ(utime(path.c_str(), &times), 0);
    }

    std::string saved_tz_;
    bool had_tz_ = false;
};

TEST_F(SlotListTest, ASlotIsDatedByItsFirstFileAndAMissingOneCannotBeChosen) {
    WriteSlot(2, 1617613620);  // 2021-04-05 09:07 UTC
    WriteSlot(7, 1703980799);  // 2023-12-30 23:59:59 UTC
    EnterTitle();
    OpenSlotList();
    struct Expect {
        int slot;
        const char8_t* label;
        const char8_t* time;
        bool enabled;
    };
    for (const Expect& e : {Expect{0, u8"記録 1： --------", u8"---", false},
                            Expect{2, u8"記録 3： 2021/4/5", u8"9:07", true},
                            Expect{6, u8"記録 7： --------", u8"---", false},
                            Expect{7, u8"記録 8： 2023/12/30", u8"23:59", true}}) {
        SCOPED_TRACE(e.slot);
        const MenuEntry& entry = title.slots()[static_cast<std::size_t>(e.slot)];
        EXPECT_EQ(entry.label, Sjis(e.label));
        EXPECT_EQ(entry.second_text, Sjis(e.time));
        EXPECT_EQ(entry.enabled != 0, e.enabled);
    }
    world.Frames(1);
    const auto texts = world.recorder.OfKind(DrawOp::Kind::Text);
    const auto missing = std::find_if(texts.begin(), texts.end(), [](const DrawOp& op) {
        return op.text == Sjis(u8"記録 1： --------");
    });
    ASSERT_NE(missing, texts.end());
    EXPECT_EQ(missing->color, MenuEntry::kDisabledColor);

    // The cursor starts on the empty first slot: deciding there does nothing.
    world.AddMainGame();
    world.Press(kDecide);
    EXPECT_EQ(title.state(), CTitleComp::kSlotList);
    EXPECT_FALSE(world.Switching());
    world.Frames(1);
    world.Tap(kDown);
    world.Tap(kDown);
    world.Press(kDecide);
    EXPECT_EQ(title.cursor(), 2);
    // A one-byte file is no save game: nothing half-loaded is played, and the title stays.
    ASSERT_EQ(world.backend.dialogs.boxes.size(), 1u);
    EXPECT_EQ(world.backend.dialogs.boxes[0].text, testing_support::Utf8(u8"ロードできません"));
    EXPECT_EQ(world.backend.dialogs.boxes[0].caption, testing_support::Utf8(u8"ごめんねエラー"));
    EXPECT_FALSE(world.Switching());
    ASSERT_NE(title.music().sound(), nullptr);
    EXPECT_EQ(title.music().sound()->GetState(), CQZSound::kPlaying);
    world.Frames(40);
    EXPECT_EQ(world.main_game.entered, 0);
    EXPECT_TRUE(MenuShown());
}

TEST_F(SlotListTest, WithoutTheMainGameContinuingStaysOnTheTitleWithItsMusic) {
    WriteSlot(0, 1617613620);
    EnterTitle();
    OpenSlotList();
    world.Press(kDecide);
    EXPECT_EQ(HandOverLines(), 1);
    EXPECT_EQ(title.state(), CTitleComp::kMainMenu);
    ASSERT_NE(title.music().sound(), nullptr);
    EXPECT_EQ(title.music().sound()->GetState(), CQZSound::kPlaying);
    world.Frames(1);
    EXPECT_TRUE(MenuShown());
}

TEST_F(TitleTest, NewGameHandsOverOnlyWhenTheMainGameIsThere) {
    EnterTitle();
    world.Frames(kMenuFrame);
    world.Press(kDecide);
    EXPECT_EQ(HandOverLines(), 1);
    EXPECT_FALSE(world.Switching());
    ASSERT_NE(title.music().sound(), nullptr);
    world.Frames(1);
    EXPECT_TRUE(MenuShown());

    world.AddMainGame();
    world.Press(kDecide);
    EXPECT_TRUE(world.Switching());
    EXPECT_EQ(title.music().sound(), nullptr);
    EXPECT_FALSE(world.mediator().IsRunning(&title.music()));
    world.Frames(40);
    EXPECT_EQ(world.main_game.entered, 1);
    EXPECT_EQ(HandOverLines(), 1);
    // The main game took over with a fresh play-through.
    EXPECT_EQ(world.mediator().GetCurrentComponent(), &world.main_game);
    EXPECT_EQ(world.main_game.world().start_kit, 1);
    EXPECT_EQ(world.main_game.state().money, 10000);
    EXPECT_GT(world.main_game.view().frame_counter(), 0);
}

}  // namespace

namespace {

TEST_F(TitleTest, AChoiceJustBeforeTheDemoIsNotOvertakenByIt) {
    world.AddMainGame();
    EnterTitle();
    world.Frames(CTitleComp::kDemoCounter - 5 - CTitleComp::kEnterCounter - 1);
    world.Press(kDecide);
    ASSERT_TRUE(world.Switching());
    const int chosen_at = title.counter();
    EXPECT_LT(chosen_at, CTitleComp::kDemoCounter);
    // The switch fades out for 32 frames; a demo start meanwhile would begin it again.
    world.Frames(33);
    EXPECT_EQ(title.counter(), chosen_at);
    EXPECT_EQ(world.main_game.entered, 1);
    world.Frames(40);
    EXPECT_EQ(world.main_game.entered, 1);
    EXPECT_FALSE(world.Switching());

    // Entering again starts the title afresh.
    world.mediator().ChangeComponent(CTitleComp::kName, 0, 0);
    world.Frames(1);
    EXPECT_EQ(title.counter(), CTitleComp::kEnterCounter + 1);
}

}  // namespace
