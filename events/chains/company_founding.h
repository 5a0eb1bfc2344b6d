// The company リバティー founds around a dish the shop has invented.
#pragma once

#include <string>
#include <string_view>

// The company of a share: the share's item name without its last character, the 株 that
// every share name ends in; the game writes 株式会社 after it.
std::string CompanyOfShare(std::string_view share);
