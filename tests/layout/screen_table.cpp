#include "tests/layout/screen_table.h"

#include <sys/types.h>
#include <utime.h>

#include <cstdio>
#include <ctime>

#include "game/economy/owned_items.h"
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
    int best_list = w.game().world().goods_in_use;
    for (int list = 0; list < PlayWorld::kGoodsLists; ++list)
        for (const std::string& name : names_of(list))
            if (name.size() > best) {
                best = name.size();
                best_list = list;
            }
    w.game().world().goods_in_use = best_list;
}

std::vector<std::string> FoodGoodsNames(LayoutWorld& w, int list) {
    std::vector<std::string> names;
    for (const FoodDef* def : w.game().world().food_goods[list]) names.push_back(def->name);
    return names;
}

std::vector<std::string> ItemGoodsNames(LayoutWorld& w, int list) {
    std::vector<std::string> names;
    for (const CItem* item : w.game().world().item_goods[list]) names.push_back(item->GetName());
    return names;
}

void FillBagWithLongNames(LayoutWorld& w) {
    for (const std::string& name : LongestItemDescriptions(4))
        GiveItem(w.game().state(), w.game().mediator().items(), name, 12);
    for (const std::string& name : LongestItemNames(6))
        GiveItem(w.game().state(), w.game().mediator().items(), name, 3);
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
    w.game().screens().cursor() = row;
}

// A dish of that name, as the cooking screen leaves it: it keeps its recipe's entry.
std::unique_ptr<Food> DishNamed(const std::string& name) {
    std::unique_ptr<Food> food = Food::FromDef(FindFoodDef(Sjis(u8"フィッシュアンドチップス")));
    food->name = name;
    return food;
}

// The pantry in use holds the longest dish names first, then the shorter long ones.
void FillPantryWithLongestNames(LayoutWorld& w) {
    Pantry& pantry = w.kitchen().pantry();
    const std::vector<std::string> names = LongestDishNames(w.game().world().book);
    for (std::size_t i = 0; i < names.size(); ++i)
        pantry.insert(pantry.begin() + static_cast<std::ptrdiff_t>(i), DishNamed(names[i]));
    FillPantryWithLongNames(w);
}

// Every value of the food panel at its widest: a seven-digit price, the widest taste, three
// days' digits, under the longest name and one of the longest descriptions.
void WidenValues(Food& food) {
    food.cost = 9999999;
    food.price_percent = 100;
    food.taste = 99999;
    food.days = kNeverSpoils - 1;
}

// A dish made and waiting to be read, as the cooking screen hands it over.
void MakeDish(LayoutWorld& w, const std::string& name) {
    w.game().world().made_dish = DishNamed(name);
    WidenValues(*w.game().world().made_dish);
    w.game().world().candidate_dish = std::make_unique<MenuDish>(*w.game().world().made_dish, 1.0f);
}

void ShowCookingLongest(LayoutWorld& w, int row) {
    FillPantryWithLongestNames(w);
    Play(w, kScreenCooking);
    w.Frames(2);
    w.game().screens().cursor() = row;
}

void ShowStoryLine(LayoutWorld& w, const char8_t* line) {
    static WaitHandle handle;
    handle = WaitHandle{};
    w.game().stage().ChangePortrait(nullptr, 18, 0);
    w.game().stage().ShowMessage(&handle, Sjis(line).c_str(), false);
}

}  // namespace

namespace {

std::vector<ScreenRow> FixedRows() {
    return {
        {"logo", kOtherComponent, [](LayoutWorld& w) { w.Frames(60); },
         false},  // its texts are pictures
        {"title", kOtherComponent,
         [](LayoutWorld& w) {
             ASSERT_TRUE(w.RunUntilComponent(CTitleComp::kName));
             w.Press(play_test::kDecide);
         },
         false},
        {"title_slot_list", kOtherComponent,
         [](LayoutWorld& w) {
             WriteWideSlots(w);
             ASSERT_TRUE(w.RunUntilComponent(CTitleComp::kName));
             w.Press(play_test::kDecide);
             w.Frames(40);
             w.Press(play_test::kDown);
             w.Press(play_test::kDecide);
         },
         false},
        {"staff_roll", kOtherComponent,
         [](LayoutWorld& w) {
             ASSERT_TRUE(w.RunUntilComponent(CTitleComp::kName));
             w.mediator().ChangeComponent(CEndingComp::kName, 0, 0);
             w.Frames(300);
         },
         false},
        {"main_commands", kScreenMainCommands,
         [](LayoutWorld& w) {
             w.SetMoney(987654321);
             w.SetDate(2006, 12, 28, 18, 59);
             for (int method = 0; method < 6; ++method) w.state().skill_level[method] = 99;
         }},
        {"main_commands_morning", kScreenMainCommands,
         [](LayoutWorld& w) { w.SetDate(2006, 4, 14, 6, 0); }},
        {"main_commands_noon", kScreenMainCommands,
         [](LayoutWorld& w) { w.SetDate(2006, 4, 14, 12, 0); }},
        {"main_commands_night", kScreenMainCommands,
         [](LayoutWorld& w) { w.SetDate(2006, 4, 14, 0, 0); }},
        {"destinations", kScreenDestinations,
         [](LayoutWorld& w) {
             for (int place = 0; place < 8; ++place) w.OpenPlace(place);
             Play(w, kScreenDestinations);
         }},
        {"shop_list", kScreenShopList,
         [](LayoutWorld& w) {
             w.SetShare(0);
             Play(w, kScreenShopList);
         }},
        {"food_shop", kScreenFoodShop,
         [](LayoutWorld& w) {
             UseLongestGoods(w, [&w](int list) { return FoodGoodsNames(w, list); });
             Shop(w, kScreenFoodShop);
         }},
        {"food_shop_number_entry", kScreenFoodShop,
         [](LayoutWorld& w) {
             w.SetMoney(99999);
             UseLongestGoods(w, [&w](int list) { return FoodGoodsNames(w, list); });
             Shop(w, kScreenFoodShop);
             w.Frames(40);
             w.Press(play_test::kDecide);
         }},
        {"tool_shop", kScreenToolShop,
         [](LayoutWorld& w) {
             w.SetMoney(3000);
             UseLongestGoods(w, [&w](int list) { return ItemGoodsNames(w, list); });
             Shop(w, kScreenToolShop);
         }},
        {"stock_exchange", kScreenStockExchange,
         [](LayoutWorld& w) {
             w.SetMoney(99999999);
             Shop(w, kScreenStockExchange);
         }},
        {"pawn_shop", kScreenPawnShop,
         [](LayoutWorld& w) {
             FillBagWithLongNames(w);
             Shop(w, kScreenPawnShop);
         }},
        {"selling", kScreenSelling,
         [](LayoutWorld& w) {
             FillMenuWithLongNames(w);
             FillPantryWithLongNames(w);
             w.Frames(40);
             ASSERT_TRUE(w.Choose(u8"販売する"));
         },
         true, 30},  // a while into the day's selling, with the menu still on
        {"cooking", kScreenCooking,
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             Play(w, kScreenCooking);
         }},
        {"cooking_pot", kScreenCooking,
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             Play(w, kScreenCooking);
             w.Frames(40);
             // The long names are the last rows.
             for (int row : {0, 1, 5, 6, 7}) {
                 w.game().screens().cursor() = row;
                 w.Press(play_test::kDecide);
                 w.Frames(20);
             }
         }},
        {"cooking_in_progress", kScreenCookingInProgress,
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             w.state().cooking_minutes = 900;  // 5 minutes a frame: still at work when checked
             Play(w, kScreenCookingInProgress);
         },
         true, 60},
        {"cooking_longest_name", kScreenCooking, [](LayoutWorld& w) { ShowCookingLongest(w, 0); }},
        {"cooking_longest_name_at_the_limit", kScreenCooking,
         [](LayoutWorld& w) { ShowCookingLongest(w, 1); }},
        {"cooking_methods_longest_name", kScreenCooking,
         [](LayoutWorld& w) {
             ShowCookingLongest(w, 0);
             w.Frames(40);
             w.Press(play_test::kDecide);
             w.Frames(10);
             w.game().screens().cursor() = 0;
             w.Press(play_test::kRight);
         }},
        {"cooking_pot_longest_names", kScreenCooking,
         [](LayoutWorld& w) {
             FillPantryWithLongestNames(w);
             Play(w, kScreenCooking);
             w.Frames(40);
             for (int row : {0, 1, 2, 3}) {
                 w.game().screens().cursor() = row;
                 w.Press(play_test::kDecide);
                 w.Frames(20);
             }
         }},
        {"cooking_nine_pantry_rows", kScreenCooking,
         [](LayoutWorld& w) {
             for (const std::string& name : LongestEntryNames(9))
                 AddFood(w.kitchen(), FindFoodDef(name), 66);
             Play(w, kScreenCooking);
         }},
        {"food_panel_widest_values", kScreenCooking,
         [](LayoutWorld& w) {
             FillPantryWithLongestNames(w);
             for (const auto& food : w.kitchen().pantry()) WidenValues(*food);
             Play(w, kScreenCooking);
         }},
        {"food_panel_widest_values_wide", kScreenAddDishToMenu,
         [](LayoutWorld& w) {
             FillPantryWithLongestNames(w);
             for (const auto& food : w.kitchen().pantry()) WidenValues(*food);
             Play(w, kScreenAddDishToMenu);
         }},
        {"entry_panel_widest_values", kScreenFoodShop,
         [](LayoutWorld& w) {
             for (const auto& def : GlobalFoodCatalogue()) {
                 def->price = 9999999;
                 def->familiarity = 999999.0f;  // years of sales
                 if (def->days_limit < kNeverSpoils) def->days_limit = kNeverSpoils - 1;
             }
             w.SetMoney(99999999);
             UseLongestGoods(w, [&w](int list) { return FoodGoodsNames(w, list); });
             Shop(w, kScreenFoodShop);
         }},
        {"dish_made", kScreenDishMade,
         [](LayoutWorld& w) {
             MakeDish(w, LongestDishNames(w.game().world().book)[0]);
             Play(w, kScreenDishMade);
         }},
        {"add_to_menu_question", kScreenAddToMenu,
         [](LayoutWorld& w) {
             MakeDish(w, LongestDishNames(w.game().world().book)[0]);
             w.game().world().made_dish.reset();
             Play(w, kScreenAddToMenu);
         }},
        {"keep_which_dish", kScreenKeepWhichDish,
         [](LayoutWorld& w) {
             const std::string name = LongestDishNames(w.game().world().book)[1];
             MakeDish(w, name);
             w.kitchen().menu.push_back(
                 std::make_unique<MenuDish>(*w.game().world().made_dish, 3.0f));
             w.game().world().made_dish.reset();
             w.game().world().chosen_menu_slot = 0;
             Play(w, kScreenKeepWhichDish);
         }},
        {"after_dish_made", kScreenAfterDishMade,
         [](LayoutWorld& w) {
             // Only while a scene holds back the menu's offer does this screen stay a frame.
             w.state().menu_offer_suppressed = 1;
             MakeDish(w, LongestDishNames(w.game().world().book)[0]);
             Play(w, kScreenDishMade);
             // Read the notice until the screen takes its place.
             for (int frame = 0; frame < 300 && w.game().screens().id() != kScreenAfterDishMade;
                  ++frame) {
                 w.Hold(play_test::kDecide, frame % 10 == 9);
                 w.Frame();
             }
         },
         true, 0},
        {"wait_for_message", kScreenWaitForMessage,
         [](LayoutWorld& w) {
             Play(w, kScreenWaitForMessage);
             // A notice is the screen's own message: it waits on the screen's handle.
             w.game().stage().ChangePortrait(nullptr, 18, 0);
             w.game().stage().ShowMessage(&w.game().screens().handles().message,
                                          Sjis(u8"この料理はメニューに加えられません").c_str(),
                                          false);
         }},
        {"menu", kScreenMenu,
         [](LayoutWorld& w) {
             FillMenuWithLongNames(w);
             Play(w, kScreenMenu);
         }},
        {"menu_full", kScreenMenuFull,
         [](LayoutWorld& w) {
             FillMenuWithLongNames(w);
             Play(w, kScreenMenuFull);
         }},
        {"add_dish_to_menu", kScreenAddDishToMenu,
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             Play(w, kScreenAddDishToMenu);
         }},
        {"contest_dish", kScreenContestDish,
         [](LayoutWorld& w) {
             FillPantryWithLongNames(w);
             Play(w, kScreenContestDish);
         }},
        {"game_menu", kScreenGameMenu, [](LayoutWorld& w) { Play(w, kScreenGameMenu); }},
        {"ingredient_dictionary", kScreenIngredientDictionary,
         [](LayoutWorld& w) { Play(w, kScreenIngredientDictionary); }},
        {"recipe_book", kScreenRecipeBook, [](LayoutWorld& w) { Play(w, kScreenRecipeBook); }},
        // The item panel of each of the four longest descriptions (after the two starting tools).
        {"item_panel_longest_description_1", kScreenOwnedItems,
         [](LayoutWorld& w) { ShowOwnedItemAt(w, 2); }},
        {"item_panel_longest_description_2", kScreenOwnedItems,
         [](LayoutWorld& w) { ShowOwnedItemAt(w, 3); }},
        {"item_panel_longest_description_3", kScreenOwnedItems,
         [](LayoutWorld& w) { ShowOwnedItemAt(w, 4); }},
        {"item_panel_longest_description_4", kScreenOwnedItems,
         [](LayoutWorld& w) { ShowOwnedItemAt(w, 5); }},
        {"dish_panel_deep_composition", kScreenMenu,
         [](LayoutWorld& w) {
             AddDeepDishToMenu(w);
             Play(w, kScreenMenu);
         }},
        {"dish_panel_scrolling", kScreenMenu,
         [](LayoutWorld& w) {
             AddDeepDishToMenu(w);
             Play(w, kScreenMenu);
             w.Frames(100);
         }},
        {"entry_panel_longest_description", kScreenIngredientDictionary,
         [](LayoutWorld& w) {
             for (const auto& def : GlobalFoodCatalogue()) def->known = 1;
             Play(w, kScreenIngredientDictionary);
             w.Frames(2);
             w.game().screens().cursor() = LongestDescriptionRow(78);
         }},
        {"owned_items", kScreenOwnedItems,
         [](LayoutWorld& w) {
             FillBagWithLongNames(w);
             Play(w, kScreenOwnedItems);
         }},
        {"equipment", kScreenEquipment,
         [](LayoutWorld& w) {
             FillBagWithLongNames(w);
             Play(w, kScreenEquipment);
         }},
        {"outing", kScreenOuting, [](LayoutWorld& w) { Play(w, kScreenOuting); }, true},
        {"resting", kScreenResting,
         [](LayoutWorld& w) {
             // Resting from the evening: no lunch or dinner call ends it before it is checked.
             w.SetDate(2006, 4, 14, 19, 0);
             Play(w, kScreenResting);
         },
         true},
        {"settings", kScreenSettings, [](LayoutWorld& w) { Play(w, kScreenSettings); }},
        {"text_speed", kScreenTextSpeed, [](LayoutWorld& w) { Play(w, kScreenTextSpeed); }},
        {"music_volume", kScreenMusicVolume, [](LayoutWorld& w) { Play(w, kScreenMusicVolume); }},
        {"effect_volume", kScreenEffectVolume,
         [](LayoutWorld& w) { Play(w, kScreenEffectVolume); }},
        {"save_slot_list", kScreenStory,
         [](LayoutWorld& w) {
             WriteWideSlots(w);
             w.game().StartStoryEvent(StoryEvent::kSave);
             // The question is read before the slots are listed.
             w.Frames(60);
             w.Press(play_test::kDecide);
         },
         true, 60},
        {"story_longest_two_lines", kScreenMainCommands,
         [](LayoutWorld& w) {
             ShowStoryLine(w,
                           u8"『ロコモコ』という料理を知っておるか？\n『ごはん』に『玉子焼き』と何"
                           u8"かを加えた南国の料理らしい");
         },
         true, 200},
        {"story_longest_wrapped", kScreenMainCommands,
         [](LayoutWorld& w) {
             ShowStoryLine(w,
                           u8"知っているかもしれんが、メニューに登録した料理は、材料が揃っていれば"
                           u8"注文時に自動的に作るぞ");
         },
         true, 200},
        {"yes_no_question", kScreenMainCommands,
         [](LayoutWorld& w) {
             ShowStoryLine(w, u8"この料理を提出しますか？");
             static WaitHandle answer;
             answer = WaitHandle{};
             w.game().stage().AskYesNo(&answer);
         }},
        {"three_answers", kScreenMainCommands,
         [](LayoutWorld& w) {
             ShowStoryLine(w, u8"『ロコモコ』という料理を知っておるか？");
             static WaitHandle answer;
             answer = WaitHandle{};
             w.game().stage().AskChoice3(&answer, Sjis(u8"知っている").c_str(),
                                         Sjis(u8"知らない").c_str(),
                                         Sjis(u8"食べてみたい").c_str());
         }},
    };
}

}  // namespace

const std::vector<ScreenRow>& Screens() {
    static const std::vector<ScreenRow> rows = [] {
        std::vector<ScreenRow> all = FixedRows();
        // The date bar at every hour: a two-digit hour stands close to the day's sign.
        static const std::vector<std::string> names = [] {
            std::vector<std::string> hours;
            for (int hour = 0; hour < 24; ++hour)
                hours.push_back("date_bar_hour_" + std::to_string(hour));
            return hours;
        }();
        for (int hour = 0; hour < 24; ++hour)
            all.push_back({names[static_cast<std::size_t>(hour)].c_str(), kScreenMainCommands,
                           [hour](LayoutWorld& w) { w.SetDate(2006, 12, 1, hour, 0); }});
        return all;
    }();
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
    if (row.screen != kOtherComponent && world.game().screens().id() != row.screen)
        return testing::AssertionFailure() << row.name << " shows screen "
                                           << world.game().screens().id() << ", not " << row.screen;
    return testing::AssertionSuccess();
}

}  // namespace layout_test
