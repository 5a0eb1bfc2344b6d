#include <gtest/gtest.h>

#include "engine/common/system.h"
#include "platform/crt_random.h"
#include "script/field_movement.h"
#include "tests/script/script_world.h"

namespace script_test {
namespace {

struct Move {
    int mode, x, y, speed;
    bool operator==(const Move&) const = default;
};

class FakeCharacter : public CFieldCharacter {
public:
    FakeCharacter(float x, float y) : x_(x), y_(y) { speed = 4; }
    void MoveTo(int mode, int x, int y, std::int32_t move_speed) override {
        moves.push_back({mode, x, y, move_speed});
    }
    float GetX() const override { return x_; }
    float GetY() const override { return y_; }
    std::vector<Move> moves;

private:
    float x_, y_;
};

int CellOffset(int draw) { return 32 - 32 * (draw % 3); }

class FieldTest : public ScriptWorld, public ::testing::Test {};

TEST_F(FieldTest, ObjectsKeepTheirConstructionValues) {
    const CRPGFieldMap& map = script.field.field_map;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(map.Word(i), 0u);
    EXPECT_EQ(map.Scale(), 1.0f);
    EXPECT_EQ(map.Parameter(), 17);
    EXPECT_EQ(map.Buffer(), nullptr);
    EXPECT_EQ(CRPGFieldMap::Graphics(), GetDirectGraphics());
    EXPECT_EQ(script.field.model_graphics, GetDirectGraphics());
    for (const DXFile& model : script.field.models) {
        for (std::uint32_t word : model.words) EXPECT_EQ(word, 0u);
        for (float scale : model.scale) EXPECT_EQ(scale, 1.0f);
    }
    for (const DTexture& texture : script.field.model_textures) EXPECT_EQ(texture.GetIndex(), 0);
    for (const DTexture& texture : script.field.tile_textures) EXPECT_EQ(texture.GetIndex(), 0);
    EXPECT_TRUE(script.field.placed_models.empty());
    EXPECT_TRUE(script.field.models_by_name.empty());
}

// The y offset comes from the first draw, the x offset from the second; the seed is one whose
// two draws give different offsets, so a swap shows.
TEST_F(FieldTest, RandomStepDrawsYFirst) {
    std::uint32_t seed = 1;
    int first = 0, second = 0;
    for (;; ++seed) {
        Srand(seed);
        first = Rand();
        second = Rand();
        if (CellOffset(first) != CellOffset(second)) break;
    }
    Srand(seed);
    FakeCharacter walker(100.5f, 200.75f);
    FieldRandomStep(walker);
    ASSERT_EQ(walker.moves.size(), 1u);
    EXPECT_EQ(walker.moves[0], (Move{0, static_cast<int>(100.5f + CellOffset(second)),
                                     static_cast<int>(200.75f + CellOffset(first)), 4}));
}

TEST_F(FieldTest, EitherStopFlagKeepsTheCharacterAndItsDrawsUnused) {
    const std::pair<int, int> flags[] = {{1, 0}, {0, 1}, {1, 1}};
    for (const auto& [stopped, held] : flags) {
        SCOPED_TRACE(::testing::Message() << stopped << held);
        FakeCharacter walker(0, 0), leader(50, 50);
        walker.stopped = static_cast<std::uint8_t>(stopped);
        walker.held = static_cast<std::uint8_t>(held);
        Srand(7);
        FieldRandomStep(walker);
        FieldFollowStep(walker, leader);
        EXPECT_TRUE(walker.moves.empty());
        EXPECT_EQ(platform::GameRandom().State(), 7u);
    }
}

TEST_F(FieldTest, FollowStepMovesOnePixelTowardTheFollowed) {
    struct Case {
        float leader_x, leader_y;
        int x, y;
    };
    // From (10.9, 20.2), which counts as (10, 20).
    const Case cases[] = {
        {10.0f, 20.0f, 10, 20}, {10.5f, 20.9f, 10, 20}, {11.0f, 25.0f, 11, 21},
        {3.0f, 19.0f, 9, 19},   {99.0f, 0.0f, 11, 19},  {-4.0f, 20.0f, 9, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.leader_x << "," << c.leader_y);
        FakeCharacter follower(10.9f, 20.2f), leader(c.leader_x, c.leader_y);
        FieldFollowStep(follower, leader);
        ASSERT_EQ(follower.moves.size(), 1u);
        EXPECT_EQ(follower.moves[0], (Move{0, c.x, c.y, 4}));
    }
}

}  // namespace
}  // namespace script_test
