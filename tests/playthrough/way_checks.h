// What is checked each time it happens on the way, whatever step the path is on: a monthly
// report takes the asset tax of 1000 and the month's income tax and leaves income and expenses
// at 0; a recipe-count reward raises "reward_num" by one and gives its row's item or food; a
// contest ends with the contest flag 0 and the player's pantry in use. Each time is counted,
// and each fault kept as a line for the test to report.
#pragma once

#include <string>
#include <vector>

namespace play_test {

class PlayHarness;

class WayChecks {
public:
    // Looks at the game once; called after every frame of the script.
    void Sample(const PlayHarness& play);

    const std::vector<std::string>& faults() const { return faults_; }
    int reports() const { return reports_; }
    int rewards() const { return rewards_; }
    int contests() const { return contests_; }

private:
    void Fault(const PlayHarness& play, const std::string& what);
    // How much of the reward row's item (bag) or food (pantry) the player holds.
    static float HeldOfReward(const PlayHarness& play, int row);

    std::vector<std::string> faults_;
    int reports_ = 0, rewards_ = 0, contests_ = 0;
    // The report under way: money before its taxes, and the taxes it must take.
    bool in_report_ = false;
    long long report_money_ = 0;
    int report_taxes_ = 0;
    int reward_num_ = -1;
    float reward_held_ = 0.0f;
    bool in_contest_ = false;
};

}  // namespace play_test
