#include "history/history_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <optional>

namespace vask {
namespace {

constexpr std::string_view Signature = "LVF";
constexpr std::size_t MaxCount = std::numeric_limits<uint16_t>::max();

// Saving lays out a file twice, through the same steps: once to count its
// bytes, then to write them into one allocation of that size.
struct ByteCounter {
    std::size_t size = 0;
    void number(uint32_t, std::size_t bytes) { size += bytes; }
    void text(std::string_view text) { size += text.size(); }
};

struct ByteWriter {
    char* at;
    void number(uint32_t value, std::size_t bytes) {  // little-endian
        for (std::size_t i = 0; i < bytes; ++i) *at++ = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    void text(std::string_view text) {
        if (text.empty()) return;
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    }
};

template <class Out>
void putText(Out& out, std::string_view text) {
    const std::string_view stored = cutAtCharBoundary(text, MaxCount);
    out.number(static_cast<uint32_t>(stored.size()), 2);
    out.text(stored);
}

template <class Out>
void putRow(Out& out, const HistoryRecord& row) {
    const std::size_t items = std::min(row.subItemCount(), MaxCount);
    out.number(static_cast<uint32_t>(items), 2);
    out.number(static_cast<uint32_t>(row.imageIndex()), 4);
    std::size_t texts = 0;  // the caption and the sub-items that fit
    row.forEachText([&](std::string_view text) {
        if (texts++ <= items) putText(out, text);
    });
}

// The rows are newest first, so the rows that fit are the first ones.
template <class Out, class Rows>
void putFile(Out& out, const Rows& rows) {
    const std::size_t count = std::min(rows.size(), MaxCount);
    out.text(Signature);
    out.number(static_cast<uint32_t>(count), 2);
    std::size_t written = 0;
    for (const HistoryRecord& row : rows) {
        if (written++ == count) break;
        putRow(out, row);
    }
}

template <class Rows>
std::string saveRows(const Rows& rows) {
    ByteCounter counter;
    putFile(counter, rows);
    std::string file(counter.size, '\0');
    ByteWriter writer{file.data()};
    putFile(writer, rows);
    return file;
}

// Reads from the front of the bytes; every read fails once too few remain.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : rest_(bytes) {}

    const char* position() const { return rest_.data(); }

    std::optional<uint32_t> littleEndian(std::size_t bytes) {
        if (rest_.size() < bytes) return std::nullopt;
        uint32_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i)
            value |= static_cast<uint32_t>(static_cast<unsigned char>(rest_[i])) << (8 * i);
        rest_.remove_prefix(bytes);
        return value;
    }

    std::optional<std::string_view> take(std::size_t bytes) {
        if (rest_.size() < bytes) return std::nullopt;
        const std::string_view taken = rest_.substr(0, bytes);
        rest_.remove_prefix(bytes);
        return taken;
    }

private:
    std::string_view rest_;
};

// The texts of one row as they are read: views into the file's bytes, or,
// for the few texts written in the ANSI code page, into their decoded copies.
class RowTexts {
public:
    // A text ends at its first zero byte.
    void add(std::string_view bytes, const AnsiDecoder& decodeAnsi) {
        const auto [text, validUtf8] = textBeforeZero(bytes);
        if (validUtf8)
            views_.push_back(text);
        else
            views_.push_back(decoded_.emplace_back(decodeAnsiText(text, decodeAnsi)));
    }

    std::string_view caption() const { return views_.front(); }
    std::span<const std::string_view> subItems() const { return std::span(views_).subspan(1); }

private:
    std::vector<std::string_view> views_;
    std::deque<std::string> decoded_;  // growing never moves its texts, so views stay valid
};

// A row with texts to decode or to cut at a zero byte, read from after its
// image index, where `items` + 1 whole texts follow.
HistoryRecord decodedRow(ByteReader in, uint32_t items, int32_t image, const AnsiDecoder& decodeAnsi) {
    RowTexts texts;
    for (uint32_t i = 0; i <= items; ++i) texts.add(in.take(in.littleEndian(2).value()).value(), decodeAnsi);
    return HistoryRecord(texts.caption(), texts.subItems(), image);
}

std::optional<HistoryRecord> readRow(ByteReader& in, std::string_view file, const HistoryFileKey& key,
                                     const AnsiDecoder& decodeAnsi) {
    const auto items = in.littleEndian(2);
    const auto image = in.littleEndian(4);
    if (!items || !image) return std::nullopt;
    const ByteReader row = in;
    // A row is read in place when every text is valid UTF-8 without a zero
    // byte, as this version writes them.
    bool inPlace = true;
    for (uint32_t i = 0; i <= *items; ++i) {  // the caption, then the sub-items
        const auto length = in.littleEndian(2);
        const auto bytes = length ? in.take(*length) : std::nullopt;
        if (!bytes) return std::nullopt;
        if (inPlace && !surelyPlainAscii(*bytes, file.data())) {
            const auto [text, validUtf8] = textBeforeZero(*bytes);
            inPlace = validUtf8 && text.size() == bytes->size();
        }
    }
    const auto imageIndex = static_cast<int32_t>(*image);
    if (inPlace) return HistoryRecord::inFile(key, row.position(), *items, imageIndex);
    return decodedRow(row, *items, imageIndex, decodeAnsi);
}

}  // namespace

std::string saveHistory(const HistoryRows& rows) { return saveRows(rows); }

std::string saveHistory(std::span<const HistoryRecord> rows) { return saveRows(rows); }

HistoryLoadResult loadHistory(std::string bytes, const AnsiDecoder& decodeAnsi) {
    if (!bytes.starts_with(Signature)) return {HistoryLoadStatus::NotListViewFile, {}};
    // On the heap, so that the rows' pointers outlive every move of the rows.
    auto file = std::make_unique<const std::string>(std::move(bytes));
    ByteReader in(std::string_view(*file).substr(Signature.size()));
    const auto count = in.littleEndian(2);
    if (!count) return {HistoryLoadStatus::Truncated, {}};

    const HistoryFileKey key;
    HistoryLoadStatus status = HistoryLoadStatus::Ok;
    std::deque<HistoryRecord> rows;
    for (uint32_t i = 0; i < *count; ++i) {
        auto row = readRow(in, *file, key, decodeAnsi);
        if (!row) {
            status = HistoryLoadStatus::Truncated;
            break;
        }
        rows.push_back(std::move(*row));
    }
    return {status, HistoryRows(key, std::move(file), std::move(rows))};
}

}  // namespace vask
