#include "tests/layout/screen_table.h"

#include <sys/types.h>
#include <utime.h>

#include <cstdio>
#include <ctime>

#include "game/ending/ending_component.h"
#include "game/food/food_def.h"
#include "game/main/screen_ids.h"
#include "game/rules/pantry.h"
#include "game/title/title_component.h"
#include "platform/files.h"

namespace layout_test {
namespace {

using play_test::Sjis;

// Fills the pantry in use with the foods of the longest names, a long dish name first.
void FillPantryWithLongNames(LayoutWorld& w) {
    const std::vector<std::string> dishes = LongDishNames();
    for (const std::string& name : dishes) {
        Food* food = AddFood(w.kitchen(), FindFoodDef(Sjis(u8"トマト")), 6);
        food->name = name;
    }
    for (const std::string& name : LongestEntryNames(10))
        AddFood(w.kitchen(), FindFoodDef(name), 66);
}

void FillMenuWithLongNames(LayoutWorld& w) {
    for (const std::string& name : LongDishNames()) {
        const std::unique_ptr<Food> food = Food::FromDef(FindFoodDef(Sjis(u8"トマト")));
        food->name = name;
        w.kitchen().menu.push_back(std::make_unique<MenuDish>(*food, 6.0f));
    }
    for (const std::string& name : LongestEntryNames(4)) {
        const std::unique_ptr<Food> food = Food::FromDef(FindFoodDef(name));
        w.kitchen().menu.push_back(std::make_unique<MenuDish>(*food, 12.0f));
    }
}

void Play(LayoutWorld& w, int id) { w.ShowScreen(id); }
// The shops are reached through the shop list, which closes the main commands' list.
void Shop(LayoutWorld& w, int id) {
    w.ShowScreen(kScreenShopList);
    w.Frames(2);
    w.ShowScreen(id);
}

// The goods list whose longest name is the longest, made the one in use.
template <typename Names>
void UseLongestGoods(LayoutWorld& w, Names names_of) {
    std::size_t best = 0;
    int best_list = w.game().goods_in_use();
    for (int list = 0; list < CVemuComp::kGoodsLists; ++list)
        for (const std::string& name : names_of(list))
            if (name.size() > best) {
                best = name.size();
                best_list = list;
            }
    w.game().set_goods_in_use(best_list);
}

std::vector<std::string> FoodGoodsNames(LayoutWorld& w, int list) {
    std::vector<std::string> names;
    for (const FoodDef* def : w.game().food_goods(list)) names.push_back(def->name);
    return names;
}

std::vector<std::string> ItemGoodsNames(LayoutWorld& w, int list) {
    std::vector<std::string> names;
    for (const CItem* item : w.game().item_goods(list)) names.push_back(item->GetName());
    return names;
}

void FillBagWithLongNames(LayoutWorld& w) {
    for (const std::string& name : LongestItemDescriptions(4)) w.game().GiveItem(name, 12);
    for (const std::string& name : LongestItemNames(6)) w.game().GiveItem(name, 3);
}

// Slot files dated at the widest date and time, so the labels are as long as they get.
void WriteWideSlots(LayoutWorld& w) {
    const std::string folder = w.data_folder() + "/dat";
    platform::MakeDirectories(folder);
    for (int slot : {0, 3, 7}) {
        char name[32];
        std::snprintf(name, sizeof name, "/scd%02d.sav", slot);
        const std::string path = folder + name;
        const unsigned char byte = 0;
        platform::WriteWholeFile(path, &byte, 1);
        const std::time_t when = 1798675140;  // 2026-12-30 23:59 in UTC
        utimbuf times{when, when};
        utime(path.c_str(), &times);
    }
}

// A dish made of dishes and ingredients of the longest names, by the kilogram, two deep.
void AddDeepDishToMenu(LayoutWorld& w) {
    const std::unique_ptr<Food> food = Food::FromDef(FindFoodDef(Sjis(u8"トマト")));
    food->name = LongDishNames()[1];
    food->children.clear();
    const std::vector<std::string> names = LongestEntryNames(6);
    for (const std::string& name : names) {
        auto node = std::make_unique<FoodNode>(FindFoodDef(name), 9.99f, 0, 100, 0, 0);
        for (const std::string& part : names)
            node->children.push_back(
                std::make_unique<FoodNode>(FindFoodDef(part), 9.99f, 0, 100, 0, 1));
        food->children.push_back(std::move(node));
    }
    w.kitchen().menu.push_back(std::make_unique<MenuDish>(*food, 6.0f));
}

// The row of the catalogue entry with the longest description among the first `count`.
int LongestDescriptionRow(int count) {
    int best = 0;
    std::size_t longest = 0;
    const FoodCatalogue& catalogue = GlobalFoodCatalogue();
    for (int i = 0; i < count && i < static_cast<int>(catalogue.size()); ++i)
        if (catalogue[static_cast<std::size_t>(i)]->description.size() > longest) {
            longest = catalogue[static_cast<std::size_t>(i)]->description.size();
            best = i;
        }
    return best;
}

void ShowOwnedItemAt(LayoutWorld& w, int row) {
    FillBagWithLongNames(w);
    Play(w, kScreenOwnedItems);
    w.Frames(2);
    w.game().set_screen_cursor(row);
}

void ShowStoryLine(LayoutWorld& w, const char8_t* line) {
    static WaitHandle handle;
    handle = WaitHandle{};
    w.game().ChangePortrait(nullptr, 18, 0);
    w.game().ShowMessage(&handle, Sjis(line).c_str(), false);
}

}  // namespace

const std::vector<ScreenRow>& Screens() {
    static const std::vector<ScreenRow> rows = {
        {"logo", [](LayoutWorld& w) { w.Frames(60); }, false},  // its texts are pictures
        {"title",
         [](LayoutWorld& w) {
             ASSERT_TRUE(w.RunUntilComponent(CTitleComp::kName));
             w.Press(play_test::kDecide);
         },
         false},
        {"title_slot_list",
         [](LayoutWorld& w) {
             WriteWideSlots(w);
             ASSERT_TRUE(w.RunUntilComponent(CTitleComp::kName));
             w.Press(play_test::kDecide);
             w.Frames(40);
             w.Press(play_test::kDown);
             w.Press(play_test::kDecide);
         },
         false},
        {"staff_roll",
         [](LayoutWorld& w) {
             ASSERT_TRUE(w.RunUntilComponent(CTitleComp::kName));
             w.mediator().ChangeComponent(CEndingComp::kName, 0, 0);
             w.Frames(300);
         },
         false},
        {"main_commands",
         [](LayoutWorld& w) {
             w.SetMoney(987654321);
             w.SetDate(2006, 12, 28, 18, 59);
             for (int method = 0; method < 6; ++method) w.state().skill_level[method] = 99;
         }},
        {"main_commands_morning", [](LayoutWorld& w) { w.SetDate(2006, 4, 14, 6, 0); }},
        {"main_commands_noon", [](LayoutWorld& w) { w.SetDate(2006, 4, 14, 12, 0); }},
        {"main_commands_night", [](LayoutWorld& w) { w.SetDate(2006, 4, 14, 0, 0); }},
        {"destinations",
         [](LayoutWorld& w) {
             for (int place = 0; place < 8; ++place) w.OpenPlace(place);
             Play(w, kScreenDestinations);
         }},
        {"shop_list",
         [](LayoutWorld& w) {
             w.SetShare(0);
             Play(w, kScreenShopList);
         }},
        {"food_shop",
         [](LayoutWorld& w) {
             UseLongestGoods(w, [&w](int list) { return FoodGoodsNames(w, list); });
             Shop(w, kScreenFoodShop);
         }},
        {"food_shop_number_entry",
         [](LayoutWorld& w) {
             w.SetMoney(99999);
             UseLongestGoods(w, [&w](int list) { return FoodGoodsNames(w, list); });
             Shop(w, kScreenFoodShop);
             w.Frames(40);
             w.Press(play_test::kDecide);
         }},
        {"tool_shop",
         [](LayoutWorld& w) {
             w.SetMoney(3000);
             UseLongestGoods(w, [&w](int list) { return ItemGoodsNames(w, list); });
             Shop(w, kScreenToolShop);
         }},
        {"stock_exchange",
         [](LayoutWorld& w) {
             w.SetMoney(99999999);
             Shop(w, kScreenStockExchange);
         }},
        {"pawn_shop",
         [](LayoutWorld& w) {
             FillBagWithLongNames(w);
             Shop(w, kScreenPawnShop);
         }},
        {"selling",
         [](LayoutWorld& w) {
             FillMenuWithLongNames(w);
             FillPantryWithLongNames(w);
             w.Frames(40);
             ASSERT_TRUE(w.Choose(u8"販売する"));
         },
         true, 30},  // a while into the day's selling, with the menu still on
        {"cooking",
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             Play(w, kScreenCooking);
         }},
        {"cooking_pot",
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             Play(w, kScreenCooking);
             w.Frames(40);
             // The long names are the last rows.
             for (int row : {0, 1, 5, 6, 7}) {
                 w.game().set_screen_cursor(row);
                 w.Press(play_test::kDecide);
                 w.Frames(20);
             }
         }},
        {"cooking_in_progress",
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             w.state().cooking_minutes = 900;  // 5 minutes a frame: still at work when checked
             Play(w, kScreenCookingInProgress);
         },
         true, 60},
        {"menu",
         [](LayoutWorld& w) {
             FillMenuWithLongNames(w);
             Play(w, kScreenMenu);
         }},
        {"menu_full",
         [](LayoutWorld& w) {
             FillMenuWithLongNames(w);
             Play(w, kScreenMenuFull);
         }},
        {"add_dish_to_menu",
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             Play(w, kScreenAddDishToMenu);
         }},
        {"contest_dish",
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             Play(w, kScreenContestDish);
         }},
        {"game_menu", [](LayoutWorld& w) { Play(w, kScreenGameMenu); }},
        {"ingredient_dictionary", [](LayoutWorld& w) { Play(w, kScreenIngredientDictionary); }},
        {"recipe_book", [](LayoutWorld& w) { Play(w, kScreenRecipeBook); }},
        // The item panel of each of the four longest descriptions (after the two starting tools).
        {"item_panel_longest_description_1", [](LayoutWorld& w) { ShowOwnedItemAt(w, 2); }},
        {"item_panel_longest_description_2", [](LayoutWorld& w) { ShowOwnedItemAt(w, 3); }},
        {"item_panel_longest_description_3", [](LayoutWorld& w) { ShowOwnedItemAt(w, 4); }},
        {"item_panel_longest_description_4", [](LayoutWorld& w) { ShowOwnedItemAt(w, 5); }},
        {"dish_panel_deep_composition",
         [](LayoutWorld& w) {
             AddDeepDishToMenu(w);
             Play(w, kScreenMenu);
         }},
        {"dish_panel_scrolling",
         [](LayoutWorld& w) {
             AddDeepDishToMenu(w);
             Play(w, kScreenMenu);
             w.Frames(100);
         }},
        {"entry_panel_longest_description",
         [](LayoutWorld& w) {
             for (const auto& def : GlobalFoodCatalogue()) def->known = 1;
             Play(w, kScreenIngredientDictionary);
             w.Frames(2);
             w.game().set_screen_cursor(LongestDescriptionRow(78));
         }},
        {"owned_items",
         [](LayoutWorld& w) {
             FillBagWithLongNames(w);
             Play(w, kScreenOwnedItems);
         }},
        {"equipment",
         [](LayoutWorld& w) {
             FillBagWithLongNames(w);
             Play(w, kScreenEquipment);
         }},
        {"outing", [](LayoutWorld& w) { Play(w, kScreenOuting); }, true},
        {"resting", [](LayoutWorld& w) { Play(w, kScreenResting); }, true},
        {"settings", [](LayoutWorld& w) { Play(w, kScreenSettings); }},
        {"text_speed", [](LayoutWorld& w) { Play(w, kScreenTextSpeed); }},
        {"music_volume", [](LayoutWorld& w) { Play(w, kScreenMusicVolume); }},
        {"effect_volume", [](LayoutWorld& w) { Play(w, kScreenEffectVolume); }},
        {"save_slot_list",
         [](LayoutWorld& w) {
             WriteWideSlots(w);
             w.game().StartStoryEvent(StoryEvent::kSave);
             // The question is read before the slots are listed.
             w.Frames(60);
             w.Press(play_test::kDecide);
         },
         true, 60},
        {"story_longest_two_lines",
         [](LayoutWorld& w) {
             ShowStoryLine(w,
                           u8"『ロコモコ』という料理を知っておるか？\n『ごはん』に『玉子焼き』と何"
                           u8"かを加えた南国の料理らしい");
         },
         true, 200},
        {"story_longest_wrapped",
         [](LayoutWorld& w) {
             ShowStoryLine(w,
                           u8"知っているかもしれんが、メニューに登録した料理は、材料が揃っていれば"
                           u8"注文時に自動的に作るぞ");
         },
         true, 200},
        {"yes_no_question",
         [](LayoutWorld& w) {
             ShowStoryLine(w, u8"この料理を提出しますか？");
             static WaitHandle answer;
             answer = WaitHandle{};
             w.game().AskYesNo(&answer);
         }},
        {"three_answers",
         [](LayoutWorld& w) {
             ShowStoryLine(w, u8"『ロコモコ』という料理を知っておるか？");
             static WaitHandle answer;
             answer = WaitHandle{};
             w.game().AskChoice3(&answer, Sjis(u8"知っている").c_str(), Sjis(u8"知らない").c_str(),
                                 Sjis(u8"食べてみたい").c_str());
         }},
    };
    return rows;
}

testing::AssertionResult ShowRow(LayoutWorld& world, const ScreenRow& row) {
    if (row.playing) {
        testing::AssertionResult started = world.StartPlaying();
        if (!started) return started;
    }
    row.show(world);
    if (testing::Test::HasFatalFailure())
        return testing::AssertionFailure() << row.name << " could not be shown";
    world.Frames(row.frames);
    return testing::AssertionSuccess();
}

}  // namespace layout_test
