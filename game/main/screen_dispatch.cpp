#include "game/main/screen_dispatch.h"

#include <array>

namespace {

using Table = std::array<CVemuComp::ScreenHandler, kScreenCount>;

Table BuildTable() {
    Table table{};
    for (ScreenHandlerRows rows :
         {CoreScreenHandlers(), PlayScreenHandlers(), EconomyScreenHandlers()})
        for (const CVemuComp::ScreenHandlerRow& row : rows)
            if (row.screen >= 0 && row.screen < kScreenCount)
                table[static_cast<std::size_t>(row.screen)] = row.handler;
    return table;
}

}  // namespace

ScreenHandlerRows CoreScreenHandlers() {
    static const CVemuComp::ScreenHandlerRow kRows[] = {
        {kScreenStart, &CVemuComp::StartOfPlay},
        {kScreenAfterDishMade, &CVemuComp::AfterDishMadeDone},
        {kScreenWaitForMessage, &CVemuComp::WaitForMessage},
        {kScreenStory, &CVemuComp::RunCurrentEvent},
    };
    return kRows;
}

void CVemuComp::DispatchScreen() {
    static const Table kTable = BuildTable();
    // Screens without a handler (23, 28 and any id outside the table) do nothing.
    if (screen_id_ < 0 || screen_id_ >= kScreenCount) return;
    if (const ScreenHandler handler = kTable[static_cast<std::size_t>(screen_id_)])
        (this->*handler)();
}
