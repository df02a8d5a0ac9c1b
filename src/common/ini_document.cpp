#include "common/ini_document.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

namespace vask {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool isBlank(std::string_view line) { return trimBlanks(line).empty(); }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && asciiUpper(a) == asciiUpper(b);
}

// The name of a "[name]" header line; text after the "]" is ignored.
std::optional<std::string_view> headerName(std::string_view line) {
    const std::string_view trimmed = trimBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const auto close = trimmed.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimBlanks(trimmed.substr(1, close - 1));
}

// Where the "=" of a "key=value" line is; comments (";") and lines without a
// key are not entries.
std::optional<std::size_t> entryEquals(std::string_view line) {
    const std::string_view trimmed = trimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || isBlank(line.substr(0, equals))) return std::nullopt;
    return equals;
}

template <class Line>
bool lineHasKey(const Line& line, std::string_view key) {
    const auto equals = entryEquals(line.text);
    return equals && equalsIgnoringCase(trimBlanks(std::string_view(line.text).substr(0, *equals)), key);
}

template <class Line>
typename std::vector<Line>::const_iterator findKeyLine(const std::vector<Line>& lines, std::string_view key) {
    return std::find_if(lines.begin(), lines.end(), [key](const Line& line) { return lineHasKey(line, key); });
}

constexpr std::string_view CrLf = "\r\n";

// A line's bytes and its end: CR LF, LF and a lone CR all end a line.
struct RawLine {
    std::string_view bytes, end;
};

// A final line end adds no line; the last line may have none.
std::vector<RawLine> splitLines(std::string_view text) {
    std::vector<RawLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        const std::string_view lineEnd = crLf ? CrLf : text[end] == '\r' ? std::string_view("\r") : "\n";
        lines.push_back({text.substr(start, end - start), lineEnd});
        start = end + lineEnd.size();
    }
    return lines;
}

std::string withoutLineBreaks(std::string_view value) {
    std::string out(value);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return out;
}

}  // namespace

void IniDocument::Line::change(std::string_view newText) {
    text = withoutLineBreaks(newText);
    asRead.clear();
}

IniDocument::Line IniDocument::newLine(std::string_view text) { return {withoutLineBreaks(text), {}, CrLf}; }

IniDocument IniDocument::parse(std::string_view bytes, const AnsiDecoder& decodeAnsi) {
    IniDocument document;
    // Editors that add a mark on every save can leave several: none of them
    // is text, and they are written back as they were.
    while (bytes.starts_with(kByteOrderMark)) {
        document.byteOrderMarks_ += kByteOrderMark;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    for (const RawLine& raw : splitLines(bytes)) {
        // Each line on its own: one line in the ANSI code page leaves the others UTF-8.
        Line line{std::string(raw.bytes), {}, raw.end};
        if (!isValidUtf8(raw.bytes)) {
            line.text = withoutLineBreaks(decodeAnsiText(raw.bytes, decodeAnsi));
            line.asRead = raw.bytes;
        }
        if (const auto name = headerName(line.text)) {
            document.sections_.push_back({std::string(*name), std::move(line), {}});
        } else if (document.sections_.empty()) {
            document.preamble_.push_back(std::move(line));
        } else {
            document.sections_.back().lines.push_back(std::move(line));
        }
    }
    return document;
}

std::string IniDocument::serialize() const {
    std::vector<const Line*> lines;
    for (const Line& line : preamble_) lines.push_back(&line);
    for (const Section& section : sections_) {
        lines.push_back(&section.header);
        for (const Line& line : section.lines) lines.push_back(&line);
    }
    std::string out = byteOrderMarks_;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = *lines[i];
        out += line.bytes();
        std::string_view end = line.end;
        // A last line read without an end gets one once a line follows it,
        // and an empty line ending in LF that an edit put after a lone CR
        // ends in CR LF, or the two would read back as one line end.
        if ((end.empty() && i + 1 < lines.size()) || (end == "\n" && line.bytes().empty() && out.ends_with('\r')))
            end = CrLf;
        out += end;
    }
    return out;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [name](const Section& s) { return equalsIgnoringCase(s.name, name); });
    return found == sections_.end() ? nullptr : &*found;
}

IniDocument::Section* IniDocument::findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

IniDocument::Section& IniDocument::findOrAppendSection(std::string_view name) {
    if (Section* found = findSection(name)) return *found;
    // Keep an empty line between the last section and the new one.
    std::vector<Line>& tail = sections_.empty() ? preamble_ : sections_.back().lines;
    if (!tail.empty() && !isBlank(tail.back().text)) tail.push_back(newLine(""));
    sections_.push_back({std::string(name), newLine(std::string("[").append(name).append("]")), {newLine("")}});
    return sections_.back();
}

bool IniDocument::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

bool IniDocument::hasKey(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    return found && findKeyLine(found->lines, key) != found->lines.end();
}

std::string IniDocument::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const Section* found = findSection(section);
    if (!found) return std::string(defaultValue);
    const auto line = findKeyLine(found->lines, key);
    if (line == found->lines.end()) return std::string(defaultValue);
    return line->text.substr(*entryEquals(line->text) + 1);
}

int IniDocument::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string text = readString(section, key, "");
    const std::string_view digits = trimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) return defaultValue;
    return value;
}

void IniDocument::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::vector<Line>& lines = findOrAppendSection(section).lines;
    const auto line = findKeyLine(lines, key);
    if (line != lines.end()) {
        // Keep the key as it was spelt in the file.
        Line& found = lines[static_cast<std::size_t>(line - lines.begin())];
        const std::string newText = found.text.substr(0, *entryEquals(found.text) + 1) + withoutLineBreaks(value);
        if (newText != found.text) found.change(newText);
        return;
    }
    // A new key goes after the section's last non-empty line.
    const auto lastFilled = std::find_if(lines.rbegin(), lines.rend(), [](const Line& l) { return !isBlank(l.text); });
    lines.insert(lastFilled.base(), newLine(std::string(key) + "=" + withoutLineBreaks(value)));
}

void IniDocument::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

std::vector<std::string> IniDocument::sectionLines(std::string_view section) const {
    std::vector<std::string> texts;
    if (const Section* found = findSection(section))
        for (const Line& line : found->lines) texts.push_back(line.text);
    return texts;
}

void IniDocument::setSectionLine(std::string_view section, std::size_t index, std::string_view text) {
    Section* found = findSection(section);
    if (found && index < found->lines.size() && found->lines[index].text != text) found->lines[index].change(text);
}

void IniDocument::insertSectionLine(std::string_view section, std::size_t index, std::string_view text) {
    std::vector<Line>& lines = findOrAppendSection(section).lines;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(std::min(index, lines.size())), newLine(text));
}

void IniDocument::eraseSectionLine(std::string_view section, std::size_t index) {
    Section* found = findSection(section);
    if (found && index < found->lines.size())
        found->lines.erase(found->lines.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace vask
