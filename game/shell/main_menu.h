// The frame window's menu bar and the command ids it sends.
#pragma once

#include <vector>

#include "platform/platform.h"

namespace main_menu {

constexpr int kReset = 32773;
constexpr int kFullScreen = 32774;
constexpr int kComponentCommand = 32775;  // no menu item; the F4 key
constexpr int kProductPage = 32776;
constexpr int kQuit = 32777;
constexpr int kManual = 32779;
constexpr int kAbout = 57664;
constexpr int kMakerPage = 65535;

// Where the two web entries lead.
constexpr const char* kProductPageAddress = "https://vemu.example.org/";
constexpr const char* kMakerPageAddress = "https://vemu.example.org/about/";
constexpr const char* kManualPath = "manual\\index.html";

// The menu with its labels in UTF-8, as the platform window takes it.
std::vector<platform::MenuItem> Build();

}  // namespace main_menu
