// Golden frames: a picture compared with a PNG under tests/graphics/golden/, within one step
// per channel. With VEMU_UPDATE_GOLDEN=1 the PNG is (re)written from the picture instead.
#pragma once

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

::testing::AssertionResult MatchesGolden(const std::string& name, const std::uint32_t* argb,
                                         int width, int height);
