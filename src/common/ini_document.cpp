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

bool lineHasKey(std::string_view line, std::string_view key) {
    const auto equals = entryEquals(line);
    return equals && equalsIgnoringCase(trimBlanks(line.substr(0, *equals)), key);
}

std::vector<std::string>::const_iterator findKeyLine(const std::vector<std::string>& lines, std::string_view key) {
    return std::find_if(lines.begin(), lines.end(), [key](const std::string& line) { return lineHasKey(line, key); });
}

// CR LF, LF and a lone CR all end a line; a final line end adds no line.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
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

IniDocument IniDocument::parse(std::string_view bytes, const AnsiDecoder& decodeAnsi) {
    // Editors that add a mark on every save can leave several: none of them is text,
    // or the first line would change on each save.
    while (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    IniDocument document;
    for (std::string& line : splitLines(textFromFile(bytes, decodeAnsi))) {
        if (const auto name = headerName(line)) {
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
    std::string out;
    const auto append = [&out](const std::string& line) {
        out += line;
        out += "\r\n";
    };
    std::for_each(preamble_.begin(), preamble_.end(), append);
    for (const Section& section : sections_) {
        append(section.header);
        std::for_each(section.lines.begin(), section.lines.end(), append);
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
    std::vector<std::string>& tail = sections_.empty() ? preamble_ : sections_.back().lines;
    if (!tail.empty() && !isBlank(tail.back())) tail.emplace_back();
    sections_.push_back({std::string(name), std::string("[").append(name).append("]"), {""}});
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
    return line->substr(*entryEquals(*line) + 1);
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
    const std::string cleanValue = withoutLineBreaks(value);
    std::vector<std::string>& lines = findOrAppendSection(section).lines;
    const auto line = findKeyLine(lines, key);
    if (line != lines.end()) {
        // Keep the key as it was spelt in the file.
        auto& text = lines[static_cast<std::size_t>(line - lines.begin())];
        text = text.substr(0, *entryEquals(text) + 1) + cleanValue;
        return;
    }
    // A new key goes after the section's last non-empty line.
    const auto lastFilled =
        std::find_if(lines.rbegin(), lines.rend(), [](const std::string& l) { return !isBlank(l); });
    lines.insert(lastFilled.base(), std::string(key) + "=" + cleanValue);
}

void IniDocument::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

std::vector<std::string> IniDocument::sectionLines(std::string_view section) const {
    const Section* found = findSection(section);
    return found ? found->lines : std::vector<std::string>{};
}

void IniDocument::replaceSectionLines(std::string_view section, std::vector<std::string> lines) {
    for (std::string& line : lines) line = withoutLineBreaks(line);
    findOrAppendSection(section).lines = std::move(lines);
}

}  // namespace vask
