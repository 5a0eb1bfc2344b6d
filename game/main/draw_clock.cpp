// The sun and the moon crossing the sky with the game clock, and the date and money bar.
#include <cmath>

#include "engine/common/numbers.h"
#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"
#include "game/main/view.h"

namespace {

// Half a turn, as the game has always reckoned it (3.14), over the 720 minutes of a day or night.
constexpr float kRadiansPerMinute = 3.14f / 720.0f;
constexpr float kPerMinute = 0.016666668f;  // 1 / 60

struct SkyPlace {
    int x, y;
};

// Where a body stands minutes_up after it rose; before rising or after setting it is below the
// horizon at the left or right. base_y is its height at the horizon.
SkyPlace PlaceInSky(int minutes_up, int base_y, int bob) {
    const float angle = static_cast<float>(minutes_up) * kRadiansPerMinute;
    return {static_cast<int>(120.0f - 110.0f * std::cos(angle)),
            static_cast<int>(static_cast<float>(bob + base_y) - 25.0f * std::sin(angle))};
}

constexpr int kSunBaseY = 10, kMoonBaseY = 15;

}  // namespace

void PlayView::DrawSunAndMoon() const {
    const int hour = game_.state().clock.hour, minute = game_.state().clock.minute;
    const int bob = TriangleWave(frame_counter_, -2, 2, 8);
    const SkyPlace sun = PlaceInSky(60 * (hour - 6) + minute, kSunBaseY, bob);
    const SkyPlace moon = PlaceInSky(60 * (hour - 18) + minute, kMoonBaseY, bob);
    const float risen = static_cast<float>(minute) * kPerMinute;

    // In the hour around dawn and dusk a body grows out of or shrinks into the horizon.
    struct Twilight {
        int hour;
        DTexture* picture;
        SkyPlace place;
        bool rising;
    };
    const Twilight kTwilights[] = {
        {18, &textures().sun, sun, false},
        {5, &textures().sun, sun, true},
        {6, &textures().moon, moon, false},
        {17, &textures().moon, moon, true},
    };
    for (const Twilight& twilight : kTwilights) {
        if (twilight.hour != hour) continue;
        DEffect effect = play_draw::PictureEffect(twilight.place.x, twilight.place.y, 255);
        const float share = twilight.rising ? risen : 1.0f - risen;
        effect.width =
            static_cast<std::uint16_t>(share * static_cast<float>(twilight.picture->GetWidth()));
        effect.height = static_cast<std::uint16_t>(twilight.picture->GetHeight());
        graphics().DrawEffect(&effect, twilight.picture);
    }
    if (hour >= 6 && hour <= 17)
        graphics().DrawTexture(sun.x, sun.y, &textures().sun);
    else
        graphics().DrawTexture(moon.x, moon.y, &textures().moon);
}

void PlayView::DrawDateBar() const {
    constexpr int kY = 18;
    graphics().DrawTexture(270, 8, &textures().ribbon);
    const GameClock& clock = game_.state().clock;
    // The date stands a little left of the time, so that a two-digit hour keeps a space
    // after 日 ("1日 22:00", as "1日  7:10" has); the time keeps its place beside the money.
    constexpr int kDateShift = 6;
    game_.stage().DrawNumber(336 - kDateShift, kY, clock.year);
    graphics().DrawTexture(340 - kDateShift, kY, &textures().icon_year);
    game_.stage().DrawNumber(374 - kDateShift, kY, clock.month);
    graphics().DrawTexture(380 - kDateShift, kY, &textures().icon_month);
    game_.stage().DrawNumber(414 - kDateShift, kY, clock.day);
    graphics().DrawTexture(418 - kDateShift, kY, &textures().icon_day);
    game_.stage().DrawNumber(454, kY, clock.hour);
    graphics().DrawTexture(454, kY, &textures().icon_colon);
    game_.stage().DrawNumber(482, kY, clock.minute);
    if (clock.minute < 10) game_.stage().DrawNumber(472, kY, 0);
    // The count includes a minus, so the icon stays left of a negative amount too.
    const int digits = game_.stage().DrawNumber(590, kY, game_.state().shown_money);
    graphics().DrawTexture(575 - 10 * digits, kY, &textures().icon_money);
}
