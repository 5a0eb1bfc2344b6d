// The world a test runs in: the headless backend, installed, and an engine runtime on it.
#pragma once

#include <string>

#include "engine/framework/engine_runtime.h"
#include "platform/headless/headless_backend.h"

namespace testing_support {

struct HeadlessBackendInstalled {
    HeadlessBackendInstalled() { backend.Install(); }
    platform::headless::HeadlessBackend backend;
};

// Members are built in order: the backend first, so the runtime's devices can reach it.
class EngineWorld : public HeadlessBackendInstalled {
public:
    EngineWorld();
    EngineRuntime runtime;
};

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Converts a UTF-8 literal (u8"...") to the std::string the platform records.
std::string Utf8(const char8_t* text);
// A UTF-8 literal as the game's CP932 text.
std::string Sjis(const char8_t* utf8);

}  // namespace testing_support
