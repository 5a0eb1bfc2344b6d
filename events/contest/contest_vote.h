// How the three judges vote: each names the player's shop when the dish's score reaches what he
// asks of it, and the rival otherwise.
#pragma once

#include <string>

struct FoodCategory;

// The kind of dish a judge knows best (a category name), or null when he has none.
const char* JudgeSpecialty(int judge);

// The score a judge asks of the player's dish: the rival's, lowered for a dish of the judge's own
// specialty and raised for any other when he has one. `dish` may be null (no specialty met).
int JudgeThreshold(int judge, int rival_score, const FoodCategory* dish);

struct JudgeVote {
    std::string text;  // whom he names, in his own way of speaking
    bool for_player;
};
JudgeVote CastJudgeVote(int judge, int score, int rival_score, int rival, const FoodCategory* dish);
