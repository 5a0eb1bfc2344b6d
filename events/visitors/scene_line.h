// One spoken line of a scene kept as data: a long exchange reads as its table of lines.
#pragma once

struct SceneLine {
    int speaker;  // character id
    int expression;
    const char* text;
};
