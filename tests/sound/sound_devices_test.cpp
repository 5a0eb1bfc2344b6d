// The sound objects play through the devices of the runtime that is alive: when a runtime built
// inside another ends, the outer one's devices are theirs again.
#include <gtest/gtest.h>

#include "engine/sound/direct_show.h"
#include "engine/sound/direct_sound.h"
#include "engine/sound/qz_sound.h"
#include "engine/sound/wave.h"
#include "tests/sound/sound_fixture.h"

namespace sound_test {
namespace {

TEST(SoundDevices, AnInnerRuntimeThatEndsGivesTheOuterOneItsDevicesBack) {
    SoundWorld world;
    ASSERT_TRUE(world.runtime.sound.Init(nullptr));
    world.runtime.show.SetVolume(40);
    world.Write("dat/level.wav", ConstantWave(48000, 4800, 16384));
    { EngineRuntime inner; }

    DWave wave;
    ASSERT_TRUE(wave.Load("dat\\level.wav"));
    wave.Play(0, 0);
    EXPECT_FLOAT_EQ(Peak(world.backend.audio.Pull(kFrameSamples)), 0.5f);
    // A new music content takes its volume from the register it joins.
    CQZSound music;
    EXPECT_EQ(music.GetVolume(), 40);
}

}  // namespace
}  // namespace sound_test
