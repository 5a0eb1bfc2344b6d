#include "script/script_runtime.h"

#include <cstdio>
#include <cstdlib>

namespace {
ScriptRuntime* g_runtime = nullptr;
}  // namespace

ScriptRuntime::Announcement::Announcement(ScriptRuntime* runtime) : previous(g_runtime) {
    g_runtime = runtime;
}

ScriptRuntime::Announcement::~Announcement() { g_runtime = previous; }

ScriptRuntime::ScriptRuntime() : announcement_(this) {}

ScriptRuntime::~ScriptRuntime() = default;

ScriptRuntime* ScriptRuntime::Current() { return g_runtime; }

CVirtualMachine* GetVirtualMachine() {
    if (!g_runtime) {
        std::fputs("vemu: the script runtime is not alive\n", stderr);
        std::abort();
    }
    return &g_runtime->machine;
}
