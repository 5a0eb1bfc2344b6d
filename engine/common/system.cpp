#include "engine/common/system.h"

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "platform/crt_random.h"
#include "platform/platform.h"

void ShowMessageBox(const char* text, const char* caption) {
    platform::Current().dialogs->ShowMessageBox(sjis::ToUtf8(text ? text : ""),
                                                sjis::ToUtf8(caption ? caption : ""));
}

void Beep() { platform::Current().dialogs->Beep(); }

void DebugOutput(const char* text) {
    platform::Current().debug->Write(sjis::ToUtf8(text ? text : ""));
}

void DebugOutput(const std::string& text) { DebugOutput(text.c_str()); }

std::uint32_t TimeGetTime() { return platform::Current().clock->Milliseconds(); }

std::int64_t WallClockSeconds() { return platform::Current().clock->WallSeconds(); }

void Srand(std::uint32_t seed) { platform::Srand(seed); }

int Rand() { return platform::Rand(); }

bool ShellOpen(const char* target) {
    const std::string name = target ? target : "";
    const bool is_address = name.find("://") != std::string::npos;
    return platform::Current().shell->Open(is_address ? name : gamepath::Resolve(name));
}
