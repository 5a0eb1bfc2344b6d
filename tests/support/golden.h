// Golden frames: a picture compared with a PNG in the tests' source folder, within one step
// per channel. With VEMU_UPDATE_GOLDEN=1 the PNG is (re)written from the picture instead.
#pragma once

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

// Writes ARGB pixels (alpha dropped) as an RGB PNG; false when the file cannot be written.
bool WritePng(const std::string& path, const std::uint32_t* argb, int width, int height);

// `name` is the PNG's path below tests/, without ".png" (e.g. "graphics/golden/blit").
::testing::AssertionResult MatchesGolden(const std::string& name, const std::uint32_t* argb,
                                         int width, int height);
