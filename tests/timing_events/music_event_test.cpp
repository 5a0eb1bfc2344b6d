// The music event: the first piece at once, fades from one piece to the next, silence, and
// the handles of changes.
#include <gtest/gtest.h>

#include "engine/framework/music_event.h"
#include "engine/sound/qz_sound.h"
#include "tests/sound/sound_fixture.h"

namespace {

using sound_test::SoundWorld;

class MusicEventTest : public ::testing::Test {
protected:
    MusicEventTest() {
        world.Write("midi/a.mid", sound_test::OneNoteSmf());
        world.Write("midi/b.mid", sound_test::OneNoteSmf());
        mediator().SetRenderFlag(false);
    }
    CQZGameMediator& mediator() { return world.runtime.mediator; }
    void Frame(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            world.backend.audio.Pull(sound_test::kFrameSamples);
            mediator().Run();
        }
    }
    SoundWorld world;
    CMusicEvent music;
};

TEST_F(MusicEventTest, TheFirstPieceStartsAtOnceAndLoops) {
    WaitHandle handle;
    world.runtime.show.SetVolume(80);
    music.ChangeMusic(&handle, 50, "midi\\a.mid");
    EXPECT_TRUE(handle.IsDone());
    ASSERT_NE(music.sound(), nullptr);
    EXPECT_EQ(music.sound()->GetState(), CQZSound::kPlaying);
    EXPECT_TRUE(music.sound()->IsLoop());
    EXPECT_EQ(music.sound()->GetVolume(), 80.0);
    EXPECT_TRUE(mediator().IsRunning(&music));
    EXPECT_FALSE(music.stop_at_switch());
    Frame(60);  // past the piece's end: it goes round again
    EXPECT_EQ(music.sound()->GetState(), CQZSound::kPlaying);
}

TEST_F(MusicEventTest, AChangeFadesOutLinearlyThenStartsTheNextPiece) {
    WaitHandle first, change;
    music.ChangeMusic(&first, 0, "midi\\a.mid");
    world.runtime.show.SetVolume(60);  // the piece playing follows the master volume
    CQZSound* old_piece = music.sound();
    music.ChangeMusic(&change, 10, "midi\\b.mid");
    EXPECT_TRUE(music.IsFading());
    for (int frame = 1; frame <= 9; ++frame) {
        Frame();
        ASSERT_EQ(music.sound(), old_piece);
        EXPECT_NEAR(music.sound()->GetVolume(), 60.0 - 6.0 * frame, 1e-9) << frame;
        EXPECT_FALSE(change.IsDone());
    }
    Frame();
    EXPECT_TRUE(change.IsDone());
    EXPECT_FALSE(music.IsFading());
    ASSERT_NE(music.sound(), nullptr);
    EXPECT_TRUE(music.sound()->IsLoaded());
    EXPECT_EQ(music.sound()->GetVolume(), 60.0);
    EXPECT_TRUE(music.sound()->IsLoop());
    EXPECT_EQ(music.sound()->GetState(), CQZSound::kPlaying);
}

TEST_F(MusicEventTest, AChangeToSilenceFadesOutAndEndsTheEvent) {
    WaitHandle handle;
    music.ChangeMusic(nullptr, 0, "midi\\a.mid");
    music.ChangeMusic(&handle, 5, "");
    Frame(4);
    EXPECT_TRUE(mediator().IsRunning(&music));
    Frame();
    EXPECT_TRUE(handle.IsDone());
    EXPECT_FALSE(mediator().IsRunning(&music));
    EXPECT_FALSE(music.IsActive());
    EXPECT_FALSE(music.sound() && music.sound()->IsPlaying());
    // The next piece starts at once again.
    WaitHandle next;
    music.ChangeMusic(&next, 5, "midi\\b.mid");
    EXPECT_TRUE(next.IsDone());
    EXPECT_TRUE(music.sound()->IsPlaying());
}

TEST_F(MusicEventTest, AChangeOfNoFramesHappensAtOnce) {
    WaitHandle handle;
    music.ChangeMusic(nullptr, 0, "midi\\a.mid");
    world.runtime.show.SetVolume(50);
    music.ChangeMusic(&handle, 0, "midi\\b.mid");
    EXPECT_TRUE(handle.IsDone());
    EXPECT_FALSE(music.IsFading());
    EXPECT_TRUE(music.sound()->IsLoop());
    EXPECT_TRUE(music.sound()->IsPlaying());
}

TEST_F(MusicEventTest, AReplacedChangeIsSignalled) {
    WaitHandle older, newer;
    music.ChangeMusic(nullptr, 0, "midi\\a.mid");
    music.ChangeMusic(&older, 10, "midi\\b.mid");
    Frame(3);
    music.ChangeMusic(&newer, 10, "midi\\a.mid");
    EXPECT_TRUE(older.IsDone());
    EXPECT_FALSE(newer.IsDone());
    Frame(10);
    EXPECT_TRUE(newer.IsDone());
}

TEST_F(MusicEventTest, AChangeAfterTheOwnerClosedThePieceStartsAtOnce) {
    music.ChangeMusic(nullptr, 0, "midi\\a.mid");
    music.Close();
    EXPECT_EQ(music.sound(), nullptr);
    Frame();
    WaitHandle handle;
    music.ChangeMusic(&handle, 20, "midi\\b.mid");
    EXPECT_TRUE(handle.IsDone());
    EXPECT_TRUE(music.sound()->IsPlaying());
}

TEST_F(MusicEventTest, StopAlwaysEndsTheEvent) {
    music.ChangeMusic(nullptr, 0, "midi\\a.mid");
    music.Stop();
    EXPECT_FALSE(mediator().IsRunning(&music));
    EXPECT_EQ(music.sound()->GetState(), CQZSound::kStopped);
    music.ChangeMusic(nullptr, 0, "midi\\a.mid");
    music.Close();
    music.Stop();  // without a piece
    EXPECT_FALSE(mediator().IsRunning(&music));
    EXPECT_FALSE(music.IsActive());
}

TEST_F(MusicEventTest, DestroyingTheEventWritesToNoPendingHandle) {
    // The owner of the handle may be going away with the event, the handle first.
    WaitHandle pending;
    {
        CMusicEvent local;
        local.ChangeMusic(nullptr, 0, "midi\\a.mid");
        local.ChangeMusic(&pending, 10, "midi\\b.mid");
        ASSERT_EQ(pending.state, WaitHandle::kWaiting);
    }
    EXPECT_EQ(pending.state, WaitHandle::kWaiting);
}

TEST_F(MusicEventTest, TheTitleWayOpensThenStarts) {
    ASSERT_TRUE(music.Open("midi\\a.mid"));
    EXPECT_FALSE(music.sound()->IsLoop());
    EXPECT_TRUE(music.Start(nullptr));
    EXPECT_TRUE(music.sound()->IsPlaying());
    EXPECT_FALSE(music.Open("midi\\none.mid"));
}

}  // namespace
