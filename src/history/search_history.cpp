#include "history/search_history.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <utility>

#include "history/history_file.h"
#include "win/errors.h"
#include "win/files.h"
#include "win/text.h"

namespace vask {

namespace {

std::optional<HistoryLoadResult> readAndParse(const std::wstring& file) {
    auto bytes = win::readWholeFile(file);
    if (!bytes) return std::nullopt;
    return loadHistory(std::move(*bytes), win::ansiDecoder());
}

// What suggestions offer of a row: its search text ("- - -" is no search).
std::string_view suggestedText(const HistoryRecord& row) {
    const std::string_view text = subItemOrEmpty(row, HistoryItem::Search);
    return text == NoneValue ? std::string_view() : text;
}

}  // namespace

SearchHistory::SearchHistory(win::Prompter& prompter)
    : prompter_(prompter), saver_([this] {
          if (onBackgroundSaveEnded) onBackgroundSaveEnded();
      }) {}

SearchHistory::~SearchHistory() {
    if (startupRead_) startupRead_->worker.join();
}

const SuggestionIndex& SearchHistory::suggestions() const {
    if (!suggestions_) {
        std::vector<std::string_view> texts;
        texts.reserve(rows_.size());
        for (const HistoryRecord& row : rows_) texts.push_back(suggestedText(row));
        suggestions_.emplace(HistoryRows::MaxRows).rebuild(texts);
    }
    return *suggestions_;
}

void SearchHistory::startLoading(const std::wstring& file) {
    if (startupRead_ || !win::fileExists(file)) return;
    startupRead_ = std::make_unique<StartupRead>();
    startupRead_->file = file;
    // Only the worker touches `loaded` until it is joined.
    startupRead_->worker = std::thread([read = startupRead_.get()] { read->loaded = readAndParse(read->file); });
}

void SearchHistory::finishLoading() {
    if (!startupRead_) return;
    startupRead_->worker.join();
    const std::unique_ptr<StartupRead> read = std::move(startupRead_);
    try {
        takeLoaded(read->file, std::move(read->loaded));
    } catch (const std::exception&) {
        // The history starts with the rows read so far.
    }
}

void SearchHistory::LoadListViewToFile(const std::wstring& file) {
    if (!win::fileExists(file)) {
        prompter_.ask(nullptr, "File \"" + win::toUtf8(win::bareFileName(file)) + "\" does not exist!", "I/O Error",
                      MB_OK | MB_ICONERROR);
        return;
    }
    takeLoaded(file, readAndParse(file));
}

void SearchHistory::takeLoaded(const std::wstring& file, std::optional<HistoryLoadResult> loaded) {
    const std::string name = win::toUtf8(win::bareFileName(file));
    if (!loaded) {
        keepDamagedFile(file);  // there but unreadable: not to be replaced by an empty history
        throw std::runtime_error("\"" + name + "\" cannot be read.");
    }
    if (loaded->status != HistoryLoadStatus::Ok) keepDamagedFile(file);
    if (loaded->status == HistoryLoadStatus::NotListViewFile) {
        prompter_.ask(nullptr, "\"" + name + "\" is not a ListView file!", "I/O Error", MB_OK | MB_ICONERROR);
        return;
    }
    rows_ = std::move(loaded->rows);
    suggestions_.reset();
    changed(std::nullopt);
}

// A file that could not be read whole is copied to "<name>.bak" before
// anything replaces it; when even the copy fails, the next save tries again
// and fails rather than lose the user's bytes.
void SearchHistory::keepDamagedFile(const std::wstring& file) {
    {
        const std::lock_guard lock(mutex_);
        damagedFile_ = file;
    }
    try {
        copyDamagedFileAside(file);
    } catch (const std::exception&) {
        // Tried again before the file is first replaced.
    }
}

void SearchHistory::copyDamagedFileAside(const std::wstring& file) {
    {
        const std::lock_guard lock(mutex_);
        if (damagedFile_ != file) return;
    }
    if (!CopyFileW(file.c_str(), (file + L".bak").c_str(), FALSE))
        win::throwLastError(win::toUtf8(win::bareFileName(file)) + ".bak");
    const std::lock_guard lock(mutex_);
    damagedFile_.clear();
}

void SearchHistory::SaveListViewToFile(const std::wstring& file) {
    saver_.cancelAndWait();  // nothing of it runs after this save
    backgroundSaveEnded();
    try {
        copyDamagedFileAside(file);
        win::saveFileAtomically(file, saveHistory(rows_));
    } catch (const std::exception& error) {
        lastSaveFailure_ = error.what();
        throw;
    }
    lastSaveFailure_.clear();
    savedVersion_ = version_;
}

void SearchHistory::saveInBackground(const std::wstring& file) {
    // The snapshot shares the rows' texts: taking it costs the window thread
    // a copy of the row list (into the memory the last one left), never the
    // file's layout or its writing.
    auto snapshot = std::make_shared<HistorySnapshot>();
    {
        const std::lock_guard lock(mutex_);
        snapshot->rows = std::move(spareRows_);
    }
    rows_.snapshot(*snapshot);
    saver_.post([this, file, snapshot, version = version_] {
        SaveResult result{version, {}};
        try {
            copyDamagedFileAside(file);
            win::saveFileAtomically(file, saveHistory(std::span<const HistoryRecord>(snapshot->rows)));
        } catch (const std::exception& error) {
            result.failure = error.what();
        }
        snapshot->rows.clear();
        const std::lock_guard lock(mutex_);
        backgroundResult_ = std::move(result);
        spareRows_ = std::move(snapshot->rows);
    });
}

std::optional<std::string> SearchHistory::backgroundSaveEnded() {
    std::optional<SaveResult> result;
    {
        const std::lock_guard lock(mutex_);
        result = std::exchange(backgroundResult_, std::nullopt);
    }
    if (!result) return std::nullopt;
    if (result->failure.empty()) {
        savedVersion_ = std::max(savedVersion_, result->version);
        lastSaveFailure_.clear();
        return std::nullopt;
    }
    if (std::exchange(lastSaveFailure_, result->failure) == result->failure) return std::nullopt;
    return result->failure;
}

void SearchHistory::recordSearch(HistoryRecord record) {
    const std::size_t before = rows_.size();
    if (suggestions_) suggestions_->recordAtTop(suggestedText(record));
    rows_.recordAtTop(std::move(record));
    edited(selectionAfterRecording(before));
}

void SearchHistory::eraseRows(const std::vector<std::size_t>& indices) {
    rows_.eraseRows(indices);
    if (suggestions_) suggestions_->eraseRows(indices);
    edited(std::nullopt);
}

void SearchHistory::clear() {
    rows_.clear();
    if (suggestions_) suggestions_->clear();
    edited(std::nullopt);
}

void SearchHistory::changed(std::optional<std::size_t> selectedRow) {
    selectedRow_ = selectedRow;
    if (onChange) onChange();
}

void SearchHistory::edited(std::optional<std::size_t> selectedRow) {
    ++version_;
    changed(selectedRow);
    if (onEdited) onEdited();
}

}  // namespace vask
