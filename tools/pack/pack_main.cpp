// vemu-pack: the game's enciphered container from the command line.
//
//   vemu-pack pack <in> <out>     encipher the plain file <in> into the container <out>
//   vemu-pack unpack <in> <out>   decipher the container <in> into the plain file <out>
//
// Both use the game's key table and Tiger digests, exactly as the game reads and writes its
// data files and save games. <out> is replaced only when the whole file was written. unpack
// refuses a container whose digest does not match (another key, or a damaged file) and
// writes nothing. Exit status: 0 on success, 1 on a failure (with a message on stderr), 2 on
// a usage error.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/common/sjis.h"
#include "engine/data/cipher_stream.h"
#include "game/data/file_key.h"
#include "platform/files.h"

namespace {

const char kUsage[] =
    "usage: vemu-pack pack <in> <out>     encipher a plain file into a container\n"
    "       vemu-pack unpack <in> <out>   decipher a container into a plain file\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "vemu-pack: %s\n", message.c_str());
    return 1;
}

// The container classes take game file names (CP932); an absolute name is used as it is, so
// a command-line path only has to become absolute and CP932.
std::string ContainerName(const std::string& utf8_path) {
    std::error_code ignored;
    const std::string absolute = std::filesystem::absolute(utf8_path, ignored).string();
    return sjis::FromUtf8(absolute.empty() ? utf8_path : absolute);
}

const char* Describe(int result) {
    switch (result) {
        case kCipherNoStream:
            return "cannot open or write the file";
        case kCipherNoMemory:
            return "out of memory";
        case kCipherBadDigest:
            return "digest does not match (another key table, or a damaged file)";
        case kCipherShort:
            return "the file is truncated or malformed";
        default:
            return "unknown error";
    }
}

int Pack(const std::string& in, const std::string& out) {
    std::vector<std::uint8_t> plain;
    if (!platform::ReadWholeFile(in, plain)) return Fail("cannot read " + in);
    if (plain.size() > 0x7FFFF000u) return Fail(in + " is too large for a container");
    CQZCipherWriter writer(ContainerName(out).c_str(), vemu::kFileKey.data(), kDigestTiger);
    int result = writer.Open();
    if (result == kCipherOk)
        result = writer.Write(plain.data(), static_cast<unsigned>(plain.size()));
    if (result == kCipherOk) result = writer.Close();
    if (result != kCipherOk) return Fail("cannot write " + out + ": " + Describe(result));
    return 0;
}

int Unpack(const std::string& in, const std::string& out) {
    if (!platform::FileExists(in)) return Fail("cannot read " + in + ": no such file");
    CQZCipherReader reader(ContainerName(in).c_str(), vemu::kFileKey.data(), kDigestTiger);
    int result = reader.Open();
    if (result != kCipherOk) return Fail("cannot read " + in + ": " + Describe(result));
    std::vector<unsigned char> plain(static_cast<std::size_t>(reader.PayloadRemaining()));
    int count = static_cast<int>(plain.size());
    reader.Read(plain.data(), &count);
    if (count != static_cast<int>(plain.size()))
        return Fail("cannot read " + in + ": " + Describe(kCipherShort));
    result = reader.Close();
    if (result != kCipherOk) return Fail("cannot read " + in + ": " + Describe(result));
    if (!platform::WriteWholeFile(out, plain.data(), plain.size()))
        return Fail("cannot write " + out);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "pack") return Pack(argv[2], argv[3]);
    if (command == "unpack") return Unpack(argv[2], argv[3]);
    std::fprintf(stderr, "vemu-pack: unknown command '%s'\n", argv[1]);
    std::fputs(kUsage, stderr);
    return 2;
}
