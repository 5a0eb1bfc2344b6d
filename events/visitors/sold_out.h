// The heroine's apology when a visitor orders and the menu has nothing to serve.
#pragma once

inline constexpr const char* kSoldOutApology =
    "すみません～\nちょうど今品切れで、お出しできるものがないんです";
