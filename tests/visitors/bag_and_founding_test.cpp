// リバティー's mystery bag and the company he founds around the shop's product.
#include <gtest/gtest.h>

#include "engine/common/sjis.h"
#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "events/chains/company_founding.h"
#include "events/chains/mystery_bag.h"
#include "game/economy/shares.h"
#include "game/main/vemu_comp.h"
#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"
#include "tests/visitors/visit_play.h"

namespace {

using play_test::Sjis;
using testing_support::Utf8;
using visit_test::VisitTest;

FoodCatalogue PricedCatalogue(std::initializer_list<int> prices) {
    FoodCatalogue catalogue;
    for (int price : prices) {
        auto def = std::make_unique<FoodDef>();
        def->price = price;
        catalogue.push_back(std::move(def));
    }
    return catalogue;
}

TEST(MysteryBagTest, TheRangeStaysWithinItsBoundsAndTheCatalogue) {
    const FoodCatalogue none;
    FoodCatalogue hundred;
    for (int i = 0; i < 100; ++i) hundred.push_back(std::make_unique<FoodDef>());
    const FoodCatalogue three = PricedCatalogue({1, 2, 2});
    struct Case {
        int counter;
        const FoodCatalogue* catalogue;
        int range;
    };
    const Case cases[] = {{0, &hundred, 5},   {4, &hundred, 5},   {5, &hundred, 5},
                          {77, &hundred, 77}, {78, &hundred, 78}, {200, &hundred, 78},
                          {40, &three, 3},    {0, &none, 0}};
    for (const Case& c : cases) EXPECT_EQ(BagRange(c.counter, *c.catalogue), c.range) << c.counter;
    // Five times the average, truncated: 5 × (1 + 2 + 2) / 3 = 8.
    EXPECT_EQ(BagPrice(3, three), 8);
    EXPECT_EQ(BagPrice(0, three), 0);
}

TEST_F(VisitTest, TheBagIsPricedFromItsRangeAndDecliningStillWidensIt) {
    state().liberty_boxes = 0;
    const FoodCatalogue& catalogue = GlobalFoodCatalogue();
    const int price = BagPrice(5, catalogue);
    ASSERT_TRUE(Play(StoryEvent::kMysteryBag, {u8"いいえ"}));
    EXPECT_EQ(state().liberty_boxes, 6);
    EXPECT_TRUE(
        Said((u8"旅の途中で見つけたこの食材袋\n" +
              std::u8string(reinterpret_cast<const char8_t*>(std::to_string(price).c_str())) +
              u8" クルで買わない？\n中身は空けてからのお楽しみ")
                 .c_str()));
    EXPECT_EQ(Texts().back(), Utf8(u8"えー！\f……\fまた来ます"));

    state().liberty_boxes = 77;
    ASSERT_TRUE(Play(StoryEvent::kMysteryBag, {u8"いいえ"}));
    EXPECT_EQ(state().liberty_boxes, 78);
    ASSERT_TRUE(Play(StoryEvent::kMysteryBag, {u8"いいえ"}));
    EXPECT_EQ(state().liberty_boxes, 78);
}

TEST_F(VisitTest, TheBagIsSoldWhateverTheMoneyAndHoldsTenOfItsDraw) {
    state().liberty_boxes = 10;
    play.SetMoney(10);
    const FoodCatalogue& catalogue = GlobalFoodCatalogue();
    const int price = BagPrice(10, catalogue);
    ASSERT_GT(price, 10);
    ASSERT_TRUE(PlaySeeded(StoryEvent::kMysteryBag, [] { return Rand() % 10 == 7; }, {u8"はい"}));
    const std::string drawn = catalogue[7]->name;
    EXPECT_EQ(state().money, 10 - price);
    EXPECT_EQ(Texts().back(), Utf8(u8"中身は『") + sjis::ToUtf8(drawn) + Utf8(u8" 10ヶ』でした"));
    const Food* food = FindPantryFood(game().world().kitchen, drawn);
    ASSERT_NE(food, nullptr);
    EXPECT_GE(food->amount, 10.0f);
    EXPECT_EQ(state().liberty_boxes, 11);
}

// The press that finishes the offer's text is not the answer to it.
TEST_F(VisitTest, ADecideWhileTheOfferTypesDoesNotAnswerIt) {
    game().SetTextSpeed(4);
    const int money = state().money;
    const CMessageOutEvent& message = game().message_output();
    auto typed_out = [&] { return message.GetPosition() >= message.GetLength(); };
    ASSERT_TRUE(Start(StoryEvent::kMysteryBag));
    ASSERT_TRUE(play.RunUntilMessage(u8"僕は何でも屋リバティー"));
    for (int i = 0; i < 400 && !typed_out(); ++i) play.Frame();
    play.Press(play_test::kDecide);
    ASSERT_TRUE(play.RunUntilMessage(u8"食材袋"));
    ASSERT_FALSE(typed_out());
    play.Press(play_test::kDecide);
    for (int i = 0; i < 400 && !typed_out(); ++i) play.Frame();
    play.Frames(5);
    EXPECT_FALSE(play.mediator().IsRunning(&game().stage().choice_window()));
    ASSERT_TRUE(Finish({u8"いいえ"}));
    EXPECT_EQ(state().money, money);
    EXPECT_EQ(Texts().back(), Utf8(u8"えー！\f……\fまた来ます"));
}

void KnowProduct(CVemuComp& game, const char* product) {
    for (const auto& recipe : game.world().book.recipes)
        if (recipe->def && FoodDefIsA(recipe->def, product)) {
            recipe->def->known = 1;
            return;
        }
    ADD_FAILURE() << "no recipe makes " << product;
}

TEST(CompanyNameTest, EachFoundableShareNamesItsCompanyWithoutItsTrailingShare) {
    const char8_t* companies[] = {u8"黒樽醤油", u8"米丸味噌", u8"呑塀酒造", u8"佐井讃酢",
                                  u8"牧場チーズ"};
    for (int i = 1; i < kShareCount; ++i) {
        const std::string company = CompanyOfShare(ShareTable()[i].company);
        EXPECT_EQ(company, Sjis(companies[i - 1]));
        EXPECT_EQ((company + Sjis(u8"株式会社")).find(Sjis(u8"株株")), std::string::npos);
    }
}

TEST_F(VisitTest, AcceptingTheCompanyGivesTheShareAndOpensTheExchange) {
    KnowProduct(game(), ShareTable()[kShareSoySauce].product);
    ASSERT_EQ(FindFoundableShare(state(), game().world().book), &ShareTable()[kShareSoySauce]);
    ASSERT_TRUE(Play(StoryEvent::kCompanyFounding, {u8"はい"}));
    EXPECT_TRUE(SaidInOrder(
        u8"ときに、この店で『醤油』というものを開発したという噂は本当？",
        u8"なななんと素晴らしい！\n『醤油』を世の中に広めれば、ビッグなビジネスができますよ",
        u8"是非僕に力を貸してください",
        u8"あなたには、これから設立する『醤油』の会社、\n『黒樽醤油株式会社』のオーナーの１人になっ"
        u8"てもらうということでどうでしょう？",
        u8"リバティーの誘いに乗りますか？", u8"『黒樽醤油株』を手に入れました",
        u8"『黒樽醤油株』を持っていると、特典として毎朝『醤油』が届くよ\n"));
    const int index = play.mediator().items().FindItemIndex(Sjis(u8"黒樽醤油株").c_str());
    ASSERT_GE(index, 0);
    EXPECT_EQ(play.mediator().items().GetEntryAt(index)->count, 1);
    EXPECT_EQ(state().share_flags[kShareSoySauce], 1);
    EXPECT_EQ(state().share_flags[kShareExchange], 1);
    EXPECT_NE(FindFoundableShare(state(), game().world().book), &ShareTable()[kShareSoySauce]);

    play.ShowScreen(kScreenShopList);
    play.Frames(3);
    const std::vector<std::string> rows = play.ChoiceRows();
    EXPECT_NE(std::find(rows.begin(), rows.end(), Utf8(u8"証券取引所")), rows.end())
        << play.Report();
}

TEST_F(VisitTest, DecliningTheCompanyKeepsItFoundableAndWithoutARowItDoesNotCome) {
    ASSERT_EQ(FindFoundableShare(state(), game().world().book), nullptr);
    ASSERT_TRUE(Play(StoryEvent::kCompanyFounding));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(game().screens().id(), kScreenMainCommands);

    KnowProduct(game(), ShareTable()[kShareCheese].product);
    ASSERT_TRUE(Play(StoryEvent::kCompanyFounding, {u8"いいえ"}));
    EXPECT_EQ(Texts().back(), Utf8(u8"えー\nだめなのー！\f……\fまた来ます"));
    EXPECT_EQ(FindFoundableShare(state(), game().world().book), &ShareTable()[kShareCheese]);
    EXPECT_EQ(state().share_flags[kShareExchange], 0);
    EXPECT_LT(play.mediator().items().FindItemIndex(Sjis(u8"牧場チーズ株").c_str()), 0);
}

}  // namespace
