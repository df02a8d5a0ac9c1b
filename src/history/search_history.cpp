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

SearchHistory::FileRead readAndParse(const std::wstring& file) {
    try {
        return {loadHistory(win::readFileOrThrow(file), win::ansiDecoder()), {}};
    } catch (const std::exception& error) {
        return {std::nullopt, error.what()};
    }
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
    // Only the worker touches `read` until it is joined.
    startupRead_->worker = std::thread([read = startupRead_.get()] { read->read = readAndParse(read->file); });
}

std::optional<std::string> SearchHistory::finishLoading() {
    if (!startupRead_) return std::nullopt;
    startupRead_->worker.join();
    const std::unique_ptr<StartupRead> read = std::move(startupRead_);
    return takeFile(read->file, std::move(read->read));
}

void SearchHistory::LoadListViewToFile(const std::wstring& file) {
    if (!win::fileExists(file)) {
        prompter_.ask(nullptr, "File \"" + win::toUtf8(win::bareFileName(file)) + "\" does not exist!", "I/O Error",
                      MB_OK | MB_ICONERROR);
        return;
    }
    if (const std::optional<std::string> said = takeFile(file, readAndParse(file)))
        prompter_.ask(nullptr, *said, "I/O Error", MB_OK | MB_ICONERROR);
}

// A file that cannot be read is neither shown nor written over: the rows are
// this run's until it can be read, and then go on top of the file's. A
// damaged file is copied aside before anything replaces it, and the user
// hears what was kept and where the file went.
std::optional<std::string> SearchHistory::takeFile(const std::wstring& file, FileRead read) {
    const std::string name = win::quotedName(file);
    if (!read.loaded) {
        fileUnread_ = true;
        return read.failure + "\nVask keeps this run's searches and adds them to the history in " + name +
               " once it can read the file; until then the file is not written.";
    }
    const bool merging = std::exchange(fileUnread_, false);
    HistoryLoadResult& loaded = *read.loaded;
    std::optional<std::string> said;
    if (loaded.status == HistoryLoadStatus::NotListViewFile) {
        said = name + " is not a ListView file! " +
               (merging ? "This run's searches are kept" : "The history starts empty") + "; " + keepDamagedFile(file) +
               ".";
        if (merging) ++version_;  // the file is replaced by this run's rows
        return said;
    }
    if (loaded.status == HistoryLoadStatus::Truncated)
        said = name + " ends inside a row: the " + std::to_string(loaded.rows.size()) +
               " searches before it are kept; " + keepDamagedFile(file) + ".";
    if (merging) {
        rows_.appendOlder(std::move(loaded.rows));
        ++version_;  // the file lacks this run's rows
    } else {
        rows_ = std::move(loaded.rows);
    }
    suggestions_.reset();
    changed(std::nullopt);
    return said;
}

std::string SearchHistory::keepDamagedFile(const std::wstring& file) {
    {
        const std::lock_guard lock(mutex_);
        damagedFile_ = file;
    }
    try {
        const std::optional<std::wstring> copy = copyDamagedFileAside(file);
        return "the whole file is kept beside it as " + win::quotedName(copy.value_or(L""));
    } catch (const std::exception& error) {
        return "it could not be copied aside (" + std::string(error.what()) +
               ") and is not written over until it can be";
    }
}

// Never over an earlier copy ("hist.sdf.bak" and the like stay as they are).
std::optional<std::wstring> SearchHistory::copyDamagedFileAside(const std::wstring& file) {
    {
        const std::lock_guard lock(mutex_);
        if (damagedFile_ != file) return std::nullopt;
    }
    std::wstring copy = win::copyAside(file, L".damaged");
    const std::lock_guard lock(mutex_);
    damagedFile_.clear();
    return copy;
}

void SearchHistory::SaveListViewToFile(const std::wstring& file) {
    saver_.cancelAndWait();  // nothing of it runs after this save
    takeBackgroundResult(Say::FileOnly);
    try {
        if (fileUnread_) {
            FileRead read = readAndParse(file);
            if (!read.loaded) throw std::runtime_error(read.failure);
            say(takeFile(file, std::move(read)));
        }
        copyDamagedFileAside(file);
        win::saveFileAtomically(file, saveHistory(rows_));
    } catch (const std::exception& error) {
        lastSaveFailure_ = error.what();
        throw;
    }
    lastSaveFailure_.clear();
    savedVersion_ = version_;
}

void SearchHistory::saveAtClose(const std::wstring& file) {
    saver_.cancelAndWait();
    takeBackgroundResult(Say::FileOnly);
    if (fileUnread_) {
        if (!unsaved()) return;  // nothing of this run to add: the file stays as it is
        FileRead read = readAndParse(file);
        if (!read.loaded) {
            // Kept beside it, under a name that says so, never over it.
            const std::wstring kept = win::unusedName(file + L".unsaved");
            win::saveFileAtomically(kept, saveHistory(rows_));
            savedVersion_ = version_;
            say(read.failure + "\nThis run's searches are kept beside it in " + win::quotedName(kept) + ".");
            return;
        }
        say(takeFile(file, std::move(read)));
    }
    SaveListViewToFile(file);
}

void SearchHistory::saveInBackground(const std::wstring& file) {
    if (fileUnread_) {
        // Read first: this run's rows go on top of the file's once it can be.
        saver_.post([this, file] {
            BackgroundResult result{file, 0, {}, readAndParse(file)};
            const std::lock_guard lock(mutex_);
            backgroundResult_ = std::move(result);
        });
        return;
    }
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
        BackgroundResult result{file, version, {}, {}};
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
    std::wstring file;
    {
        const std::lock_guard lock(mutex_);
        if (backgroundResult_) file = backgroundResult_->file;
    }
    const bool wasUnread = fileUnread_;
    std::optional<std::string> said = takeBackgroundResult(Say::Everything);
    if (wasUnread && !file.empty()) {
        if (fileUnread_) {
            if (onEdited) onEdited();  // tried again in a while
        } else {
            saveInBackground(file);  // this run's rows on top of the file's
        }
    }
    return said;
}

std::optional<std::string> SearchHistory::takeBackgroundResult(Say what) {
    std::optional<BackgroundResult> result;
    {
        const std::lock_guard lock(mutex_);
        result = std::exchange(backgroundResult_, std::nullopt);
    }
    if (!result) return std::nullopt;
    if (result->read) {
        // A file that could not be read before; the user may have cleared the history meanwhile.
        if (!fileUnread_ || !result->read->loaded) return std::nullopt;
        std::optional<std::string> said = takeFile(result->file, std::move(*result->read));
        if (what == Say::FileOnly) say(said);
        return said;
    }
    if (result->failure.empty()) {
        savedVersion_ = std::max(savedVersion_, result->version);
        lastSaveFailure_.clear();
        return std::nullopt;
    }
    // The failure a save now says again is left to it.
    if (what == Say::FileOnly || std::exchange(lastSaveFailure_, result->failure) == result->failure)
        return std::nullopt;
    return result->failure;
}

void SearchHistory::say(const std::optional<std::string>& text) {
    if (text) prompter_.ask(nullptr, *text, "Vask", MB_OK | MB_ICONWARNING);
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
    // "Clear all search history" is the file's rows too, read or not.
    fileUnread_ = false;
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
