// Counts, in each control's folder, how often the code writes each of its members down: a
// plain member is meant to be written at most three times (its getter, its setter and its
// table row), and its initial value, its defaults and its places in the load and the save
// all come from the row. Counted, with comments removed: in the class's header and its member
// table file every `Name` and `SetName`; in its other files every "Name" string and every
// `SetName` (a name in a list of names, or a setter call that restates an initial value).
// Not counted: reading a member where the control draws or answers input (a use), a member
// of another object that happens to share the name (`host_.ForeColor()`), the definition of
// a setter declared in the header (`C::SetName`), and help texts. Members that are not plain
// are listed below with the reason.
#include "kit/classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace nk {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMostSpellings = 3;

// Members whose name is also a word the code uses for something else, or whose load, save
// or notification is written out by hand because the control orders a step the rows cannot
// say; by class and member, "*" for every class.
const std::map<std::string, std::string, std::less<>> kNotPlain = {
    {"*.Font", "also the name of the font type"},
    {"*.FontName", "kept by the shared font part"},
    {"*.FontSize", "kept by the shared font part"},
    {"*.FontBold", "kept by the shared font part"},
    {"*.FontItalic", "kept by the shared font part"},
    {"*.FontStrikethru", "kept by the shared font part"},
    {"*.FontUnderline", "kept by the shared font part"},
    {"NuvelCheck.Value", "a click or a key toggles it and tells the container under its name"},
    {"NuvelFill.NuvelFill", "also the name of the class"},
    {"NuvelFill.BackColor", "Picture1 keeps it: read and written by the control itself"},
    {"NuvelFill.ForeColor", "Picture1 keeps it: read and written by the control itself"},
};

bool IsPlain(std::string_view className, const std::string& member) {
    return !kNotPlain.count("*." + member) &&
           !kNotPlain.count(std::string(className) + "." + member);
}

std::string WithoutComments(const std::string& text) {
    std::string out;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < text.size())
                out += text[++i];
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
            out += c;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i < text.size() && text[i] != '\n')
                ++i;
            out += '\n';
        } else {
            out += c;
        }
    }
    return out;
}

// The code without its prose: a string literal with a space in it (a help text) is emptied.
std::string WithoutProse(const std::string& code) {
    std::string out;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] != '"') {
            out += code[i];
            continue;
        }
        std::size_t end = i + 1;
        while (end < code.size() && code[end] != '"')
            end += code[end] == '\\' ? 2 : 1;
        const std::string literal = code.substr(i, end - i + 1);
        out += literal.find(' ') == std::string::npos ? literal : "\"\"";
        i = end;
    }
    return out;
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// How often `name` or `Set` + `name` stands as a whole word in `code`.
std::size_t Spellings(const std::string& code, const std::string& name) {
    std::size_t count = 0;
    for (std::size_t at = code.find(name); at != std::string::npos; at = code.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        if (end < code.size() && IsWordChar(code[end])) continue;
        std::size_t start = at;
        if (start >= 3 && code.compare(start - 3, 3, "Set") == 0) start -= 3;
        if (start > 0 && IsWordChar(code[start - 1])) continue;
        if (start > 0 && (code[start - 1] == '.' || code[start - 1] == '>')) continue;
        ++count;
    }
    return count;
}

// The folder of a class's sources: set1/command for NuvelCommand of nuvset1.
fs::path FolderOf(const InterfaceTable& table) {
    std::string folder(table.className.substr(std::string_view("Nuvel").size()));
    std::transform(folder.begin(), folder.end(), folder.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string set = table.library == "nuvset1" ? "set1" : "set2";
    return fs::path(NK_SOURCE_DIR) / set / folder;
}

// The code of a folder's files: the declarations (the header and the member table file) and
// the rest.
struct FolderCode {
    std::string declarations;
    std::string rest;
};

FolderCode ReadFolder(const fs::path& folder) {
    FolderCode code;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path());
        std::ostringstream text;
        text << in.rdbuf();
        const std::string file = entry.path().filename().string();
        const bool declares =
            entry.path().extension() == ".h" || file.find("_members.cpp") != std::string::npos;
        (declares ? code.declarations : code.rest) +=
            WithoutProse(WithoutComments(text.str())) + "\n";
    }
    return code;
}

std::size_t Occurrences(const std::string& code, const std::string& word) {
    std::size_t count = 0;
    for (std::size_t at = code.find(word); at != std::string::npos; at = code.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        const bool wordStart = word.front() == '"' || at == 0 ||
                               !(IsWordChar(code[at - 1]) || code[at - 1] == '.' ||
                                 code[at - 1] == '>' || code[at - 1] == ':');
        const bool wordEnd = word.back() == '"' || end >= code.size() || !IsWordChar(code[end]);
        if (wordStart && wordEnd) ++count;
    }
    return count;
}

std::size_t Count(const FolderCode& code, const std::string& name) {
    return Spellings(code.declarations, name) + Occurrences(code.rest, '"' + name + '"') +
           Occurrences(code.rest, "Set" + name);
}

TEST(MemberCount, TheSpellingCountSeesWholeWordsAndSetters) {
    const std::string code =
        WithoutComments("float Size() const; void SetSize(float); // Size\n"
                        "Row(\"Size\"); FontSize(); Sizes(); ResetSize(); s.Size; \"a // Size\"");
    EXPECT_EQ(Spellings(code, "Size"), 4u);
    // Outside the declarations only the name lists and setter calls count.
    const FolderCode folder{
        "float Size() const; void SetSize(float); Row(\"Size\").Help(\"\");",
        "void C::SetSize(float v) { host_.SetSize(v); } Draw(Size()); SetSize(2); Read(\"Size\");"};
    EXPECT_EQ(Count(folder, "Size"), 5u);
    EXPECT_EQ(WithoutProse("Row(\"Size\").Help(\"The size, \\\"in\\\" points.\")"),
              "Row(\"Size\").Help(\"\")");
}

// Prints each control's table of counts, and fails for a plain member spelt more than
// three times.
TEST(MemberCount, EachPlainMemberIsSpeltAtMostThreeTimesInItsFolder) {
    for (const InterfaceTable* table : AllClasses()) {
        const fs::path folder = FolderOf(*table);
        ASSERT_TRUE(fs::is_directory(folder)) << folder;
        const FolderCode code = ReadFolder(folder);
        std::size_t total = 0, plain = 0, most = 0, over = 0;
        for (const PropertyInfo& p : table->properties) {
            const std::string name(p.name);
            const std::size_t n = Count(code, name);
            if (!IsPlain(table->className, name)) continue;
            ++plain;
            total += n;
            most = std::max(most, n);
            if (n > kMostSpellings) ++over;
            EXPECT_LE(n, kMostSpellings) << table->className << "." << name << " in " << folder;
        }
        std::cout << table->className << ": " << plain << " plain members, " << total
                  << " spellings, at most " << most << ", " << over << " over three\n";
    }
}

} // namespace
} // namespace nk
