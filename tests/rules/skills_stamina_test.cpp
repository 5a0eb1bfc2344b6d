// Skills, cooking speed and time, a piece of kitchen work, fatigue and rest.
#include <gtest/gtest.h>

#include "game/rules/equipment.h"
#include "game/rules/skills.h"
#include "game/rules/stamina.h"
#include "tests/rules/rules_fixture.h"

namespace {

using rules_test::RulesTest;

TEST(Skills, MixAndUnknownCodesEarnNothingAndCookAtSpeedOne) {
    PlayState state;
    state.utensil_level.fill(3);
    state.skill_level.fill(4);
    for (int method : {int{kMethodMix}, 0, 3, int{kMethodDiscard}}) {
        AddSkillExp(state, method, 500.0f);
        EXPECT_DOUBLE_EQ(PrepSpeed(state, method), 1.0) << method;
    }
    EXPECT_EQ(state.skill_level, (std::array<int, 6>{4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(state.skill_exp, (std::array<float, 6>{}));
    EXPECT_EQ(state.last_levelup_method, 0);
}

TEST(Skills, OneLevelPerGainKeepsTheRemainderForTheNextCall) {
    PlayState state;
    state.skill_exp[kSlotFry] = 9.5f;
    AddSkillExp(state, kMethodFry, 100.0f);
    EXPECT_EQ(state.skill_level[kSlotFry], 1);
    EXPECT_FLOAT_EQ(state.skill_exp[kSlotFry], 99.5f);
    EXPECT_EQ(state.last_levelup_method, kMethodFry);
    state.last_levelup_method = 0;
    AddSkillExp(state, kMethodFry, 0.0f);  // threshold 20 at level 1
    EXPECT_EQ(state.skill_level[kSlotFry], 2);
    EXPECT_FLOAT_EQ(state.skill_exp[kSlotFry], 79.5f);
    EXPECT_EQ(state.last_levelup_method, kMethodFry);
    AddSkillExp(state, kMethodFry, 0.0f);  // threshold 50 at level 2
    EXPECT_EQ(state.skill_level[kSlotFry], 3);
    EXPECT_FLOAT_EQ(state.skill_exp[kSlotFry], 29.5f);
    EXPECT_EQ(state.skill_level[kSlotBoil], 0);  // only its own method moves
}

TEST(Skills, SpeedAndTimeFollowUtensilAndSkill) {
    struct Case {
        int utensil, skill, work;
        double speed;
        int minutes;
    } cases[] = {
        {1, 0, 99, 1.0, 4},    // 495 / 100 truncates to 4
        {2, 0, 99, 1.3, 3},    // 4 / 1.3
        {0, 0, 200, 0.7, 14},  // no utensil: 10 / 0.7
        {0, 10, 200, 1.0, 10}, {1, 0, 19, 1.0, 0},
    };
    for (const Case& c : cases) {
        PlayState state;
        state.utensil_level[kSlotBake] = c.utensil;
        state.skill_level[kSlotBake] = c.skill;
        EXPECT_NEAR(PrepSpeed(state, kMethodBake), c.speed, 1e-12) << c.utensil << "/" << c.skill;
        EXPECT_EQ(PrepTime(state, kMethodBake, c.work), c.minutes) << c.utensil << "/" << c.skill;
    }
}

TEST(Kitchen, PrepStepEarnsTakesTimeAndTires) {
    PlayState state;
    state.utensil_level[kSlotBoil] = 1;
    state.cooking_minutes = 3;
    state.cooking_time_factor = 1.5f;
    PrepStep(state, kMethodBoil, 2.0f, 150);  // 300 g: 15 minutes, × 1.5 + 3 = 25.5
    EXPECT_FLOAT_EQ(state.skill_exp[kSlotBoil], 2.0f);
    EXPECT_EQ(state.cooking_minutes, 25);
    EXPECT_FLOAT_EQ(state.stamina, 99.6f);
    PrepStep(state, kMethodMix, 1.0f, 40);  // 2 minutes at speed 1, no experience
    EXPECT_EQ(state.cooking_minutes, 28);
    EXPECT_FLOAT_EQ(state.skill_exp[kSlotMix], 0.0f);
}

TEST_F(RulesTest, TheGutsRingsEaseFatigueAndTheFirstFoundWins) {
    struct Case {
        const char* slot2;
        const char* slot3;
        float relief;
    } cases[] = {
        {nullptr, nullptr, 1.0f},
        {"ガッツリング", nullptr, 0.66f},
        {nullptr, "超ガッツリング", 0.33f},
        {"超ガッツリング", "ガッツリング", 0.66f},  // both worn
        {"快眠ブレスレット", nullptr, 1.0f},
    };
    for (const Case& c : cases) {
        state = PlayState{};
        if (c.slot2) Wear(kEquipAccessory1, c.slot2);
        if (c.slot3) Wear(kEquipAccessory2, c.slot3);
        state.fatigue_factor = 2.0f;
        ApplyFatigue(state, 10.0f);
        EXPECT_NEAR(state.stamina, 100.0f - c.relief * 20.0f, 1e-4)
            << (c.slot2 ? c.slot2 : "-") << " " << (c.slot3 ? c.slot3 : "-");
    }
}

TEST_F(RulesTest, OnlyAccessorySlotsCountAsWorn) {
    Wear(kEquipClothing, "ガッツリング");
    Wear(kEquipMagic1, "ガッツリング");
    EXPECT_FALSE(IsAccessoryEquipped(state, "ガッツリング"));
    Wear(kEquipAccessory2, "ガッツリング");
    EXPECT_TRUE(IsAccessoryEquipped(state, "ガッツリング"));
    EXPECT_FALSE(IsAccessoryEquipped(state, "ガッツ"));
}

TEST_F(RulesTest, TheBraceletSpeedsRestAndNothingCapsIt) {
    state.stamina = 95.0f;
    state.recovery_factor = 2.0f;
    RecoverStamina(state, 4.0f);
    EXPECT_FLOAT_EQ(state.stamina, 103.0f);  // the frame brings it back to the maximum
    Wear(kEquipAccessory2, "快眠ブレスレット");
    RecoverStamina(state, 1.0f);
    EXPECT_FLOAT_EQ(state.stamina, 106.0f);
}

}  // namespace
