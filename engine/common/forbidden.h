// Forced into every translation unit of engine/, game/, events/, script/ and the pack tool;
// platform/, which implements these services, and the tests are left out. The C runtime's
// generator, clocks and buffered files belong to the platform layer, so calling them here is a
// compile error:
//   rand, srand  -> Rand, Srand (engine/common/system.h), the game's own sequence
//   fopen        -> platform::File, opened through the resolver in engine/common/game_path.h
//   time, clock and the calendar conversions -> platform::Current().clock (Milliseconds,
//                   WallSeconds, ToLocalTime), which the headless backend sets for the tests
#pragma once

// The standard headers that declare these names come first, so that their own declarations
// are not affected. (<chrono> is not among them: GCC 12's C++20 <chrono> holds a "\u00b5s"
// literal that CP932 cannot encode, so code compiled for CP932 cannot include it; time comes
// from the platform's clock instead.)
#include <stdlib.h>  // also reached by the SIMD intrinsics headers (through <mm_malloc.h>)
#include <cstdio>
#include <cstdlib>
#include <ctime>
#ifdef __cplusplus
#include <algorithm>  // std::random_shuffle calls rand
#include <atomic>
#include <cmath>
#include <cstring>
#include <deque>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>
#endif

#pragma GCC poison rand srand fopen
#pragma GCC poison localtime localtime_r gmtime gmtime_r mktime timegm ctime ctime_r asctime \
    asctime_r
#pragma GCC poison strftime difftime clock_gettime gettimeofday timespec_get
#ifdef __cplusplus
// "time" and "clock" also name variables and members here (a label's time text, the play
// state's game clock), which a poison would refuse too; only a call of either is refused.
#define time(...) time_comes_from_platform_clock(__VA_ARGS__)
#define clock(...) clock_comes_from_platform_clock(__VA_ARGS__)
#endif
