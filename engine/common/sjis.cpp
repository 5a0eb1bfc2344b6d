#include "engine/common/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace sjis {

std::size_t CharLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
    return 1;
}

std::size_t CutPosition(std::string_view text, std::size_t limit) {
    if (limit >= text.size()) return text.size();
    std::size_t pos = 0;
    while (pos < limit) {
        const std::size_t n = CharLength(text, pos);
        if (pos + n > limit) break;
        pos += n;
    }
    return pos;
}

std::string CutAt(std::string_view text, std::size_t limit) {
    return std::string(text.substr(0, CutPosition(text, limit)));
}

namespace {

constexpr bool IsTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// One converter per direction, shared; iconv descriptors are not thread-safe, hence the lock.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    // Converts what it can; on an invalid sequence, emits `replacement` and skips `skip` bytes.
    std::string Convert(std::string_view in, std::string_view replacement, bool two_byte_skip) {
        std::lock_guard lock(mutex_);
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t src_left = in.size();
        char buffer[256];
        while (src_left > 0) {
            char* dst = buffer;
            std::size_t dst_left = sizeof buffer;
            const std::size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (r == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) continue;
                // EILSEQ or EINVAL: replace one character and go on.
                std::size_t skip = 1;
                if (two_byte_skip) {
                    // A lead byte takes its follower along only when that is a trail byte: a
                    // stray lead byte before a line feed must not swallow the line feed.
                    if (CharLength(std::string_view(src, src_left), 0) == 2 &&
                        IsTrailByte(static_cast<unsigned char>(src[1])))
                        skip = 2;
                } else {
                    // A UTF-8 sequence: skip the lead byte and its continuation bytes.
                    while (skip < src_left &&
                           (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80)
                        ++skip;
                }
                out.append(replacement);
                src += skip;
                src_left -= skip;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t cd_;
    std::mutex mutex_;
};

Converter& ToUtf8Converter() {
    static Converter c("UTF-8", "CP932");
    return c;
}
Converter& FromUtf8Converter() {
    static Converter c("CP932", "UTF-8");
    return c;
}

}  // namespace

std::string ToUtf8(std::string_view cp932) {
    return ToUtf8Converter().Convert(cp932, "\xEF\xBF\xBD", true);
}

std::string FromUtf8(std::string_view utf8) {
    return FromUtf8Converter().Convert(utf8, "?", false);
}

std::u32string ToCodePoints(std::string_view cp932) {
    const std::string utf8 = ToUtf8(cp932);
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        std::size_t n;
        if (c < 0x80) {
            cp = c;
            n = 1;
        } else if ((c >> 5) == 6) {
            cp = c & 0x1F;
            n = 2;
        } else if ((c >> 4) == 14) {
            cp = c & 0x0F;
            n = 3;
        } else {
            cp = c & 0x07;
            n = 4;
        }
        if (i + n > utf8.size()) break;
        for (std::size_t k = 1; k < n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

}  // namespace sjis
