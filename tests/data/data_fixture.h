// A temporary game folder on the headless backend, and helpers that write and read container
// payloads and raw file bytes there.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/data/cipher_stream.h"
#include "game/data/file_key.h"
#include "platform/files.h"
#include "tests/support/engine_world.h"

namespace data_test {

using Bytes = std::vector<unsigned char>;

inline const unsigned char* GameKey() { return vemu::kFileKey.data(); }

class DataTest : public ::testing::Test {
protected:
    DataTest() {
        installed.backend.services().folders.game = folder.path();
        installed.backend.services().folders.data = folder.path();
    }

    std::string Path(const std::string& name) const { return folder.path() + "/" + name; }

    // The payload written into a container with the game's key.
    bool WritePayload(const std::string& path, const Bytes& payload,
                      const unsigned char* key = GameKey()) {
        CQZCipherWriter writer(path.c_str(), key, kDigestTiger);
        if (writer.Open() != kCipherOk) return false;
        if (writer.Write(payload.data(), static_cast<unsigned>(payload.size())) != kCipherOk)
            return false;
        return writer.Close() == kCipherOk;
    }

    // The whole payload of a container; close_result gets the reader's Close.
    Bytes ReadPayload(const std::string& path, int* close_result = nullptr,
                      const unsigned char* key = GameKey()) {
        CQZCipherReader reader(path.c_str(), key, kDigestTiger);
        Bytes out;
        if (reader.Open() != kCipherOk) {
            if (close_result) *close_result = -1;
            return out;
        }
        unsigned char piece[300];
        for (;;) {
            int count = sizeof piece;
            reader.Read(piece, &count);
            if (count == 0) break;
            out.insert(out.end(), piece, piece + count);
        }
        const int result = reader.Close();
        if (close_result) *close_result = result;
        return out;
    }

    static Bytes FileBytes(const std::string& path) {
        std::vector<std::uint8_t> bytes;
        platform::ReadWholeFile(path, bytes);
        return Bytes(bytes.begin(), bytes.end());
    }
    static void SetFileBytes(const std::string& path, const Bytes& bytes) {
        ASSERT_TRUE(platform::WriteWholeFile(path, bytes.data(), bytes.size()));
    }

    testing_support::HeadlessBackendInstalled installed;
    testing_support::TempFolder folder;
};

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

inline Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace data_test
