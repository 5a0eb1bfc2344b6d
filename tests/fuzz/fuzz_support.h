// What the fuzz targets share: a private folder for their files and containers made from
// the fuzzer's bytes with the game's key, so that the record parsers behind the digest check
// are reached too.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/data/cipher_stream.h"
#include "game/data/file_key.h"
#include "platform/files.h"

namespace fuzz {

// Made once per process under $VEMU_FUZZ_DIR (run.sh points it into its build folder and
// removes it afterwards, since libFuzzer's timed exit skips exit handlers), else /dev/shm or
// /tmp. The name sits in a plain array so that it outlives every static destructor.
inline const char* Folder() {
    static char folder[512];
    if (!folder[0]) {
        const char* base = getenv("VEMU_FUZZ_DIR");
        if (!base || !*base) base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::error_code ignored;
        std::filesystem::create_directories(base, ignored);
        std::snprintf(folder, sizeof folder, "%s/vemu-fuzz-XXXXXX", base);
        if (!mkdtemp(folder)) abort();
        atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        });
    }
    return folder;
}

inline std::string Path(const char* name) { return std::string(Folder()) + "/" + name; }

inline const unsigned char* Key() { return vemu::kFileKey.data(); }

// Writes bytes as the payload of a container; aborts when that fails, since then the target
// would test nothing.
inline void WriteContainer(const std::string& path, const std::uint8_t* data, std::size_t size) {
    CQZCipherWriter writer(path.c_str(), Key(), kDigestTiger);
    if (writer.Open() != kCipherOk) abort();
    if (size && writer.Write(data, static_cast<unsigned>(size)) != kCipherOk) abort();
    if (writer.Close() != kCipherOk) abort();
}

}  // namespace fuzz
