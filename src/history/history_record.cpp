#include "history/history_record.h"

#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#include "common/utf8.h"

namespace vask {
namespace {

constexpr std::size_t OffsetSize = sizeof(uint32_t);

std::string_view orNone(std::string_view text) { return text.empty() ? NoneValue : text; }

std::string_view yesOrNone(bool checked) { return checked ? "Yes" : NoneValue; }

}  // namespace

HistoryRecord::HistoryRecord(std::string_view caption, std::span<const std::string_view> subItems,
                             int32_t imageIndex)
    : imageIndex_(imageIndex) {
    if (caption.empty() && subItems.empty()) return;
    constexpr std::size_t MaxOffset = std::numeric_limits<uint32_t>::max();
    if (subItems.size() >= MaxOffset / OffsetSize) throw std::length_error("too many history columns");
    std::size_t textSize = caption.size();
    for (const std::string_view item : subItems) {
        if (item.size() > MaxOffset - textSize) throw std::length_error("history row too long");
        textSize += item.size();
    }
    const std::size_t offsetsSize = (subItems.size() + 1) * OffsetSize;
    block_ = std::make_unique_for_overwrite<char[]>(offsetsSize + textSize);
    subItems_ = static_cast<uint32_t>(subItems.size());

    char* offset = block_.get();
    char* text = block_.get() + offsetsSize;
    uint32_t end = 0;
    const auto put = [&](std::string_view item) {
        std::memcpy(text, item.data(), item.size());
        text += item.size();
        end += static_cast<uint32_t>(item.size());
        std::memcpy(offset, &end, OffsetSize);
        offset += OffsetSize;
    };
    put(caption);
    for (const std::string_view item : subItems) put(item);
}

HistoryRecord::HistoryRecord(const HistoryRecord& other)
    : subItems_(other.subItems_), imageIndex_(other.imageIndex_) {
    if (!other.block_) return;
    const std::size_t size = (subItems_ + std::size_t{1}) * OffsetSize + other.textEnd(subItems_);
    block_ = std::make_unique_for_overwrite<char[]>(size);
    std::memcpy(block_.get(), other.block_.get(), size);
}

HistoryRecord::HistoryRecord(HistoryRecord&& other) noexcept
    : block_(std::move(other.block_)),
      subItems_(std::exchange(other.subItems_, 0)),
      imageIndex_(other.imageIndex_) {}

HistoryRecord& HistoryRecord::operator=(const HistoryRecord& other) {
    if (this != &other) *this = HistoryRecord(other);
    return *this;
}

HistoryRecord& HistoryRecord::operator=(HistoryRecord&& other) noexcept {
    block_ = std::move(other.block_);
    subItems_ = std::exchange(other.subItems_, 0);
    imageIndex_ = other.imageIndex_;
    return *this;
}

// The offsets sit at any byte of the block: they are copied out, not read in place.
uint32_t HistoryRecord::textEnd(std::size_t i) const {
    uint32_t end = 0;
    std::memcpy(&end, block_.get() + i * OffsetSize, OffsetSize);
    return end;
}

const char* HistoryRecord::textBytes() const {
    return block_.get() + (subItems_ + std::size_t{1}) * OffsetSize;
}

std::string_view HistoryRecord::text(std::size_t i) const {
    if (!block_) return {};
    const uint32_t begin = i == 0 ? 0 : textEnd(i - 1);
    return {textBytes() + begin, textEnd(i) - begin};
}

bool HistoryRecord::operator==(const HistoryRecord& other) const {
    if (imageIndex_ != other.imageIndex_ || subItems_ != other.subItems_) return false;
    for (std::size_t i = 0; i <= subItems_; ++i)
        if (text(i) != other.text(i)) return false;
    return true;
}

HistoryRecord makeHistoryRecord(const SearchSnapshot& s) {
    if (!s.advancedShown) {
        std::array<std::string_view, PlainRowItems> items;
        items.fill(NoneValue);
        items[HistoryItem::Time] = s.time;
        items[HistoryItem::Search] = orNone(s.searchText);
        return HistoryRecord(s.date, items);
    }
    // The lists' own texts: their first entry is already "- - -".
    const std::array<std::string_view, FullRowItems> items{
        s.time, orNone(s.searchText), orNone(s.exact), orNone(s.exclude), orNone(s.domain),
        s.fileType, s.browser, s.interfaceLanguage, s.country, s.resultLanguage, s.timePeriod,
        yesOrNone(s.google), yesOrNone(s.bing), yesOrNone(s.wikipedia)};
    return HistoryRecord(s.date, items);
}

std::string_view subItemOrEmpty(const HistoryRecord& record, std::size_t i) {
    return i < record.subItemCount() ? record.subItem(i) : std::string_view();
}

bool matchesFind(const HistoryRecord& record, std::string_view findText) {
    if (findText.empty()) return false;
    const std::string wanted = asciiUpper(findText);
    using namespace HistoryItem;
    for (const std::size_t i : {Search, Exact, Exclude, Domain, FileType, Country, Language})
        if (asciiUpper(subItemOrEmpty(record, i)).find(wanted) != std::string::npos) return true;
    return false;
}

uint32_t rowBackground(std::size_t index, bool highlighted) {
    if (highlighted) return 0xB9FFFF;  // red FF, green FF, blue B9
    return index % 2 == 1 ? 0xFFFFFF : 0xF5F5F5;
}

int lastEqualEntry(const std::vector<std::string>& items, std::string_view text) {
    const std::string wanted = asciiUpper(text);
    for (std::size_t i = items.size(); i-- > 0;)
        if (asciiUpper(items[i]) == wanted) return static_cast<int>(i);
    return -1;
}

bool recordedWithoutOptions(const HistoryRecord& record) {
    return subItemOrEmpty(record, HistoryItem::Browser) == NoneValue;
}

}  // namespace vask
