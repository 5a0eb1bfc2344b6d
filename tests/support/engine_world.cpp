#include "tests/support/engine_world.h"

#include <cstdlib>
#include <filesystem>

#include "engine/common/sjis.h"

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

std::string Sjis(const char8_t* utf8) { return sjis::FromUtf8(Utf8(utf8)); }

}  // namespace testing_support
