// The play harness drawing with the system's Japanese fonts, and the longest names the built
// data holds, for the layout table and the golden screens.
#pragma once

#include <string>
#include <vector>

#include "game/data/recipe_book.h"
#include "tests/layout/layout_check.h"
#include "tests/support/play_harness.h"

namespace layout_test {

class LayoutWorld : public play_test::PlayHarness {
public:
    // Installs the system fonts (fonts_found() false when they are missing) before anything
    // is measured; without `system_fonts` the box font stays, whose pixels never vary.
    explicit LayoutWorld(bool system_fonts = true);
    bool fonts_found() const { return fonts_found_; }

    // A new game after its opening, on the main commands.
    [[nodiscard]] testing::AssertionResult StartPlaying();

    // Checks the last drawn frame.
    LayoutReport Check() const;
    // Writes the last frame as a PNG into $VEMU_LAYOUT_SHOTS, when that is set.
    void Shoot(const std::string& name) const;

private:
    bool fonts_found_ = false;
};

// Catalogue entries (CP932 names), longest name first (by drawn width in bytes).
std::vector<std::string> LongestEntryNames(int count);
// Catalogue entries with the longest descriptions.
std::vector<std::string> LongestEntryDescriptions(int count);
// Item-table names (CP932) with the longest names, and with the longest descriptions.
std::vector<std::string> LongestItemNames(int count);
std::vector<std::string> LongestItemDescriptions(int count);
// Dish names the naming rules make, longer than any catalogue name (seen in play).
std::vector<std::string> LongDishNames();
// The longest names a dish can carry, both rotten: a name at the naming rules' limit, and the
// fallback that no limit holds, made on the recipe of the longest name.
std::vector<std::string> LongestDishNames(const RecipeBook& book);

}  // namespace layout_test
