// How far the story of Cherry's illness has come ("state_amnesia").
#pragma once

enum ChainStage : int {
    kStageNone = 0,            // no chain yet, or over
    kStageCherryAlone = 1,     // she has come in alone
    kStageBromusSearches = 2,  // he is looking for her
    kStageCherryIll = 3,       // she is found, but ill
    kStageCureTold = 4,        // the Taste King has told of the phantom dish
    kStageQuest = 5,           // the search for バーメメント has begun
    kStageLasagnaAsked = 6,    // Narf has asked for ラザニア
    kStageBarmementGiven = 7,  // Narf has given バーメメント
};
