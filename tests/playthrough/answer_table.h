// The answer the play-through gives to each question the game asks, keyed by the question's
// prompt: the message shown above the rows. A row matches a prompt that ends with its key, and
// the longest key that matches wins, so "この料理を提出しますか？" is not taken for the
// cooking screen's "料理を提出しますか？". The answer names a row by its label or the start of
// it ("記録 2" for the second save slot, whatever date it carries).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace play_test {

class PlayHarness;

struct AnswerRow {
    std::string prompt;  // UTF-8
    std::function<std::string()> answer;
};

class AnswerTable {
public:
    // The answers a player on the path gives; `play` is read for the ones that depend on the
    // game (the prize of the contest being won).
    explicit AnswerTable(const PlayHarness& play);

    // Replaces the answer to a prompt from now on.
    void Set(const char8_t* prompt, std::string answer);
    void Set(const char8_t* prompt, std::function<std::string()> answer);
    // The row for the prompt (UTF-8), or null when the table has none.
    const AnswerRow* Find(const std::string& prompt) const;

private:
    std::vector<AnswerRow> rows_;
};

// The answer to "メニューに追加しますか？" on ordinary days: yes while the menu has a free place
// (the path exchanges places itself).
std::function<std::string()> MenuAnswer(const PlayHarness& play);

// The prize the path takes when contest `contest` (1 to 12) is won: the label of its row, as
// the reference dishes' table has it.
std::string PrizeFor(int contest);

}  // namespace play_test
