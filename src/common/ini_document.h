#pragma once
// An ini-style settings file held in memory, read and written whole.
// Lines are kept as they were read, byte for byte with their line ends, so a
// file keeps its comments, its order, its encoding and the sections other
// parts of the program (or other programs) own; writing a key touches only
// that key's line. Section and key names compare case-insensitively (ASCII),
// as in Windows ini files.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/utf8.h"

namespace vask {

class IniDocument {
public:
    // Any bytes are accepted: CR LF, LF or CR line ends, byte order marks,
    // lines that are not UTF-8 (each such line alone is decoded with
    // `decodeAnsi`; the others are UTF-8).
    static IniDocument parse(std::string_view bytes, const AnsiDecoder& decodeAnsi = {});

    // The whole file: every line not changed as it was read, every changed
    // or new line in UTF-8; new lines end with CR LF.
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

    // The texts of the lines after a section's header (none when the section is missing).
    std::vector<std::string> sectionLines(std::string_view section) const;
    // Line by line edits of a section, by the positions sectionLines() gives;
    // every other line stays as it was. Line breaks inside a text become spaces.
    void setSectionLine(std::string_view section, std::size_t index, std::string_view text);
    // Before line `index` (at the end when it is the section's line count);
    // a missing section is appended at the end of the document first.
    void insertSectionLine(std::string_view section, std::size_t index, std::string_view text);
    void eraseSectionLine(std::string_view section, std::size_t index);

private:
    struct Line {
        std::string text;      // UTF-8
        std::string asRead;    // the bytes read, when they are not `text` (a line in the ANSI code page)
        std::string_view end;  // "\r\n", "\n", "\r", or none for a last line without one
        std::string_view bytes() const { return asRead.empty() ? text : asRead; }
        void change(std::string_view newText);
    };
    struct Section {
        std::string name;         // trimmed, as written in the header
        Line header;              // the "[name]" line as read
        std::vector<Line> lines;  // the lines after the header
    };

    static Line newLine(std::string_view text);
    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    Section& findOrAppendSection(std::string_view name);

    std::string byteOrderMarks_;  // as read: none of them is text
    std::vector<Line> preamble_;  // lines before the first section
    std::vector<Section> sections_;
};

}  // namespace vask
