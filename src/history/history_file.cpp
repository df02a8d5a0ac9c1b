#include "history/history_file.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>

namespace vask {
namespace {

constexpr std::string_view Signature = "LVF";
constexpr std::size_t MaxCount = std::numeric_limits<uint16_t>::max();
// A row is at least its sub-item count, image index and caption length.
constexpr std::size_t SmallestRow = 2 + 4 + 2;

void putLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putText(std::string& out, std::string_view text) {
    const std::string_view stored = cutAtCharBoundary(text, MaxCount);
    putLittleEndian(out, static_cast<uint32_t>(stored.size()), 2);
    out += stored;
}

void putRow(std::string& out, const HistoryRecord& row) {
    const std::size_t items = std::min(row.subItemCount(), MaxCount);
    putLittleEndian(out, static_cast<uint32_t>(items), 2);
    putLittleEndian(out, static_cast<uint32_t>(row.imageIndex()), 4);
    putText(out, row.caption());
    for (std::size_t i = 0; i < items; ++i) putText(out, row.subItem(i));
}

// The rows are newest first, so the rows that fit are the first ones.
template <class Rows>
std::string saveRows(const Rows& rows) {
    const std::size_t count = std::min(rows.size(), MaxCount);
    std::string out(Signature);
    putLittleEndian(out, static_cast<uint32_t>(count), 2);
    std::size_t written = 0;
    for (const HistoryRecord& row : rows) {
        if (written++ == count) break;
        putRow(out, row);
    }
    return out;
}

// Reads from the front of the bytes; every read fails once too few remain.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : rest_(bytes) {}

    std::size_t remaining() const { return rest_.size(); }

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
    void clear() {
        views_.clear();
        decoded_.clear();
    }

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

bool readText(ByteReader& in, RowTexts& texts, const AnsiDecoder& decodeAnsi) {
    const auto length = in.littleEndian(2);
    if (!length) return false;
    const auto bytes = in.take(*length);
    if (!bytes) return false;
    texts.add(*bytes, decodeAnsi);
    return true;
}

// Gathers the row's texts first, so that the row is built in one allocation.
std::optional<HistoryRecord> readRow(ByteReader& in, RowTexts& texts, const AnsiDecoder& decodeAnsi) {
    const auto items = in.littleEndian(2);
    const auto image = in.littleEndian(4);
    if (!items || !image) return std::nullopt;
    texts.clear();
    for (uint32_t i = 0; i <= *items; ++i)  // the caption, then the sub-items
        if (!readText(in, texts, decodeAnsi)) return std::nullopt;
    return HistoryRecord(texts.caption(), texts.subItems(), static_cast<int32_t>(*image));
}

}  // namespace

std::string saveHistory(const HistoryRows& rows) { return saveRows(rows); }

std::string saveHistory(std::span<const HistoryRecord> rows) { return saveRows(rows); }

HistoryLoadResult loadHistory(std::string_view bytes, const AnsiDecoder& decodeAnsi) {
    if (!bytes.starts_with(Signature)) return {HistoryLoadStatus::NotListViewFile, {}};
    ByteReader in(bytes.substr(Signature.size()));
    const auto count = in.littleEndian(2);
    if (!count) return {HistoryLoadStatus::Truncated, {}};

    HistoryLoadResult result;
    result.rows.reserve(std::min<std::size_t>(*count, in.remaining() / SmallestRow));
    RowTexts texts;
    for (uint32_t i = 0; i < *count; ++i) {
        auto row = readRow(in, texts, decodeAnsi);
        if (!row) {
            result.status = HistoryLoadStatus::Truncated;
            break;
        }
        result.rows.push_back(std::move(*row));
    }
    return result;
}

}  // namespace vask
