#include "search/suggestions.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

#include "common/case_fold.h"

namespace vask {
namespace {

// A row whose text is not suggested: empty, or too long to be worth typing
// again (which keeps an entry's sizes within two bytes).
constexpr uint32_t NoEntry = UINT32_MAX;
constexpr std::size_t MaxSuggestedText = 2048;
constexpr std::size_t EntryHeader = 4;

bool suggested(std::string_view text) { return !text.empty() && text.size() <= MaxSuggestedText; }

// The index grows by an eighth, not by the doubling of std::vector: the
// first search after a build would double its memory.
std::size_t withRoom(std::size_t size) { return size + size / 8 + 64; }

template <class Container>
void makeRoom(Container& container, std::size_t more) {
    if (container.size() + more > container.capacity()) container.reserve(withRoom(container.size() + more));
}

uint16_t sizeAt(const std::vector<char>& texts, std::size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(texts[at]) | static_cast<unsigned char>(texts[at + 1])
                                                                             << 8);
}

void appendSize(std::vector<char>& texts, uint16_t size) {
    texts.push_back(static_cast<char>(size & 0xFF));
    texts.push_back(static_cast<char>(size >> 8));
}

void append(std::vector<char>& texts, std::string_view text) { texts.insert(texts.end(), text.begin(), text.end()); }

// Eight bytes of a text from `depth` on (zeros past its end) as one number
// that sorts as the bytes do.
uint64_t windowOf(std::string_view text, std::size_t depth) {
    unsigned char bytes[8] = {};
    if (depth < text.size()) std::memcpy(bytes, text.data() + depth, std::min<std::size_t>(8, text.size() - depth));
    uint64_t window = 0;
    for (const unsigned char byte : bytes) window = window << 8 | byte;
    return window;
}

// One row's folded text in the build's buffer.
struct BuildKey {
    uint64_t window;  // eight bytes of the folded text at the sort's current depth
    uint32_t entry;
    uint32_t row;
};

// Sorts keys by their folded texts eight bytes at a time (Bentley and
// Sedgewick's three-way quicksort for strings): texts that begin alike — a
// history is full of them — are not compared again from their first byte.
// Keys with the same folded text end up together, in any order. `windows`
// fills in the keys' windows at a depth; they are there already at `depth`.
template <class Windows, class FoldedSize>
void sortByFolded(std::span<BuildKey> keys, std::size_t depth, const Windows& windows, const FoldedSize& foldedSize) {
    while (keys.size() > 1) {
        const uint64_t pivot =
            std::max(std::min(keys.front().window, keys.back().window),
                     std::min(std::max(keys.front().window, keys.back().window), keys[keys.size() / 2].window));
        std::size_t less = 0, i = 0, greater = keys.size();
        while (i < greater) {
            if (keys[i].window < pivot) {
                std::swap(keys[less++], keys[i++]);
            } else if (keys[i].window > pivot) {
                std::swap(keys[i], keys[--greater]);
            } else {
                ++i;
            }
        }
        sortByFolded(keys.first(less), depth, windows, foldedSize);
        sortByFolded(keys.subspan(greater), depth, windows, foldedSize);
        keys = keys.subspan(less, greater - less);
        // The same eight bytes: the rest decides, unless every text ended here.
        depth += 8;
        if (std::all_of(keys.begin(), keys.end(), [&](const BuildKey& key) { return foldedSize(key) <= depth; }))
            return;
        windows(keys, depth);
    }
}

}  // namespace

SuggestionIndex::SuggestionIndex(std::size_t maxRows) : maxRows_(maxRows) {}

std::string_view SuggestionIndex::textOf(Entry entry) const {
    return {texts_.data() + entry + EntryHeader, sizeAt(texts_, entry)};
}

std::string_view SuggestionIndex::foldedOf(Entry entry) const {
    const uint16_t size = sizeAt(texts_, entry), foldedSize = sizeAt(texts_, entry + 2);
    if (foldedSize == SameAsText) return textOf(entry);
    return {texts_.data() + entry + EntryHeader + size, foldedSize};
}

SuggestionIndex::Entry SuggestionIndex::addEntry(std::string_view text) {
    makeRoom(texts_, EntryHeader + text.size() * 5 / 2);  // a folded text is at most half as long again
    const auto entry = static_cast<Entry>(texts_.size());
    folded_.clear();
    appendFolded(text, folded_);
    const bool same = folded_ == text;
    appendSize(texts_, static_cast<uint16_t>(text.size()));
    appendSize(texts_, same ? SameAsText : static_cast<uint16_t>(folded_.size()));
    append(texts_, text);
    if (!same) append(texts_, folded_);
    return entry;
}

std::size_t SuggestionIndex::storedSize(Entry entry) const {
    const uint16_t foldedSize = sizeAt(texts_, entry + 2);
    return EntryHeader + sizeAt(texts_, entry) + (foldedSize == SameAsText ? 0 : foldedSize);
}

void SuggestionIndex::packTexts() {
    std::vector<char> packed;
    std::size_t bytes = 0;
    for (const Slot& slot : sorted_) bytes += storedSize(slot.entry);
    packed.reserve(withRoom(bytes));
    for (Slot& slot : sorted_) {
        const auto moved = static_cast<Entry>(packed.size());
        const auto text = texts_.begin() + static_cast<std::ptrdiff_t>(slot.entry);
        packed.insert(packed.end(), text, text + static_cast<std::ptrdiff_t>(storedSize(slot.entry)));
        // The old header, no longer read, tells the rows where their text went.
        std::memcpy(texts_.data() + slot.entry, &moved, sizeof moved);
        slot.entry = moved;
    }
    for (Entry& row : rows_) {
        if (row != NoEntry) std::memcpy(&row, texts_.data() + row, sizeof row);
    }
    texts_ = std::move(packed);
    droppedBytes_ = 0;
}

std::vector<SuggestionIndex::Slot>::const_iterator SuggestionIndex::findSlot(std::string_view folded,
                                                                             std::string_view text) const {
    return std::lower_bound(
        sorted_.begin(), sorted_.end(), std::pair(folded, text),
        [this](const Slot& slot, auto key) { return std::pair(foldedOf(slot.entry), textOf(slot.entry)) < key; });
}

void SuggestionIndex::clear() {
    texts_ = {};
    sorted_ = {};
    rows_ = {};
    top_ = 0;
    droppedBytes_ = 0;
}

void SuggestionIndex::rebuild(std::span<const std::string_view> searchTextsNewestFirst) {
    clear();
    const auto texts = searchTextsNewestFirst.first(std::min(searchTextsNewestFirst.size(), maxRows_));
    // Every row's text is stored in the rows' order (the rows' own texts lie
    // scattered over the history's memory: they are read once, in order),
    // the keys sorted by the folded texts, and the texts that several rows
    // hold packed afterwards, when there are many. Under Wine every fresh
    // megabyte costs milliseconds, so the build touches little else.
    std::size_t textBytes = 0;
    for (const std::string_view text : texts) textBytes += suggested(text) ? EntryHeader + text.size() : 0;
    texts_.reserve(withRoom(textBytes));
    std::vector<BuildKey> keys;
    keys.reserve(texts.size());
    for (std::size_t row = 0; row < texts.size(); ++row) {
        if (suggested(texts[row])) keys.push_back({0, addEntry(texts[row]), static_cast<uint32_t>(row)});
    }
    const auto windows = [this](std::span<BuildKey> span, std::size_t depth) {
        for (BuildKey& key : span) key.window = windowOf(foldedOf(key.entry), depth);
    };
    windows(keys, 0);
    sortByFolded(keys, 0, windows, [this](const BuildKey& key) { return foldedOf(key.entry).size(); });
    // Among the same folded text: by text, the newest row of each first.
    for (auto run = keys.begin(); run != keys.end();) {
        const auto end = std::find_if(run + 1, keys.end(),
                                      [&](const BuildKey& key) { return foldedOf(key.entry) != foldedOf(run->entry); });
        std::sort(run, end, [this](const BuildKey& a, const BuildKey& b) {
            return std::pair(textOf(a.entry), a.row) < std::pair(textOf(b.entry), b.row);
        });
        run = end;
    }

    top_ = static_cast<uint32_t>(texts.size());
    rows_.assign(texts.size(), NoEntry);
    sorted_.reserve(keys.size());
    std::size_t repeated = 0;  // bytes of texts stored again for an older row
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i == 0 || textOf(keys[i].entry) != textOf(keys[i - 1].entry)) {
            sorted_.push_back({keys[i].entry, top_ - keys[i].row});
        } else {
            repeated += storedSize(keys[i].entry);
        }
        rows_[keys[i].row] = sorted_.back().entry;
    }
    if (sorted_.capacity() > withRoom(sorted_.size())) std::vector<Slot>(sorted_.begin(), sorted_.end()).swap(sorted_);
    droppedBytes_ = repeated;
    if (repeated > texts_.size() / 8) packTexts();
}

void SuggestionIndex::rebuildKeeping(const std::vector<bool>& dropped) {
    std::vector<std::string_view> texts;
    texts.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (i < dropped.size() && dropped[i]) continue;
        texts.push_back(rows_[i] == NoEntry ? std::string_view() : textOf(rows_[i]));  // unsuggested stays so
    }
    SuggestionIndex fresh(maxRows_);
    fresh.rebuild(texts);  // reads this index's texts, so it is built aside
    *this = std::move(fresh);
}

void SuggestionIndex::recordAtTop(std::string_view searchText) {
    if (top_ == UINT32_MAX) rebuildKeeping({});  // stamps start again from the row count
    ++top_;
    Entry entry = NoEntry;
    if (suggested(searchText)) {
        const std::string folded = foldCase(searchText);
        const auto slot = findSlot(folded, searchText);
        const auto at = slot - sorted_.begin();
        if (slot != sorted_.end() && textOf(slot->entry) == searchText) {
            sorted_[at].newest = top_;
            entry = slot->entry;
        } else {
            entry = addEntry(searchText);
            makeRoom(sorted_, 1);
            sorted_.insert(sorted_.begin() + at, {entry, top_});
        }
    }
    rows_.push_front(entry);
    if (rows_.size() > maxRows_) dropOldestRow();
    // Texts that left the history stay in texts_ until they are packed.
    if (droppedBytes_ > texts_.size() / 8 + 4096) packTexts();
}

void SuggestionIndex::dropOldestRow() {
    const Entry entry = rows_.back();
    const auto stamp = static_cast<uint32_t>(top_ - (rows_.size() - 1));
    rows_.pop_back();
    if (entry == NoEntry) return;
    const auto slot = findSlot(foldedOf(entry), textOf(entry));
    // Its newest row was the oldest of all: the text has no other row.
    if (slot->newest != stamp) return;
    droppedBytes_ += storedSize(entry);
    sorted_.erase(slot);
}

void SuggestionIndex::eraseRows(const std::vector<std::size_t>& indices) {
    std::vector<bool> dropped(rows_.size());
    bool any = false;
    for (const std::size_t i : indices) {
        if (i < dropped.size()) dropped[i] = any = true;
    }
    if (any) rebuildKeeping(dropped);
}

std::vector<std::size_t> SuggestionIndex::rowsWithText(std::string_view text) const {
    std::vector<std::size_t> rows;
    if (!suggested(text)) return rows;
    const auto slot = findSlot(foldCase(text), text);
    if (slot == sorted_.end() || textOf(slot->entry) != text) return rows;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i] == slot->entry) rows.push_back(i);
    }
    return rows;
}

std::vector<std::string> SuggestionIndex::suggest(std::string_view typed) const {
    const std::string prefix = foldCase(typed);
    const auto first =
        std::lower_bound(sorted_.begin(), sorted_.end(), std::string_view(prefix),
                         [this](const Slot& slot, std::string_view p) { return foldedOf(slot.entry) < p; });
    const auto last = std::partition_point(first, sorted_.end(),
                                           [&](const Slot& slot) { return foldedOf(slot.entry).starts_with(prefix); });
    // The newest few, newest first, kept by insertion: most slots are older than the eighth.
    std::vector<Slot> newest;
    newest.reserve(MaxSuggestions + 1);
    for (auto slot = first; slot != last; ++slot) {
        if (newest.size() == MaxSuggestions && slot->newest <= newest.back().newest) continue;
        const auto at =
            std::find_if(newest.begin(), newest.end(), [&](const Slot& s) { return s.newest < slot->newest; });
        newest.insert(at, *slot);
        if (newest.size() > MaxSuggestions) newest.pop_back();
    }
    std::vector<std::string> texts;
    texts.reserve(newest.size());
    for (const Slot& slot : newest) texts.emplace_back(textOf(slot.entry));
    return texts;
}

std::size_t SuggestionIndex::memoryBytes() const {
    return texts_.capacity() + sorted_.capacity() * sizeof(Slot) + rows_.size() * sizeof(Entry);
}

}  // namespace vask
