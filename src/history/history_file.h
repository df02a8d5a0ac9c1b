#pragma once
// The history file "hist.sdf" as bytes: "LVF", a 16-bit row count, then per
// row its sub-item count (16 bits), image index (32 bits), caption and
// sub-items, each text as a 16-bit length and its bytes. Little-endian.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/utf8.h"
#include "history/history_record.h"
#include "history/history_rows.h"

namespace vask {

// Only the newest 65535 rows fit the row count, and only 65535 sub-items
// per row; a longer text is cut at a character boundary. Texts are UTF-8.
std::string saveHistory(const HistoryRows& rows);
std::string saveHistory(std::span<const HistoryRecord> rows);

enum class HistoryLoadStatus {
    Ok,
    NotListViewFile,  // the file does not begin with "LVF": nothing was read
    Truncated,        // the file ends inside a row: the whole rows before it were read
};

struct HistoryLoadResult {
    HistoryLoadStatus status = HistoryLoadStatus::Ok;
    HistoryRows rows;
};

// Reads a history file. A text that is not valid UTF-8 was written in the
// ANSI code page and is decoded with `decodeAnsi`; a text ends at its first
// zero byte. Any bytes are safe to pass. The rows keep the bytes: most rows
// are read in place rather than copied.
HistoryLoadResult loadHistory(std::string bytes, const AnsiDecoder& decodeAnsi);

// Lets only the reader above make rows that point into a file's bytes.
class HistoryFileKey {
    friend HistoryLoadResult loadHistory(std::string bytes, const AnsiDecoder& decodeAnsi);
    HistoryFileKey() = default;
};

}  // namespace vask
