// Feeds arbitrary bytes to the history reader. Whatever loads must save and
// load again to the same rows, with texts cut to what a file can hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/utf8.h"
#include "history/history_file.h"

namespace {

// What a text becomes after one trip through a file.
std::string_view stored(std::string_view text) { return vask::cutAtCharBoundary(text, 65535); }

vask::HistoryRecord storedRecord(const vask::HistoryRecord& row) {
    std::vector<std::string_view> texts;
    row.forEachText([&](std::string_view text) { texts.push_back(stored(text)); });
    return vask::HistoryRecord(texts.front(), std::span(texts).subspan(1), row.imageIndex());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vask::HistoryLoadResult first = vask::loadHistory(std::string(bytes), vask::latin1ToUtf8);
    if (first.status == vask::HistoryLoadStatus::NotListViewFile && !first.rows.empty()) std::abort();
    if (first.rows.empty()) return 0;

    const std::string saved = vask::saveHistory(first.rows);
    const vask::HistoryLoadResult again = vask::loadHistory(saved, vask::latin1ToUtf8);
    if (again.status != vask::HistoryLoadStatus::Ok || again.rows.size() != first.rows.size()) std::abort();
    for (std::size_t i = 0; i < first.rows.size(); ++i)
        if (!(again.rows[i] == storedRecord(first.rows[i]))) std::abort();
    if (vask::saveHistory(again.rows) != saved) std::abort();
    return 0;
}
