// The engine's typed record file over one enciphered container: 32-bit little-endian ints,
// bytes, booleans, raw blocks, bare text, and strings stored as their length twice and then
// their bytes.
#pragma once

#include <memory>
#include <string>

#include "engine/data/cipher_stream.h"

class CQZFile {
public:
    enum Mode : int { kRead = 0, kWrite = 1 };

    CQZFile();
    virtual ~CQZFile();
    CQZFile(const CQZFile&) = delete;
    CQZFile& operator=(const CQZFile&) = delete;

    // The most a file opened for reading may hold (see CQZCipherReader::SetLengthLimit); kept
    // for every later Open.
    void SetLengthLimit(std::uint32_t bytes) { length_limit_ = bytes; }
    // path is a game file name ("dat\\scd00.sav"); key_table is the 30-byte table. Any other
    // mode opens nothing and returns true.
    bool Open(const char* path, int mode, const unsigned char* key_table);
    // False only when neither a reader nor a writer was held; the container's own verdict
    // (digest check, trailer write) is kept in Result().
    bool Close();

    // The container's first failure since Open: 0 while all went well, else a CQZCipherResult
    // (4 when a reader's digest did not match at Close, 1 when a writer's file could not be
    // written). Callers that must refuse a corrupt or unfinished file check it after Close.
    int Result() const { return result_; }
    bool IsReading() const { return reader_ != nullptr; }
    bool IsWriting() const { return writer_ != nullptr; }
    // Payload bytes left to read (0 without a reader).
    int Remaining() const;

    bool Write(const void* bytes, unsigned count);
    bool WriteText(const char* s);
    bool WriteBool(bool value);
    bool WriteByte(unsigned char value);
    bool WriteInt(int value);
    bool WriteString(const char* s);

    // True also when the payload ends early; bytes not delivered leave the buffer as it was.
    // delivered, when given, receives the number of bytes read.
    bool Read(void* buffer, int count, int* delivered = nullptr);
    // The typed reads are false unless every byte they need arrives.
    bool ReadBool(bool* out);
    bool ReadByte(unsigned char* out);
    bool ReadInt(int* out);
    // False unless both lengths are equal, fit in what is left of the payload and all the
    // characters arrive; an embedded zero byte cuts the string.
    bool ReadString(std::string& out);

private:
    void Fail(int result);

    std::unique_ptr<CQZCipherReader> reader_;
    std::unique_ptr<CQZCipherWriter> writer_;
    std::unique_ptr<unsigned char[]> key_;
    int result_ = 0;
    std::uint32_t length_limit_ = kCipherMaxLength;
};
