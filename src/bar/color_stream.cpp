#include "bar/color_stream.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "common/utf8.h"

namespace vask {
namespace {

// Value types of the component stream.
enum ValueType : std::uint8_t {
    kNull = 0,
    kList = 1,
    kInt8 = 2,
    kInt16 = 3,
    kInt32 = 4,
    kExtended = 5,
    kString = 6,
    kIdent = 7,
    kFalse = 8,
    kTrue = 9,
    kBinary = 10,
    kSet = 11,
    kLongString = 12,
    kNil = 13,
    kCollection = 14,
    kSingle = 15,
    kCurrency = 16,
    kDate = 17,
    kWideString = 18,
    kInt64 = 19,
    kUtf8String = 20,
    kDouble = 21,
};

constexpr std::string_view kSignature = "TPF0";
constexpr std::string_view kClassName = "TColorDialog";
constexpr std::string_view kComponentName = "ColorDialog";
constexpr std::string_view kColorProperty = "Color";
constexpr std::string_view kCustomColorsProperty = "CustomColors.Strings";
constexpr std::string_view kCustomColorPrefix = "Color";
// Lists nest in lists; a hostile file must not run the stack out.
constexpr int kMaxNesting = 32;

struct NamedColor {
    std::string_view name;
    std::uint32_t value;
};

constexpr std::uint32_t systemColor(std::uint32_t index) { return 0xFF000000 | index; }

constexpr NamedColor kNamedColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clLtGray", 0xC0C0C0},
    {"clDkGray", 0x808080},
    // The dialog opened on "Windows default color" keeps a system colour.
    {"clScrollBar", systemColor(0)},
    {"clBackground", systemColor(1)},
    {"clActiveCaption", systemColor(2)},
    {"clInactiveCaption", systemColor(3)},
    {"clMenu", systemColor(4)},
    {"clWindow", systemColor(5)},
    {"clWindowFrame", systemColor(6)},
    {"clMenuText", systemColor(7)},
    {"clWindowText", systemColor(8)},
    {"clCaptionText", systemColor(9)},
    {"clActiveBorder", systemColor(10)},
    {"clInactiveBorder", systemColor(11)},
    {"clAppWorkSpace", systemColor(12)},
    {"clHighlight", systemColor(13)},
    {"clHighlightText", systemColor(14)},
    {"clBtnFace", systemColor(15)},
    {"clBtnShadow", systemColor(16)},
    {"clGrayText", systemColor(17)},
    {"clBtnText", systemColor(18)},
    {"clInactiveCaptionText", systemColor(19)},
    {"clBtnHighlight", systemColor(20)},
    {"cl3DDkShadow", systemColor(21)},
    {"cl3DLight", systemColor(22)},
    {"clInfoText", systemColor(23)},
    {"clInfoBk", systemColor(24)},
};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && asciiUpper(a) == asciiUpper(b);
}

std::optional<std::uint32_t> namedColor(std::string_view name) {
    const auto* end = std::end(kNamedColors);
    const auto* found = std::find_if(std::begin(kNamedColors), end,
                                     [name](const NamedColor& c) { return equalsIgnoringCase(c.name, name); });
    if (found == end) return std::nullopt;
    return found->value;
}

bool isIntegerType(std::uint8_t type) { return type == kInt8 || type == kInt16 || type == kInt32; }

bool isStringType(std::uint8_t type) {
    return type == kString || type == kLongString || type == kWideString || type == kUtf8String;
}

// Reads the stream front to back. Reading past the end marks the reader as
// failed and yields zeros and empty texts from then on, so every loop that
// waits for a zero byte ends.
class StreamReader {
public:
    explicit StreamReader(std::string_view bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    void fail() { ok_ = false; }

    std::string_view take(std::uint64_t count) {
        if (!ok_ || count > bytes_.size() - position_) {
            ok_ = false;
            return {};
        }
        const std::string_view part = bytes_.substr(position_, static_cast<std::size_t>(count));
        position_ += part.size();
        return part;
    }

    std::uint8_t byte() {
        const std::string_view part = take(1);
        return part.empty() ? 0 : static_cast<std::uint8_t>(part[0]);
    }

    std::uint32_t littleEndian(std::size_t width) {
        std::uint32_t value = 0;
        const std::string_view part = take(width);
        for (std::size_t i = part.size(); i-- > 0;) value = (value << 8) | static_cast<std::uint8_t>(part[i]);
        return value;
    }

    std::string_view shortString() { return take(byte()); }

    std::int32_t integer(std::uint8_t type) {
        switch (type) {
        case kInt8:
            return static_cast<std::int8_t>(littleEndian(1));
        case kInt16:
            return static_cast<std::int16_t>(littleEndian(2));
        default:
            return static_cast<std::int32_t>(littleEndian(4));
        }
    }

    // Only the ASCII text matters to the readers of these strings; other
    // UTF-16 units become '?'.
    std::string string(std::uint8_t type) {
        switch (type) {
        case kString:
            return std::string(shortString());
        case kWideString:
            return asciiFromUtf16(take(std::uint64_t{littleEndian(4)} * 2));
        default:
            return std::string(take(littleEndian(4)));
        }
    }

    void skipValue(std::uint8_t type, int depth) {
        if (depth > kMaxNesting) return fail();
        switch (type) {
        case kNull:
        case kFalse:
        case kTrue:
        case kNil:
            return;
        case kList:
            for (std::uint8_t item = byte(); ok_ && item != kNull; item = byte()) skipValue(item, depth + 1);
            return;
        case kInt8:
            take(1);
            return;
        case kInt16:
            take(2);
            return;
        case kInt32:
        case kSingle:
            take(4);
            return;
        case kInt64:
        case kCurrency:
        case kDate:
        case kDouble:
            take(8);
            return;
        case kExtended:
            take(10);
            return;
        case kString:
        case kIdent:
            shortString();
            return;
        case kBinary:
        case kLongString:
        case kUtf8String:
            take(littleEndian(4));
            return;
        case kWideString:
            take(std::uint64_t{littleEndian(4)} * 2);
            return;
        case kSet:
            while (ok_ && !shortString().empty()) {
            }
            return;
        case kCollection:
            return skipCollection(depth);
        default:
            return fail();
        }
    }

    // Properties up to the empty name that ends them.
    void skipProperties(int depth) {
        while (ok_ && !shortString().empty()) skipValue(byte(), depth);
    }

private:
    // Items until a zero byte; each an optional index, then a list of properties.
    void skipCollection(int depth) {
        for (std::uint8_t item = byte(); ok_ && item != kNull; item = byte()) {
            if (isIntegerType(item)) {
                skipValue(item, depth);
                item = byte();
            }
            if (item != kList) return fail();
            skipProperties(depth + 1);
        }
    }

    static std::string asciiFromUtf16(std::string_view units) {
        std::string text;
        for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
            const auto low = static_cast<std::uint8_t>(units[i]);
            const auto high = static_cast<std::uint8_t>(units[i + 1]);
            text += high == 0 && low < 0x80 ? static_cast<char>(low) : '?';
        }
        return text;
    }

    std::string_view bytes_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

// "ColorA=F0CAA6": letters A..P number the sixteen custom colours.
void applyCustomColorLine(std::string_view line, ColorDialogState& state) {
    const auto equals = line.find('=');
    if (equals != kCustomColorPrefix.size() + 1) return;
    if (!equalsIgnoringCase(line.substr(0, kCustomColorPrefix.size()), kCustomColorPrefix)) return;
    const char letter = asciiUpper(line.substr(kCustomColorPrefix.size(), 1))[0];
    if (letter < 'A' || letter >= 'A' + static_cast<int>(state.customColors.size())) return;
    const std::string_view hex = line.substr(equals + 1);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
    if (hex.empty() || error != std::errc{} || end != hex.data() + hex.size()) return;
    state.customColors[static_cast<std::size_t>(letter - 'A')] = value;
}

void readCustomColors(StreamReader& reader, ColorDialogState& state) {
    for (std::uint8_t item = reader.byte(); reader.ok() && item != kNull; item = reader.byte()) {
        if (isStringType(item))
            applyCustomColorLine(reader.string(item), state);
        else
            reader.skipValue(item, 1);
    }
}

void readColor(StreamReader& reader, std::uint8_t type, ColorDialogState& state) {
    if (isIntegerType(type)) {
        state.color = static_cast<std::uint32_t>(reader.integer(type));
    } else if (type == kIdent) {
        // Names without a fixed value (clNone, clDefault, ...) keep the default.
        if (const auto value = namedColor(reader.shortString())) state.color = *value;
    } else {
        reader.skipValue(type, 0);
    }
}

void writeShortString(std::string& out, std::string_view text) {
    out += static_cast<char>(text.size());
    out += text;
}

void writeLittleEndian(std::string& out, std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// In the smallest of the three integer types that holds it.
void writeInteger(std::string& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (value >= -128 && value <= 127) {
        out += static_cast<char>(kInt8);
        writeLittleEndian(out, bits, 1);
    } else if (value >= -32768 && value <= 32767) {
        out += static_cast<char>(kInt16);
        writeLittleEndian(out, bits, 2);
    } else {
        out += static_cast<char>(kInt32);
        writeLittleEndian(out, bits, 4);
    }
}

// Upper-case hexadecimal with at least six digits, as the dialog stores it.
std::string colorHex(std::uint32_t value) {
    char digits[8];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value, 16).ptr;
    std::string text = asciiUpper(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    if (text.size() < 6) text.insert(0, 6 - text.size(), '0');
    return text;
}

}  // namespace

std::array<std::uint32_t, 16> dialogCustomColors(const ColorDialogState& state) {
    constexpr std::uint32_t White = 0xFFFFFF;
    std::array<std::uint32_t, 16> shown{};
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i] = state.customColors[i] == kUnsetCustomColor ? White : state.customColors[i];
    return shown;
}

void takeDialogCustomColors(ColorDialogState& state, const std::array<std::uint32_t, 16>& shown) {
    const std::array<std::uint32_t, 16> before = dialogCustomColors(state);
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i] != before[i]) state.customColors[i] = shown[i];
}

std::string writeColorStream(const ColorDialogState& state) {
    std::string out(kSignature);
    writeShortString(out, kClassName);
    writeShortString(out, kComponentName);
    // Black is the property's default and is left out.
    if (state.color != 0) {
        writeShortString(out, kColorProperty);
        writeInteger(out, static_cast<std::int32_t>(state.color));
    }
    writeShortString(out, kCustomColorsProperty);
    out += static_cast<char>(kList);
    for (std::size_t i = 0; i < state.customColors.size(); ++i) {
        out += static_cast<char>(kString);
        writeShortString(
            out, std::string(kCustomColorPrefix) + static_cast<char>('A' + i) + "=" + colorHex(state.customColors[i]));
    }
    out += static_cast<char>(kNull);  // end of the list
    out += static_cast<char>(kNull);  // end of the properties
    out += static_cast<char>(kNull);  // no child components
    return out;
}

std::optional<ColorDialogState> readColorStream(std::string_view bytes) {
    StreamReader reader(bytes);
    if (reader.take(kSignature.size()) != kSignature) return std::nullopt;
    if (!equalsIgnoringCase(reader.shortString(), kClassName)) return std::nullopt;
    reader.shortString();  // the component's name

    ColorDialogState state;
    for (std::string_view name = reader.shortString(); reader.ok() && !name.empty(); name = reader.shortString()) {
        const std::uint8_t type = reader.byte();
        if (equalsIgnoringCase(name, kColorProperty))
            readColor(reader, type, state);
        else if (equalsIgnoringCase(name, kCustomColorsProperty) && type == kList)
            readCustomColors(reader, state);
        else
            reader.skipValue(type, 0);
    }
    reader.byte();  // the empty list of child components
    if (!reader.ok()) return std::nullopt;
    return state;
}

}  // namespace vask
