#include "tests/playthrough/answer_table.h"

#include "tests/support/play_harness.h"
#include "tests/support/reference_dishes.h"

namespace play_test {

namespace {

std::string Text(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }

std::function<std::string()> Always(const char8_t* answer) {
    return [text = Text(answer)] { return text; };
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::function<std::string()> MenuAnswer(const PlayHarness& play) {
    return [&play] {
        const bool room = static_cast<int>(play.kitchen().menu.size()) < play.state().menu_max;
        return Text(room ? u8"はい" : u8"いいえ");
    };
}

std::string PrizeFor(int contest) { return Text(ReferenceDishFor(contest).prize); }

AnswerTable::AnswerTable(const PlayHarness& play) {
    rows_ = {
        // The hall's offer, and the two questions of a contest.
        {Text(u8"参加しますか？"), Always(u8"はい")},
        {Text(u8"料理を提出しますか？"), Always(u8"はい")},
        {Text(u8"この料理を提出しますか？"), Always(u8"はい")},
        {Text(u8"次の中からひとつ選んでください"),
         [&play] { return PrizeFor(play.state().contests_won + 1); }},
        // Visitors: ラゴ gets nothing, the merchants are turned away unless a goal needs them.
        {Text(u8"ラゴにいくらあげますか？"), Always(u8"あげない")},
        {Text(u8"食材見ていってヨ"), Always(u8"いいえ")},
        {Text(u8"豆買ってヨ"), Always(u8"いいえ")},
        {Text(u8"幻の食材欲しくない？"), Always(u8"いいえ")},
        {Text(u8"ナベ見ていってアルヨ"), Always(u8"いいえ")},
        {Text(u8"まだ買うカ？"), Always(u8"いいえ")},
        {Text(u8"まだ買うアルカ？"), Always(u8"いいえ")},
        {Text(u8"中身は空けてからのお楽しみ"), Always(u8"いいえ")},
        {Text(u8"リバティーの誘いに乗りますか？"), Always(u8"はい")},
        // The kitchen and the house.
        {Text(u8"メニューに追加しますか？"), MenuAnswer(play)},
        {Text(u8"拡張しますか？"), Always(u8"いいえ")},
        {Text(u8"選択した食材を捨てますか？"), Always(u8"はい")},
        {Text(u8"どこにセーブしますか？"), Always(u8"記録 1")},
    };
}

void AnswerTable::Set(const char8_t* prompt, std::string answer) {
    Set(prompt, [answer = std::move(answer)] { return answer; });
}

void AnswerTable::Set(const char8_t* prompt, std::function<std::string()> answer) {
    for (AnswerRow& row : rows_)
        if (row.prompt == Text(prompt)) {
            row.answer = std::move(answer);
            return;
        }
    rows_.push_back({Text(prompt), std::move(answer)});
}

const AnswerRow* AnswerTable::Find(const std::string& prompt) const {
    const AnswerRow* best = nullptr;
    for (const AnswerRow& row : rows_)
        if (EndsWith(prompt, row.prompt) && (!best || row.prompt.size() > best->prompt.size()))
            best = &row;
    return best;
}

}  // namespace play_test
