#include "engine/common/system.h"

#include <vector>

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "platform/crt_random.h"
#include "platform/platform.h"

namespace {

struct HeldMessage {
    std::string text, caption;
};

int g_gathering_depth = 0;
std::vector<HeldMessage> g_held;

}  // namespace

void ShowMessageBox(const char* text, const char* caption) {
    HeldMessage message{text ? text : "", caption ? caption : ""};
    if (g_gathering_depth > 0) {
        for (const HeldMessage& held : g_held)
            if (held.text == message.text) return;
        g_held.push_back(std::move(message));
        return;
    }
    platform::Current().dialogs->ShowMessageBox(sjis::ToUtf8(message.text),
                                                sjis::ToUtf8(message.caption));
}

GatheredMessages::GatheredMessages() { ++g_gathering_depth; }

GatheredMessages::~GatheredMessages() {
    if (--g_gathering_depth > 0 || g_held.empty()) return;
    std::vector<HeldMessage> held = std::move(g_held);
    g_held.clear();
    if (held.size() == 1) {
        ShowMessageBox(held[0].text.c_str(), held[0].caption.c_str());
        return;
    }
    std::string text;
    for (const HeldMessage& message : held) {
        if (!text.empty()) text += '\n';
        text += message.text;
    }
    ShowMessageBox(text.c_str(), "Error");
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
