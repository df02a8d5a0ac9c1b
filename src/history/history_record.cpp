#include "history/history_record.h"

#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#include "common/utf8.h"

namespace vask {
namespace {

std::string_view orNone(std::string_view text) { return text.empty() ? NoneValue : text; }

char* putLength(char* at, uint32_t length) {
    for (std::size_t i = 0; i < BlockLengthWidth; ++i) *at++ = static_cast<char>((length >> (8 * i)) & 0xFF);
    return at;
}

uint32_t checkedItemCount(std::size_t count) {
    if (count >= std::numeric_limits<uint32_t>::max()) throw std::length_error("too many history columns");
    return static_cast<uint32_t>(count);
}

// A block holding the texts `forEachText` visits, each after its length.
template <class ForEachText>
std::shared_ptr<const char[]> makeBlock(const ForEachText& forEachText) {
    std::size_t size = 0;
    forEachText([&](std::string_view text) {
        if (text.size() > std::numeric_limits<uint32_t>::max()) throw std::length_error("history text too long");
        size += BlockLengthWidth + text.size();
    });
    auto block = std::make_shared_for_overwrite<char[]>(size);
    char* at = block.get();
    forEachText([&](std::string_view text) {
        at = putLength(at, static_cast<uint32_t>(text.size()));
        if (!text.empty()) std::memcpy(at, text.data(), text.size());
        at += text.size();
    });
    return block;
}

}  // namespace

HistoryRecord::HistoryRecord(std::string_view caption, std::span<const std::string_view> subItems, int32_t imageIndex)
    : subItems_(checkedItemCount(subItems.size())), imageIndex_(imageIndex) {
    if (caption.empty() && subItems.empty()) return;
    block_ = makeBlock([&](const auto& visit) {
        visit(caption);
        for (const std::string_view item : subItems) visit(item);
    });
    texts_ = block_.get();
}

HistoryRecord HistoryRecord::inFile(const HistoryFileKey&, const char* texts, uint32_t subItems, int32_t imageIndex) {
    HistoryRecord row;
    row.texts_ = texts;
    row.subItems_ = subItems;
    row.imageIndex_ = imageIndex;
    return row;
}

HistoryRecord::HistoryRecord(const HistoryRecord& other)
    : block_(other.block_), texts_(other.texts_), subItems_(other.subItems_), imageIndex_(other.imageIndex_) {
    if (block_ || !texts_) return;
    block_ = makeBlock([&](const auto& visit) { other.forEachText(visit); });
    texts_ = block_.get();
}

HistoryRecord HistoryRecord::sharingTexts() const {
    HistoryRecord row;
    row.block_ = block_;
    row.texts_ = texts_;
    row.subItems_ = subItems_;
    row.imageIndex_ = imageIndex_;
    return row;
}

HistoryRecord::HistoryRecord(HistoryRecord&& other) noexcept
    : block_(std::move(other.block_)),
      texts_(std::exchange(other.texts_, nullptr)),
      subItems_(std::exchange(other.subItems_, 0)),
      imageIndex_(other.imageIndex_) {}

HistoryRecord& HistoryRecord::operator=(const HistoryRecord& other) {
    if (this != &other) *this = HistoryRecord(other);
    return *this;
}

HistoryRecord& HistoryRecord::operator=(HistoryRecord&& other) noexcept {
    if (this == &other) return *this;
    block_ = std::move(other.block_);
    texts_ = std::exchange(other.texts_, nullptr);
    subItems_ = std::exchange(other.subItems_, 0);
    imageIndex_ = other.imageIndex_;
    return *this;
}

std::string_view HistoryRecord::text(std::size_t i) const {
    if (!texts_) return {};
    std::string_view text = textAt(texts_);
    for (; i > 0; --i) text = textAt(text.data() + text.size());
    return text;
}

bool HistoryRecord::operator==(const HistoryRecord& other) const {
    if (imageIndex_ != other.imageIndex_ || subItems_ != other.subItems_) return false;
    // Without texts a row is an empty caption alone.
    if (!texts_ || !other.texts_) return caption() == other.caption();
    std::string_view mine = textAt(texts_), theirs = other.textAt(other.texts_);
    for (std::size_t i = 0; mine == theirs; ++i) {
        if (i == subItems_) return true;
        mine = textAt(mine.data() + mine.size());
        theirs = other.textAt(theirs.data() + theirs.size());
    }
    return false;
}

HistoryRecord makeHistoryRecord(const SearchSnapshot& s) {
    if (!s.options) {
        std::array<std::string_view, PlainRowItems> items;
        items.fill(NoneValue);
        items[HistoryItem::Time] = s.time;
        items[HistoryItem::Search] = orNone(s.searchText);
        return HistoryRecord(s.date, items);
    }
    // The lists' own texts: their first entry is already "- - -".
    const OptionTexts& o = *s.options;
    std::array<std::string_view, FullRowItems> items{
        s.time,    orNone(s.searchText), orNone(o.exact), orNone(o.exclude), orNone(o.domain), o.fileType,
        o.browser, o.interfaceLanguage,  o.country,       o.resultLanguage,  o.timePeriod};
    for (std::size_t column = HistoryItem::Google; column < FullRowItems; ++column) items[column] = NoneValue;
    if (s.engine) items[HistoryItem::engineColumn(*s.engine)] = "Yes";
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

bool recordedWithoutOptions(const HistoryRecord& record) {
    return subItemOrEmpty(record, HistoryItem::Browser) == NoneValue;
}

RunRestore runRestore(const HistoryRecord& record) {
    const auto item = [&](std::size_t i) { return std::string(subItemOrEmpty(record, i)); };
    const auto unlessNone = [&](std::size_t i) { return item(i) == NoneValue ? std::string{} : item(i); };
    if (recordedWithoutOptions(record)) return {item(HistoryItem::Search), std::nullopt};
    OptionTexts options{.exact = unlessNone(HistoryItem::Exact),
                        .exclude = unlessNone(HistoryItem::Exclude),
                        .domain = unlessNone(HistoryItem::Domain),
                        .fileType = item(HistoryItem::FileType),
                        .browser = item(HistoryItem::Browser),
                        .interfaceLanguage = item(HistoryItem::Interface),
                        .country = item(HistoryItem::Country),
                        .resultLanguage = item(HistoryItem::Language),
                        .timePeriod = item(HistoryItem::TimePeriod)};
    return {unlessNone(HistoryItem::Search), std::move(options)};
}

}  // namespace vask
