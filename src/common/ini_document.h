#pragma once
// An ini-style settings file held in memory, read and written whole.
// Lines are kept as they were read, so a file keeps its comments, its order
// and the sections other parts of the program (or other programs) own;
// writing a key touches only that key's line. Section and key names compare
// case-insensitively (ASCII), as in Windows ini files.
#include <string>
#include <string_view>
#include <vector>

#include "common/utf8.h"

namespace vask {

class IniDocument {
public:
    // Any bytes are accepted: CR LF, LF or CR line ends, an optional UTF-8
    // byte order mark, text that is not UTF-8 (decoded with `decodeAnsi`).
    static IniDocument parse(std::string_view bytes, const AnsiDecoder& decodeAnsi = {});

    // The whole file in UTF-8, every line ended with CR LF.
    std::string serialize() const;

    bool hasSection(std::string_view section) const;
    bool hasKey(std::string_view section, std::string_view key) const;

    // The value after the first "=", as stored.
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // A value that is not a whole decimal int (spaces around it allowed)
    // reads as `defaultValue`.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

    // Replaces the key's value in place, or appends the key at the end of its
    // section, or appends the section at the end of the document. Line breaks
    // in the value become spaces: they would split the line.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);

    // The lines after a section's header, as read (none when the section is missing).
    std::vector<std::string> sectionLines(std::string_view section) const;
    // Makes `lines` the lines after the section's header, or appends the
    // section at the end of the document; the rest stays as it was. Line
    // breaks inside a line become spaces.
    void replaceSectionLines(std::string_view section, std::vector<std::string> lines);

private:
    struct Section {
        std::string name;                // trimmed, as written in the header
        std::string header;              // the "[name]" line as read
        std::vector<std::string> lines;  // the lines after the header
    };

    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    Section& findOrAppendSection(std::string_view name);

    std::vector<std::string> preamble_;  // lines before the first section
    std::vector<Section> sections_;
};

}  // namespace vask
