// Forced into every translation unit outside platform/: the C runtime's generator, clock and
// buffered files belong to the platform layer, so calling them here is a compile error.
//   rand, srand  -> Rand, Srand (engine/common/system.h), which draw the game's own sequence
//   fopen        -> platform::File, opened through the resolver in engine/common/game_path.h
// The wall clock comes from platform::Current().clock, so tests can set it.
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
