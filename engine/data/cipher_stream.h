// The enciphered container that every engine data file is. The payload is enciphered with an
// XOR keystream of five key lanes (two random 16-byte lanes made per file and the three rows of
// the 30-byte key table), wrapped in 256 salt bytes, and followed by a trailer: the digest of
// the plain body (digest A), enciphered, and the two random lanes masked with a digest of the
// raw enciphered bytes (digest B), so that any changed byte garbles the lanes and fails the
// reader's check.
//
// Layout (B = payload length + 256, D = digest A size; little-endian):
//   0      4   B + D + 33 (file size - 8)
//   4      4   0
//   8      B   salt (S bytes), payload, salt (256 - S bytes), all enciphered
//   8+B    D   digest A of the plain body, enciphered at positions B onward
//   8+B+D  16  lane 0 XOR digest B[0..15]
//   +16    16  lane 1 XOR row 2 (bytes 0..9) XOR digest B[16..] (bytes 0..E-17)
//   +32    1   S
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/data/generic_hash.h"

namespace platform {
class File;
class AtomicFile;
}  // namespace platform

// Results of the container operations.
enum CQZCipherResult : int {
    kCipherOk = 0,
    kCipherNoStream = 1,  // the file could not be opened or created; the file could not be written
    kCipherNoMemory = 3,
    kCipherBadDigest = 4,  // digest A does not match (reader Close)
    kCipherShort = 5,      // a short read or write, a malformed file, or a stream in error
};

// Digest kinds: 1 MD5, 2 Tiger. Every file of the game uses Tiger.
enum CQZDigestKind : int { kDigestMD5 = 1, kDigestTiger = 2 };

constexpr int kCipherKeyTableBytes = 30;
constexpr int kCipherSaltBytes = 256;
// The most a reader lets a length word promise unless its caller knows the file's kind better.
// No file the game ships or writes comes near it, and the digest of one this long is checked in
// a fraction of a second, where a length word near 2 GiB would hold the game for a long while.
constexpr std::uint32_t kCipherMaxLength = 16u << 20;

class CQZCipherStream {
public:
    CQZCipherStream(const char* path, const unsigned char* key_table, int digest_kind);
    ~CQZCipherStream();
    CQZCipherStream(const CQZCipherStream&) = delete;
    CQZCipherStream& operator=(const CQZCipherStream&) = delete;

    const std::string& path() const { return path_; }
    int body_length() const { return body_length_; }
    int salt_count() const { return salt_count_; }
    int digest_size_a() const { return digest_size_a_; }
    int digest_size_b() const { return digest_size_b_; }

protected:
    static constexpr int kLaneCount = 5;
    struct Lane {
        int length = 1;
        unsigned char bytes[16] = {};
    };

    void Init(const char* path, const unsigned char* key_table, int digest_kind);
    // The keystream byte at body position p (0 at file offset 8).
    unsigned char KeyByte(std::int64_t p) const;
    void Encipher(unsigned char* bytes, std::size_t count, std::int64_t position) const;
    // Row 2 of the key table as ten bytes (zeros without a key table).
    const unsigned char* Row2() const;
    bool HasDigests() const { return digest_a_ && digest_b_; }

    int digest_size_a_ = 0;
    int digest_size_b_ = 0;
    int trailer_size_ = 0;
    int lane_count_ = kLaneCount;
    std::string path_;
    int body_length_ = 0;
    std::unique_ptr<CQZDG_GENERIC_HASH> digest_a_;
    std::unique_ptr<CQZDG_GENERIC_HASH> digest_b_;
    int has_key_table_ = 0;
    Lane lanes_[kLaneCount];
    unsigned char salt_count_ = 0;
};

// Reads a container: Open checks the length and the raw digest and rebuilds the lanes; Read
// deciphers payload bytes; Close reads what is left and checks the plain digest.
class CQZCipherReader : public CQZCipherStream {
public:
    CQZCipherReader(const char* path, const unsigned char* key_table, int digest_kind);
    ~CQZCipherReader();

    // The most the length word (the file's size less 8) may promise; must come before Open.
    void SetLengthLimit(std::uint32_t bytes) { length_limit_ = bytes; }
    int Open();
    // Up to *count payload bytes; *count becomes the number delivered (0 past the payload).
    int Read(unsigned char* buffer, int* count);
    // The same, bounded by the end of the whole body instead (the trailing salt included).
    int ReadBody(unsigned char* buffer, int* count);
    int Close();

    // Payload bytes not yet read (0 before a successful Open), so that callers can bound the
    // lengths and counts they read from the file.
    int PayloadRemaining() const;
    bool AtEnd() const { return end_ != 0; }

private:
    int ReadLimited(unsigned char* buffer, int* count, int limit);
    // Fills `buffer` from the file through a read-ahead block, so that the record files' many
    // small reads do not each cost a call into the system.
    std::size_t ReadAhead(unsigned char* buffer, std::size_t count);

    std::unique_ptr<platform::File> file_;
    std::vector<unsigned char> ahead_;  // raw bytes read from the file but not yet delivered
    std::size_t ahead_pos_ = 0;
    int position_ = 0;
    int end_ = 1;
    bool ready_ = false;  // the lanes are rebuilt and the body may be read
    std::uint32_t length_limit_ = kCipherMaxLength;
};

// Writes a container under a temporary name beside the target; only a successful Close puts
// it in the target's place, so a failed save never destroys the previous file.
class CQZCipherWriter : public CQZCipherStream {
public:
    // Draws the random lanes, the salt count and the salt: one value per call, used mod 256,
    // 255 or 254. The default is a generator of the writer's own, seeded from the system's
    // entropy, so writing never disturbs the game's rand sequence.
    using RandomSource = std::function<std::uint32_t()>;

    CQZCipherWriter(const char* path, const unsigned char* key_table, int digest_kind);
    ~CQZCipherWriter();

    // Replaces the random source; must come before Open.
    void SetRandomSource(RandomSource source) { random_ = std::move(source); }

    int Open();
    int Write(const unsigned char* bytes, unsigned count);
    int Close();

private:
    unsigned char RandomByte(unsigned modulus);
    int WriteTrailer();

    std::unique_ptr<platform::AtomicFile> file_;
    // The file is assembled here and written out at Close, since its first word depends on
    // the payload length.
    std::vector<unsigned char> image_;
    int position_ = 0;
    bool failed_ = false;
    RandomSource random_;
};
