#include "tests/playthrough/answer_table.h"

#include "tests/support/play_harness.h"
#include "tests/support/reference_dishes.h"

namespace play_test {

namespace {

using testing_support::Utf8;

std::function<std::string()> Always(const char8_t* answer) {
    return [text = Utf8(answer)] { return text; };
}

}  // namespace

std::function<std::string()> MenuAnswer(const PlayHarness& play) {
    return [&play] {
        const bool room = static_cast<int>(play.kitchen().menu.size()) < play.state().menu_max;
        return Utf8(room ? u8"はい" : u8"いいえ");
    };
}

std::string PrizeFor(int contest) { return Utf8(ReferenceDishFor(contest).prize); }

AnswerTable::AnswerTable(const PlayHarness& play) {
    rows_ = {
        // The hall's offer, and the two questions of a contest.
        {Utf8(u8"参加しますか？"), Always(u8"はい")},
        {Utf8(u8"料理を提出しますか？"), Always(u8"はい")},
        {Utf8(u8"この料理を提出しますか？"), Always(u8"はい")},
        {Utf8(u8"次の中からひとつ選んでください"),
         [&play] { return PrizeFor(play.state().contests_won + 1); }},
        // Visitors: ラゴ gets nothing, the merchants are turned away unless a goal needs them.
        {Utf8(u8"ラゴにいくらあげますか？"), Always(u8"あげない")},
        {Utf8(u8"食材見ていってヨ"), Always(u8"いいえ")},
        {Utf8(u8"豆買ってヨ"), Always(u8"いいえ")},
        {Utf8(u8"幻の食材欲しくない？"), Always(u8"いいえ")},
        {Utf8(u8"ナベ見ていってアルヨ"), Always(u8"いいえ")},
        {Utf8(u8"まだ買うカ？"), Always(u8"いいえ")},
        {Utf8(u8"まだ買うアルカ？"), Always(u8"いいえ")},
        {Utf8(u8"中身は空けてからのお楽しみ"), Always(u8"いいえ")},
        {Utf8(u8"リバティーの誘いに乗りますか？"), Always(u8"はい")},
        // The kitchen and the house.
        {Utf8(u8"メニューに追加しますか？"), MenuAnswer(play)},
        {Utf8(u8"拡張しますか？"), Always(u8"いいえ")},
        {Utf8(u8"選択した食材を捨てますか？"), Always(u8"はい")},
        {Utf8(u8"どこにセーブしますか？"), Always(u8"記録 1")},
    };
}

void AnswerTable::Set(const char8_t* prompt, std::string answer) {
    Set(prompt, [answer = std::move(answer)] { return answer; });
}

void AnswerTable::Set(const char8_t* prompt, std::function<std::string()> answer) {
    for (AnswerRow& row : rows_)
        if (row.prompt == Utf8(prompt)) {
            row.answer = std::move(answer);
            return;
        }
    rows_.push_back({Utf8(prompt), std::move(answer)});
}

const AnswerRow* AnswerTable::Find(const std::string& prompt) const {
    const AnswerRow* best = nullptr;
    for (const AnswerRow& row : rows_)
        if (prompt.ends_with(row.prompt) && (!best || row.prompt.size() > best->prompt.size()))
            best = &row;
    return best;
}

}  // namespace play_test
