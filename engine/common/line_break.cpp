#include "engine/common/line_break.h"

#include "engine/common/sjis.h"

namespace line_break {

namespace {

enum class Script { kOther, kKanji, kKatakana, kAlphanumeric };

// The character at pos as one number: its two bytes for a double-byte character.
int CodeAt(std::string_view text, int pos) {
    if (pos < 0 || pos >= static_cast<int>(text.size())) return 0;
    const auto lead = static_cast<unsigned char>(text[static_cast<std::size_t>(pos)]);
    if (CharBytes(text, pos) < 2) return lead;
    return lead << 8 | static_cast<unsigned char>(text[static_cast<std::size_t>(pos) + 1]);
}

// The closing bracket of an opening one, 0 for any other character.
int CloserOf(int code) {
    struct Pair {
        int open, close;
    };
    static constexpr Pair kPairs[] = {
        {0x8175, 0x8176},  // 「」
        {0x8177, 0x8178},  // 『』
        {0x8169, 0x816A},  // （）
        {0x8179, 0x817A},  // 【】
        {0x8171, 0x8172},  // 〈〉
        {0x8173, 0x8174},  // 《》
        {0x816D, 0x816E},  // ［］
        {0x816B, 0x816C},  // 〔〕
        {0x816F, 0x8170},  // ｛｝
        {0x8167, 0x8168},  // “”
        {0x8165, 0x8166},  // ‘’
        {'(', ')'},       {'[', ']'}, {'{', '}'},
    };
    for (const Pair& pair : kPairs)
        if (pair.open == code) return pair.close;
    return 0;
}

bool IsSmallKana(int code) {
    static constexpr int kSmall[] = {
        0x829F, 0x82A1, 0x82A3, 0x82A5, 0x82A7, 0x82C1, 0x82E1, 0x82E3, 0x82E5, 0x82EC,  // ぁ…ゎ
        0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8362, 0x8383, 0x8385, 0x8387, 0x838E,  // ァ…ヮ
        0x8395, 0x8396,                                                                  // ヵヶ
    };
    for (int small : kSmall)
        if (small == code) return true;
    return false;
}

Script ScriptOf(int code) {
    // A run of letters, digits and the signs between them ("2026/12/31", "23:59") is one word.
    if (code < 0x80) return code > ' ' && code < 0x7F ? Script::kAlphanumeric : Script::kOther;
    if (code == 0x8158) return Script::kKanji;     // 々
    if (code == 0x815B) return Script::kKatakana;  // ー
    if ((code >= 0x889F && code <= 0x9FFC) || (code >= 0xE040 && code <= 0xEAA4) ||
        (code >= 0xFA40 && code <= 0xFC4B))
        return Script::kKanji;
    if (code >= 0x8340 && code <= 0x8396) return Script::kKatakana;
    if (code >= 0x824F && code <= 0x829A) return Script::kAlphanumeric;
    return Script::kOther;
}

bool EndsUnits(int code) { return code == 0 || code == '\n' || code == '\f'; }

}  // namespace

int CharBytes(std::string_view text, int pos) {
    if (pos < 0 || pos >= static_cast<int>(text.size())) return 0;
    return static_cast<int>(sjis::CharLength(text, static_cast<std::size_t>(pos)));
}

bool OpensName(std::string_view text, int pos) { return CloserOf(CodeAt(text, pos)) != 0; }

bool NoLineStart(std::string_view text, int pos) {
    const int code = CodeAt(text, pos);
    if (IsSmallKana(code)) return true;
    switch (code) {
        case 0x8141:
        case 0x8142:
        case 0x8143:
        case 0x8144:  // 、。，．
        case 0x8145:
        case 0x8146:
        case 0x8147:
        case 0x8148:  // ・：；？
        case 0x8149:
        case 0x8152:
        case 0x8153:
        case 0x8154:  // ！ヽヾゝ
        case 0x8155:
        case 0x8158:
        case 0x815B:
        case 0x8163:  // ゞ々ー…
        case 0x8164:  // ‥
        case 0x8160:  // ～
        case '.':
        case ',':
        case '!':
        case '?':
        case ':':
        case ';':
        case ')':
        case ']':
        case '}':
            return true;
        default:
            break;
    }
    for (int open = 0x8165; open <= 0x817A; ++open)
        if (CloserOf(open) == code) return true;
    return false;
}

int UnitLength(std::string_view text, int pos, int capacity) {
    const int code = CodeAt(text, pos);
    if (EndsUnits(code)) return 0;
    const int first = CharBytes(text, pos);
    if (const int closer = CloserOf(code)) {
        int depth = 0;
        for (int at = pos; at - pos < capacity;) {
            const int c = CodeAt(text, at);
            if (EndsUnits(c)) break;
            at += CharBytes(text, at);
            if (c == code) ++depth;
            if (c == closer && --depth == 0) return at - pos;
        }
        // No name within the line: the bracket keeps to what follows it.
        return first + UnitLength(text, pos + first, capacity);
    }
    const Script script = ScriptOf(code);
    int at = pos + first;
    if (script != Script::kOther)
        while (!EndsUnits(CodeAt(text, at)) && ScriptOf(CodeAt(text, at)) == script)
            at += CharBytes(text, at);
    return at - pos;
}

int LastBreak(std::string_view text, int end) {
    int best = 0;
    for (int at = 0; at < end;) {
        const int unit = UnitLength(text, at, end - at);
        if (unit <= 0) break;
        at += unit;
        if (at <= end && !NoLineStart(text, at)) best = at;
    }
    if (best > 0) return best;
    // A word longer than the line: between its characters, by the same rules.
    int before = -1;
    for (int at = 0; at < end;) {
        const int next = at + CharBytes(text, at);
        if (next > end) break;
        before = at;
        at = next;
        if (!NoLineStart(text, at) && !OpensName(text, before)) best = at;
    }
    return best > 0 ? best : end;
}

}  // namespace line_break
