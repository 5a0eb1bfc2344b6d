// Why a save or a load of a slot failed, for whoever reads the log: the player is only told that
// it did ("ロードできません", "記録 N にセーブできませんでした").
#pragma once

#include <cstddef>
#include <string>

enum class SlotFailure {
    kMissing,
    kDamaged,
    kFromAnotherSave,  // a good file of the slot's kind, but not the one its seal names
    kTooLarge,
    kNoRoom,
    kNoPermission,
    kIoError,
};

struct SlotProblem {
    SlotFailure reason = SlotFailure::kIoError;
    std::string file;  // the game name ("dat/scd03.sav")
    int error = 0;     // the system's errno, 0 when none was given
};

const char* SlotFailureText(SlotFailure reason);

// The failure a file call's errno (platform::FirstFileError) stands for; `otherwise` when none
// was recorded.
SlotFailure FailureOfError(int error, SlotFailure otherwise);
// The problem of the step that just failed, from the first file error since the step began.
SlotProblem ProblemOfStep(const std::string& file, SlotFailure otherwise);

// Why one of a slot's files (its place in SlotFiles::all(), or kSealPart) cannot be read as a
// good one of its kind: missing, unreadable, too large or damaged; from another save when it
// reads well (its seal names another file).
SlotProblem DiagnoseSlotFile(int slot, const std::string& file, std::size_t part);
// Why a slot whose seal cannot be resolved is refused: its seal, or the first part that matches
// neither the file in place nor the one waiting.
SlotProblem DiagnoseRefusedSlot(int slot);

// One line on the debug output (stderr): "cannot load save slot 4: damaged: <path>", with the
// slot as the player counts it and the file's real path.
void ReportSlotProblem(bool saving, int slot, const SlotProblem& problem);
