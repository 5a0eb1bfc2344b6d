// The graphics tests' golden-frame comparison, built into this executable as well.
#include "tests/graphics/golden.cpp"
