#include "tests/support/engine_world.h"

#include <cstdlib>
#include <filesystem>

namespace testing_support {

EngineWorld::EngineWorld() = default;

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vemu-test-XXXXXX").string();
    if (char* made = ::mkdtemp(pattern.data())) path_ = made;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string Utf8(const char8_t* text) { return std::string(reinterpret_cast<const char*>(text)); }

}  // namespace testing_support
