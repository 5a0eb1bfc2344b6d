// vemu-recipe-build: the game's recipe and bonus files from their readable sources.
//
//   vemu-recipe-build <recipes.txt> <recipes out> <bonuses.txt> <bonuses out>
//
// Sources are UTF-8, one record a line; lines starting with ';' and blank lines are left out.
// Every record is checked against the rules the game's reader and its cooking rely on, then
// written in CP932 with CR LF. Errors are reported as "file:line: message"; the exit status is
// 0 on success, 1 when a source is malformed or a file cannot be read or written, 2 on a usage
// error.
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The game's line buffer is 1024 bytes, the line end included.
constexpr std::size_t kMaxLineBytes = 1023;
constexpr std::size_t kMaxNumberChars = 9;
constexpr int kPlainIngredients = 78;
constexpr int kRecipeHeaderFields = 11;
constexpr int kRowFields = 5;
constexpr int kMaxRows = 6;
constexpr int kBonusHeaderFields = 4;
constexpr int kTripleFields = 3;
constexpr int kMaxTriples = 6;

const std::set<std::string> kCategories = {
    "全",     "植物",   "動物", "調味料",   "液体",     "果物",   "野菜", "夏野菜",
    "冬野菜", "キノコ", "豆",   "卵",       "肉",       "魚",     "主菜", "和食",
    "洋食",   "中華",   "韓食", "デザート", "ドリンク", "その他",
};
const std::set<std::string> kMethods = {
    "混ぜる", "加工", "焼く", "煮る", "揚げる", "発酵", "焼く|煮る|揚げる", "混ぜる|焼く|煮る",
};
const std::set<std::string> kNamings = {"", "前", "前（の）", "前（入）", "後", "後（添）"};
const std::set<std::string> kRequirements = {"必須", "必要", "任意"};
const std::set<std::string> kConsumptions = {"消", "残", "名"};

struct SourceLine {
    std::string file;
    int number = 0;
    std::string text;  // UTF-8
    std::vector<std::string> fields;
};

class Errors {
public:
    void Add(const SourceLine& line, const std::string& message) {
        std::cerr << line.file << ":" << line.number << ": " << message << "\n";
        ++count_;
    }
    void Add(const std::string& file, const std::string& message) {
        std::cerr << file << ": " << message << "\n";
        ++count_;
    }
    int count() const { return count_; }

private:
    int count_ = 0;
};

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> fields;
    std::string field;
    for (char c : text) {
        if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

std::optional<std::vector<SourceLine>> ReadSource(const std::string& path, Errors& errors) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        errors.Add(path, "cannot be read");
        return std::nullopt;
    }
    std::vector<SourceLine> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || IsBlank(text) || text[0] == ';') continue;
        SourceLine line{path, number, text, Split(text)};
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::string> ToCp932(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in_ptr = const_cast<char*>(utf8.data());
    std::size_t in_left = utf8.size();
    char* out_ptr = out.data();
    std::size_t out_left = out.size();
    const std::size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || in_left != 0) return std::nullopt;
    out.resize(out.size() - out_left);
    return out;
}

bool IsNumber(const std::string& text) {
    if (text.empty() || text.size() > kMaxNumberChars) return false;
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

int ToInt(const std::string& text) { return std::atoi(text.c_str()); }

// Converts every line, checks the encoded length and writes the CP932 file.
bool WriteCp932(const std::vector<SourceLine>& lines, const std::string& out_path, Errors& errors) {
    std::string image;
    for (const SourceLine& line : lines) {
        std::optional<std::string> encoded = ToCp932(line.text);
        if (!encoded) {
            errors.Add(line, "holds a character that Shift-JIS (CP932) cannot hold");
            continue;
        }
        if (encoded->size() + 2 > kMaxLineBytes + 1) {
            errors.Add(line, "is " + std::to_string(encoded->size()) +
                                 " bytes in CP932; the game reads at most " +
                                 std::to_string(kMaxLineBytes - 1) + " bytes a line");
            continue;
        }
        image += *encoded;
        image += "\r\n";
    }
    if (errors.count() != 0) return false;
    const std::string temp = out_path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(image.data(), static_cast<std::streamsize>(image.size()));
        if (!out) {
            errors.Add(out_path, "cannot be written");
            return false;
        }
    }
    if (std::rename(temp.c_str(), out_path.c_str()) != 0) {
        errors.Add(out_path, "cannot be written");
        return false;
    }
    return true;
}

struct Catalogue {
    std::set<std::string> names;
};

void CheckRecipes(const std::vector<SourceLine>& lines, Catalogue& catalogue, Errors& errors) {
    std::set<std::string> seen;
    std::string previous_name;
    std::string previous_weight;
    std::vector<std::pair<const SourceLine*, std::string>> row_names;
    int index = 0;
    for (const SourceLine& line : lines) {
        const std::vector<std::string>& f = line.fields;
        const bool plain = index < kPlainIngredients;
        ++index;
        if (static_cast<int>(f.size()) < kRecipeHeaderFields) {
            errors.Add(line, "has " + std::to_string(f.size()) + " fields; a record needs " +
                                 std::to_string(kRecipeHeaderFields));
            continue;
        }
        const std::string& name = f[0];
        const std::string& method = f[2];
        const std::string& naming = f[3];
        const std::string& parent = f[4];
        if (name.empty()) errors.Add(line, "has no name");
        if (f[1].empty()) errors.Add(line, "has no description");
        static const char* kNumberNames[] = {"taste",      "taste percent", "unit weight",
                                             "days limit", "total",         "price"};
        bool numbers_ok = true;
        for (int i = 0; i < 6; ++i) {
            if (!IsNumber(f[5 + i])) {
                errors.Add(line, std::string("the ") + kNumberNames[i] + " '" + f[5 + i] +
                                     "' is not a number of at most 9 characters");
                numbers_ok = false;
            }
        }
        if (!numbers_ok) continue;
        const int unit_weight = ToInt(f[7]);
        const int days = ToInt(f[8]);
        const int price = ToInt(f[10]);
        if (unit_weight < 1) errors.Add(line, "needs a unit weight of at least 1 gram");
        if (price < 1) errors.Add(line, "needs a price of at least 1");
        if (ToInt(f[5]) < 0) errors.Add(line, "has a negative taste");
        if (days < 0) errors.Add(line, "has a negative days limit");

        const bool variant = name == previous_name;
        if (variant) {
            if (f[7] != previous_weight)
                errors.Add(line, "is a variant of '" + name + "' and must repeat its unit weight " +
                                     previous_weight);
        } else if (seen.count(name) != 0) {
            errors.Add(line, "repeats the name '" + name +
                                 "', which only consecutive variant lines may do");
        } else if (kCategories.count(name) != 0 && name != "卵") {
            errors.Add(line, "uses the category name '" + name + "' as an entry name");
        }
        if (!variant && !parent.empty() && kCategories.count(parent) == 0 &&
            catalogue.names.count(parent) == 0) {
            errors.Add(line, "names the parent '" + parent +
                                 "', which is neither a category nor an earlier entry");
        }
        if (!parent.empty() && parent == name && kCategories.count(parent) == 0)
            errors.Add(line, "is its own parent");
        seen.insert(name);
        catalogue.names.insert(name);
        previous_name = name;
        previous_weight = f[7];

        if (kMethods.count(method) == 0 && !method.empty())
            errors.Add(line, "has the unknown method '" + method + "'");
        if (kNamings.count(naming) == 0)
            errors.Add(line, "has the unknown naming '" + naming + "'");
        if (method.find("発酵") != std::string::npos && days < 1)
            errors.Add(line, "is fermented and must keep at least one day");

        const int extra = static_cast<int>(f.size()) - kRecipeHeaderFields;
        if (extra % kRowFields != 0) {
            errors.Add(line, "has an incomplete ingredient row (rows are 5 fields)");
            continue;
        }
        const int rows = extra / kRowFields;
        if (rows > kMaxRows) errors.Add(line, "has more than 6 ingredient rows");
        if (plain && (!method.empty() || rows != 0 || !naming.empty()))
            errors.Add(line,
                       "is one of the first 78 entries, which are plain ingredients "
                       "without method or rows");
        if (!plain && (method.empty() || rows == 0))
            errors.Add(line, "is a dish and needs a method and at least one ingredient row");
        for (int r = 0; r < rows; ++r) {
            const std::string* row = &f[kRecipeHeaderFields + r * kRowFields];
            const std::string where = "row " + std::to_string(r + 1) + " ";
            if (row[0].empty()) errors.Add(line, where + "has no ingredient name");
            if (kRequirements.count(row[1]) == 0)
                errors.Add(line, where + "has the unknown requirement '" + row[1] + "'");
            if (!IsNumber(row[2]) || ToInt(row[2]) < 0)
                errors.Add(line, where + "amount '" + row[2] + "' is not a percent");
            if (row[3] != "=" && !IsNumber(row[3]))
                errors.Add(line, where + "reference '" + row[3] + "' is neither '=' nor a number");
            if (kConsumptions.count(row[4]) == 0)
                errors.Add(line, where + "has the unknown consumption '" + row[4] + "'");
            row_names.emplace_back(&line, row[0]);
        }
    }
    if (index <= kPlainIngredients)
        errors.Add(lines.empty() ? std::string("recipes") : lines.front().file,
                   "holds no dishes after the 78 plain ingredients");
    for (const auto& [line, row_name] : row_names) {
        if (kCategories.count(row_name) == 0 && catalogue.names.count(row_name) == 0)
            errors.Add(*line, "names the ingredient '" + row_name +
                                  "', which is neither a category nor an entry");
    }
}

void CheckBonuses(const std::vector<SourceLine>& lines, const Catalogue& catalogue,
                  Errors& errors) {
    for (const SourceLine& line : lines) {
        const std::vector<std::string>& f = line.fields;
        if (static_cast<int>(f.size()) < kBonusHeaderFields + kTripleFields) {
            errors.Add(line, "needs a prefix, a connector, a target, a percent and a triple");
            continue;
        }
        if (f[0].empty()) errors.Add(line, "has no prefix word");
        const std::string& target = f[2];
        if (target.empty() ||
            (kCategories.count(target) == 0 && catalogue.names.count(target) == 0))
            errors.Add(line, "has the target '" + target +
                                 "', which is neither 全, a category nor an entry");
        if (!IsNumber(f[3])) errors.Add(line, "bonus '" + f[3] + "' is not a number");
        const int extra = static_cast<int>(f.size()) - kBonusHeaderFields;
        if (extra % kTripleFields != 0) {
            errors.Add(line, "has an incomplete triple (triples are 3 fields)");
            continue;
        }
        if (extra / kTripleFields > kMaxTriples) errors.Add(line, "has more than 6 triples");
        for (int t = 0; t < extra / kTripleFields; ++t) {
            const std::string* triple = &f[kBonusHeaderFields + t * kTripleFields];
            const std::string where = "triple " + std::to_string(t + 1) + " ";
            if (catalogue.names.count(triple[0]) == 0)
                errors.Add(line, where + "names '" + triple[0] +
                                     "', which is not an entry (triples need exact names)");
            if (!IsNumber(triple[1]) || !IsNumber(triple[2]))
                errors.Add(line, where + "needs two numbers");
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: vemu-recipe-build <recipes.txt> <recipes out> <bonuses.txt> "
                     "<bonuses out>\n";
        return 2;
    }
    Errors errors;
    auto recipes = ReadSource(argv[1], errors);
    auto bonuses = ReadSource(argv[3], errors);
    if (!recipes || !bonuses) return 1;
    Catalogue catalogue;
    CheckRecipes(*recipes, catalogue, errors);
    CheckBonuses(*bonuses, catalogue, errors);
    if (errors.count() != 0) return 1;
    if (!WriteCp932(*recipes, argv[2], errors)) return 1;
    if (!WriteCp932(*bonuses, argv[4], errors)) return 1;
    return 0;
}
