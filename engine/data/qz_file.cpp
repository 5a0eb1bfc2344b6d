#include "engine/data/qz_file.h"

#include <climits>
#include <cstring>
#include <vector>

CQZFile::CQZFile() = default;

CQZFile::~CQZFile() { Close(); }

void CQZFile::Fail(int result) {
    if (result_ == 0) result_ = result;
}

bool CQZFile::Open(const char* path, int mode, const unsigned char* key_table) {
    if (reader_ || writer_) Close();
    if (!key_table) return false;
    result_ = 0;
    key_ = std::make_unique<unsigned char[]>(kCipherKeyTableBytes);
    std::memcpy(key_.get(), key_table, kCipherKeyTableBytes);
    int result = kCipherOk;
    if (mode == kRead) {
        reader_ = std::make_unique<CQZCipherReader>(path, key_.get(), kDigestTiger);
        reader_->SetLengthLimit(length_limit_);
        result = reader_->Open();
    } else if (mode == kWrite) {
        writer_ = std::make_unique<CQZCipherWriter>(path, key_.get(), kDigestTiger);
        result = writer_->Open();
    }
    if (result != kCipherOk) {
        Fail(result);
        return false;
    }
    return true;
}

bool CQZFile::Close() {
    const bool held = reader_ || writer_;
    if (reader_) {
        const int result = reader_->Close();
        if (result != kCipherOk) Fail(result);
        reader_.reset();
    }
    if (writer_) {
        const int result = writer_->Close();
        if (result != kCipherOk) Fail(result);
        writer_.reset();
    }
    key_.reset();
    return held;
}

int CQZFile::Remaining() const { return reader_ ? reader_->PayloadRemaining() : 0; }

bool CQZFile::Write(const void* bytes, unsigned count) {
    if (!writer_) return false;
    const int result = writer_->Write(static_cast<const unsigned char*>(bytes), count);
    if (result != kCipherOk) {
        Fail(result);
        Close();
        return false;
    }
    return true;
}

bool CQZFile::WriteText(const char* s) {
    const std::size_t length = s ? std::strlen(s) : 0;
    if (length > static_cast<std::size_t>(INT_MAX)) return false;
    return Write(s, static_cast<unsigned>(length));
}

bool CQZFile::WriteBool(bool value) { return WriteByte(value ? 1 : 0); }

bool CQZFile::WriteByte(unsigned char value) { return Write(&value, 1); }

bool CQZFile::WriteInt(int value) {
    const auto v = static_cast<std::uint32_t>(value);
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
        static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    return Write(bytes, 4);
}

bool CQZFile::WriteString(const char* s) {
    const std::size_t length = s ? std::strlen(s) : 0;
    if (length > static_cast<std::size_t>(INT_MAX)) return false;
    const int n = static_cast<int>(length);
    const bool first = WriteInt(n);
    const bool second = WriteInt(n);
    const bool text = WriteText(s);
    return first && second && text;
}

bool CQZFile::Read(void* buffer, int count, int* delivered) {
    if (delivered) *delivered = 0;
    if (!reader_) return false;
    if (count <= 0) return true;
    int n = count;
    const int result = reader_->Read(static_cast<unsigned char*>(buffer), &n);
    if (result != kCipherOk) {
        Fail(result);
        Close();
        return false;
    }
    if (delivered) *delivered = n;
    return true;
}

namespace {

// Reads exactly count bytes or reports false; the caller's destination is touched only on success.
bool ReadExact(CQZFile& file, unsigned char* buffer, int count) {
    int delivered = 0;
    return file.Read(buffer, count, &delivered) && delivered == count;
}

}  // namespace

bool CQZFile::ReadBool(bool* out) {
    unsigned char byte;
    if (!ReadExact(*this, &byte, 1)) return false;
    *out = byte == 1;
    return true;
}

bool CQZFile::ReadByte(unsigned char* out) {
    unsigned char byte;
    if (!ReadExact(*this, &byte, 1)) return false;
    *out = byte;
    return true;
}

bool CQZFile::ReadInt(int* out) {
    unsigned char b[4];
    if (!ReadExact(*this, b, 4)) return false;
    *out = static_cast<int>(
        static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
        static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

bool CQZFile::ReadString(std::string& out) {
    int first = 0, second = 0;
    if (!ReadInt(&first) || !ReadInt(&second) || first != second) return false;
    // A length the payload cannot hold is a corrupt file, not a reason to allocate.
    if (first < 0 || first > Remaining()) return false;
    std::vector<unsigned char> text(static_cast<std::size_t>(first) + 1, 0);
    if (first > 0 && !ReadExact(*this, text.data(), first)) return false;
    out.assign(reinterpret_cast<const char*>(text.data()));
    return true;
}
