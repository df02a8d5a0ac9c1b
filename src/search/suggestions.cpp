#include "search/suggestions.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "common/case_fold.h"

namespace vask {
namespace {

// A row whose text is not suggested: empty, or too long to be worth typing
// again (which also keeps the index's offsets small).
constexpr uint32_t NoEntry = UINT32_MAX;
constexpr std::size_t MaxSuggestedText = 2048;

bool suggested(std::string_view text) { return !text.empty() && text.size() <= MaxSuggestedText; }

// The index grows by an eighth, not by the doubling of std::vector: the
// first search after a build would double its memory.
std::size_t withRoom(std::size_t size) { return size + size / 8 + 64; }

template <class Container>
void makeRoom(Container& container, std::size_t more) {
    if (container.size() + more > container.capacity()) container.reserve(withRoom(container.size() + more));
}

template <class Container>
void fitWithRoom(Container& container) {
    if (container.capacity() <= withRoom(container.size())) return;
    Container fitted;
    fitted.reserve(withRoom(container.size()));
    fitted.assign(container.begin(), container.end());
    container.swap(fitted);
}

}  // namespace

SuggestionIndex::SuggestionIndex(std::size_t maxRows) : maxRows_(maxRows) {}

std::string_view SuggestionIndex::textOf(uint32_t entry) const {
    const Entry& e = entries_[entry];
    return std::string_view(texts_).substr(e.offset, e.size);
}

std::string_view SuggestionIndex::foldedOf(uint32_t entry) const {
    const Entry& e = entries_[entry];
    if (e.foldedSize == SameAsText) return textOf(entry);
    return std::string_view(texts_).substr(e.offset + e.size, e.foldedSize);
}

uint32_t SuggestionIndex::addEntry(std::string_view text) {
    makeRoom(texts_, 2 * text.size());  // a folded text is at most half as long again
    makeRoom(entries_, 1);
    const auto offset = static_cast<uint32_t>(texts_.size());
    texts_.append(text);
    appendFolded(text, texts_);
    const std::size_t foldedSize = texts_.size() - offset - text.size();
    uint32_t stored = static_cast<uint32_t>(foldedSize);
    if (std::string_view(texts_).substr(offset + text.size()) == text) {
        texts_.resize(offset + text.size());
        stored = SameAsText;
    }
    entries_.push_back({offset, static_cast<uint32_t>(text.size()), stored});
    return static_cast<uint32_t>(entries_.size() - 1);
}

std::vector<SuggestionIndex::Slot>::const_iterator SuggestionIndex::findSlot(std::string_view folded,
                                                                             std::string_view text) const {
    return std::lower_bound(
        sorted_.begin(), sorted_.end(), std::pair(folded, text),
        [this](const Slot& slot, auto key) { return std::pair(foldedOf(slot.entry), textOf(slot.entry)) < key; });
}

std::vector<SuggestionIndex::Slot>::iterator SuggestionIndex::findSlot(std::string_view folded, std::string_view text) {
    return sorted_.begin() + (std::as_const(*this).findSlot(folded, text) - sorted_.cbegin());
}

void SuggestionIndex::clear() {
    texts_ = {};
    entries_ = {};
    sorted_ = {};
    rows_ = {};
    top_ = 0;
}

void SuggestionIndex::rebuild(std::span<const std::string_view> searchTextsNewestFirst) {
    clear();
    const auto texts = searchTextsNewestFirst.first(std::min(searchTextsNewestFirst.size(), maxRows_));
    std::size_t bytes = 0;
    for (const std::string_view text : texts) bytes += suggested(text) ? text.size() : 0;
    texts_.reserve(bytes);
    top_ = static_cast<uint32_t>(texts.size());
    // The first row of a text is its newest.
    std::unordered_map<std::string_view, uint32_t> ids(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!suggested(texts[i])) {
            rows_.push_back(NoEntry);
            continue;
        }
        const auto [at, added] = ids.try_emplace(texts[i], static_cast<uint32_t>(entries_.size()));
        if (added) {
            addEntry(texts[i]);
            sorted_.push_back({at->second, static_cast<uint32_t>(top_ - i)});
        }
        rows_.push_back(at->second);
    }
    std::sort(sorted_.begin(), sorted_.end(), [this](const Slot& a, const Slot& b) {
        return std::pair(foldedOf(a.entry), textOf(a.entry)) < std::pair(foldedOf(b.entry), textOf(b.entry));
    });
    fitWithRoom(texts_);
    fitWithRoom(entries_);
    fitWithRoom(sorted_);
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
    uint32_t id = NoEntry;
    if (suggested(searchText)) {
        const std::string folded = foldCase(searchText);
        const auto slot = findSlot(folded, searchText);
        if (slot != sorted_.end() && textOf(slot->entry) == searchText) {
            slot->newest = top_;
            id = slot->entry;
        } else {
            const auto at = slot - sorted_.begin();
            id = addEntry(searchText);
            makeRoom(sorted_, 1);
            sorted_.insert(sorted_.begin() + at, {id, top_});
        }
    }
    rows_.push_front(id);
    if (rows_.size() > maxRows_) dropOldestRow();
    // Texts that left the history stay in texts_ until a rebuild packs them.
    if (entries_.size() > 2 * sorted_.size() + 1024) rebuildKeeping({});
}

void SuggestionIndex::dropOldestRow() {
    const uint32_t id = rows_.back();
    const auto stamp = static_cast<uint32_t>(top_ - (rows_.size() - 1));
    rows_.pop_back();
    if (id == NoEntry) return;
    const auto slot = findSlot(foldedOf(id), textOf(id));
    // Its newest row was the oldest of all: the text has no other row.
    if (slot->newest == stamp) sorted_.erase(slot);
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
    for (const Slot& slot : newest) texts.emplace_back(textOf(slot.entry));
    return texts;
}

std::size_t SuggestionIndex::memoryBytes() const {
    return texts_.capacity() + entries_.capacity() * sizeof(Entry) + sorted_.capacity() * sizeof(Slot) +
           rows_.size() * sizeof(uint32_t);
}

}  // namespace vask
