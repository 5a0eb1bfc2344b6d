// How the judges take the player's dish: the comments of マウントメイル and テイストキング by the
// score of the player's dish.
#pragma once

// A commenting judge's words on a band of scores, and his face as he says them.
struct JudgeComment {
    const char* text;
    int expression;
};

// The band of a score, 0 (below 1) to 11 (288 and more).
int ScoreBand(int score);
JudgeComment MountMailComment(int score);
JudgeComment TasteKingComment(int score);
