// A headless engine with a started graphics device, a draw recorder on it, input unlocked and
// the mouse event running; frames run through the mediator with scripted keys and mouse.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/common/sjis.h"
#include "engine/framework/message_out_event.h"
#include "engine/graphics/draw_recorder.h"
#include "engine/graphics/texture.h"
#include "engine/input/direct_input.h"
#include "engine/sound/wave.h"
#include "platform/files.h"
#include "platform/virtual_keys.h"
#include "tests/graphics/graphics_fixture.h"
#include "tests/sound/sound_fixture.h"
#include "tests/support/engine_world.h"

namespace vn_test {

// Virtual buttons 0..5, under the tests' short names, and the keys that hold them.
inline constexpr VirtualButton kUp = kButtonUp, kDown = kButtonDown, kLeft = kButtonLeft,
                               kRight = kButtonRight, kDecide = kButtonDecide,
                               kCancel = kButtonCancel;
constexpr int kButtonKeys[] = {platform::vk::kUp,    platform::vk::kDown,   platform::vk::kLeft,
                               platform::vk::kRight, platform::vk::kReturn, platform::vk::kNumpad2};

// Program text from a UTF-8 literal.
using testing_support::Sjis;
inline std::string Utf8Of(const std::string& cp932) { return sjis::ToUtf8(cp932); }

class VnWorld : public testing_support::EngineWorld {
public:
    VnWorld() {
        runtime.graphics.Init(nullptr, true);
        runtime.input.Init(nullptr);
        runtime.mediator.InitializeComponents();
        runtime.graphics.SetDrawRecorder(&recorder);
        CMessageOutEvent::ResetStepCounter();
    }
    ~VnWorld() { runtime.graphics.SetDrawRecorder(nullptr); }

    CQZGameMediator& mediator() { return runtime.mediator; }
    CMouseEvent& mouse() { return runtime.mouse; }
    CDirectInput& input() { return runtime.input; }

    void Hold(int button, bool held) { backend.window.HoldKey(kButtonKeys[button], held); }
    void HoldLeft(bool held) { backend.window.HoldMouseButton(0, held); }
    void HoldRight(bool held) { backend.window.HoldMouseButton(1, held); }
    void Point(int x, int y) { backend.window.SetCursorPos({x, y}); }
    void ReleaseAll() {
        backend.window.ReleaseAllKeys();
        HoldLeft(false);
        HoldRight(false);
    }

    // Runs frames; the recorder keeps only the draws of the last one.
    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            recorder.Clear();
            mediator().Run();
        }
    }
    // A fresh press of a button for one frame, then released for one frame.
    void Tap(int button) {
        Hold(button, true);
        Frames(1);
        Hold(button, false);
        Frames(1);
    }
    // Presses the left button for one frame; the mouse event reads it at the end of the frame,
    // so the other events see it in the frame after.
    void Click() {
        HoldLeft(true);
        Frames(1);
        HoldLeft(false);
    }

    // The texts drawn in the last frame, as UTF-8, in draw order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const DrawOp& op : recorder.OfKind(DrawOp::Kind::Text)) out.push_back(Utf8Of(op.text));
        return out;
    }
    const DrawOp* FindText(const char8_t* utf8) const {
        const std::string want = testing_support::Utf8(utf8);
        for (const DrawOp& op : recorder.ops)
            if (op.kind == DrawOp::Kind::Text && Utf8Of(op.text) == want) return &op;
        return nullptr;
    }

    DrawRecorder recorder;
};

// Sound effects a test can watch: each lasts a second and nothing pulls the output, so a wave
// reads playing from the moment it is played until Quiet().
class WaveProbes {
public:
    explicit WaveProbes(VnWorld& world) {
        world.backend.services().folders.game = folder.path();
        platform::MakeDirectories(folder.path() + "/dat");
        const sound_test::Bytes bytes = sound_test::ConstantWave(48000, 48000, 8192);
        EXPECT_TRUE(
            platform::WriteWholeFile(folder.path() + "/dat/probe.wav", bytes.data(), bytes.size()));
        EXPECT_TRUE(world.runtime.sound.Init(nullptr));
    }
    void Load(DWave& wave) { EXPECT_TRUE(wave.Load("dat\\probe.wav")); }
    static void Quiet(std::initializer_list<DWave*> waves) {
        for (DWave* wave : waves) wave->Stop();
    }

private:
    testing_support::TempFolder folder;
};

// Plain pictures of a given size in a fresh game folder, for marks drawn as textures.
class Pictures {
public:
    explicit Pictures(VnWorld& world) {
        world.backend.services().folders.game = folder.path();
        platform::MakeDirectories(folder.path() + "/dat");
    }
    void Load(DTexture& texture, int width, int height) {
        const Bytes bmp = MakeBmp24(
            width, height, std::vector<std::uint32_t>(std::size_t(width * height), 0xFF808080));
        EXPECT_TRUE(
            platform::WriteWholeFile(folder.path() + "/dat/mark.bmp", bmp.data(), bmp.size()));
        EXPECT_TRUE(texture.LoadFromFile("dat\\mark.bmp", 0));
    }

private:
    testing_support::TempFolder folder;
};

}  // namespace vn_test
