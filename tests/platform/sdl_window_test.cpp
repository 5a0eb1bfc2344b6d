// The SDL window's message queue, on SDL's dummy video driver (no display needed).
#include "platform/sdl/sdl_window.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

using platform::Message;
using platform::MessageKind;

// Ticks that pile up while the window thread is behind must not starve the window's own
// events: a key pressed meanwhile is handled before them, and none of the ticks is lost.
TEST(SdlWindow, WindowEventsComeBeforeQueuedTimerTicks) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) GTEST_SKIP() << SDL_GetError();
    {
        platform::sdl::SdlWindow window;
        ASSERT_TRUE(window.Create(640, 480));
        for (int i = 0; i < 12; ++i) window.PostMessage(Message::MakeTimer(1));
        SDL_Event key{};
        key.type = SDL_KEYDOWN;
        key.key.windowID = SDL_GetWindowID(window.handle());
        key.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
        ASSERT_EQ(SDL_PushEvent(&key), 1);

        Message message;
        ASSERT_TRUE(window.GetMessage(message));
        EXPECT_EQ(message.kind, MessageKind::KeyDown);
        EXPECT_EQ(message.key, platform::vk::kEscape);

        window.PostQuit(0);
        int ticks = 0;
        while (window.GetMessage(message)) {
            EXPECT_EQ(message.kind, MessageKind::Timer);
            ++ticks;
        }
        EXPECT_EQ(ticks, 12);
    }
    SDL_Quit();
}

// A button pressed and let go before the frame polls still reads as down in that poll: SDL's
// own state shows only where a button is now, and would lose such a tap.
TEST(SdlWindow, AClickBetweenTwoPollsReadsAsDownForOnePoll) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) GTEST_SKIP() << SDL_GetError();
    {
        platform::sdl::SdlWindow window;
        ASSERT_TRUE(window.Create(640, 480));
        for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event click{};
            click.type = type;
            click.button.windowID = SDL_GetWindowID(window.handle());
            click.button.button = SDL_BUTTON_LEFT;
            click.button.x = 100;
            click.button.y = 100;
            ASSERT_EQ(SDL_PushEvent(&click), 1);
        }
        window.PostMessage(Message::MakeTimer(1));
        Message message;
        ASSERT_TRUE(window.GetMessage(message));
        EXPECT_EQ(message.kind, MessageKind::Timer);
        EXPECT_FALSE(window.IsMouseButtonDown(0));
        window.BeginInputPoll();
        EXPECT_TRUE(window.IsMouseButtonDown(0));
        EXPECT_FALSE(window.IsMouseButtonDown(1));
        window.BeginInputPoll();
        EXPECT_FALSE(window.IsMouseButtonDown(0));
    }
    SDL_Quit();
}

}  // namespace
