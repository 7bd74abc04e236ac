#pragma once
// The text of an INI-style configuration file held in memory, read and written
// by the conventions of Windows profile files:
// - Section and key names compare without regard to ASCII case; blanks around
//   them are ignored, and a CR or LF in a name counts as a blank. With
//   duplicate sections or keys the first one counts.
// - A section line is "[" name "]"; a line starting with "[" without a "]" is
//   no section line. Lines starting with ";" are comments; other lines without
//   "=" are kept but hold no key. Keys before the first section are not read.
// - A value is read without surrounding blanks and without one enclosing pair
//   of double quotes, cut to kValueLimit characters.
// - Writing replaces a key's line in place, or adds the key after the last key
//   of its section, or adds the section at the end of the file. Every line the
//   writer does not replace keeps its bytes and its own line break; new lines
//   take the file's style (CR LF when the first line break is CR LF, else LF).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvo {

class IniDocument {
public:
    static constexpr std::size_t kValueLimit = 2047;   // longest value a read returns
    static constexpr std::size_t kListLimit = 16383;   // key-name list / section-name list limit

    IniDocument() = default;
    // Parses any bytes; never fails.
    explicit IniDocument(std::string_view text);
    // The file's text to write back; ends with a line break unless empty.
    std::string text() const;

    // The value of a present key by the reading rules; nullopt when the key
    // (or its section) is absent, "" when present but empty.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Integer rules of parseIniInteger; fallback when absent or no integer.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    // Integer rules; 0 is false, any other integer true.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;
    double readReal(std::string_view section, std::string_view key, double fallback) const;
    // Names in file order, first occurrence only, as many as fit in
    // kListLimit - 1 bytes counting one separator byte after each name.
    std::vector<std::string> keyNames(std::string_view section) const;
    std::vector<std::string> sectionNames() const;
    bool hasSection(std::string_view section) const;

    // False, changing nothing, for a key name no line can hold: one with "="
    // or starting with "[" or ";" (after the blanks at its ends, which no
    // name keeps). Every other name is written and reads back.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInteger(std::string_view section, std::string_view key, int value);  // decimal
    bool writeBool(std::string_view section, std::string_view key, bool value);    // "1" / "0"
    bool writeReal(std::string_view section, std::string_view key, double value);  // formatIniReal

private:
    enum class LineEnd { Lf, CrLf, Document };
    struct Line {
        std::string text;  // without its line break
        LineEnd end = LineEnd::Document;
        std::size_t equalsAt = std::string::npos;  // key lines: position of the first '='
    };
    struct Section {
        std::string name;  // as spelled in the file
        Line header;
        std::vector<Line> body;
        std::unordered_map<std::string, std::size_t> keys;  // upper-case name -> first line in body
        std::size_t keysEnd = 0;  // body index just past the last key line
    };

    const Section* findSection(std::string_view name) const;
    const Line* findKey(std::string_view section, std::string_view key) const;
    Section& sectionForWriting(std::string_view name);
    void addParsedLine(Line line, bool firstLine);

    std::vector<Line> preamble_;  // lines before the first section
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // upper-case name -> first section
    bool crlf_ = false;
};

// Decimal with optional sign; "0x"/"0X" + hex when longer than two characters;
// "$" + hex. Anything else (empty, blanks, trailing junk, outside int) is nullopt.
std::optional<int> parseIniInteger(std::string_view text);
// The whole text must be a finite number with '.' as decimal point, whatever
// the locale.
std::optional<double> parseIniReal(std::string_view text);
// Up to 15 significant digits like "%.15g", always with '.'; parseIniReal gives
// the value back to 15 digits. Infinity and NaN give "inf"/"nan", which read
// back as no number.
std::string formatIniReal(double value);

}  // namespace orvo
