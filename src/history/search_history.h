#pragma once
// The search history of one run: the rows, newest first, read from the
// history file when the program starts and written back when the bar closes,
// after "Clear all search history", and soon after each change the user
// makes (the bar times that, through onEdited), then on a thread of its own.
// It lives apart from the history window, which is made only when the user
// first opens it.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/background_work.h"
#include "history/history_file.h"
#include "history/history_record.h"
#include "history/history_rows.h"
#include "search/suggestions.h"
#include "win/prompter.h"

namespace vask {

class SearchHistory {
public:
    explicit SearchHistory(win::Prompter& prompter);
    ~SearchHistory();
    SearchHistory(const SearchHistory&) = delete;
    SearchHistory& operator=(const SearchHistory&) = delete;

    const HistoryRows& rows() const { return rows_; }
    // The rows' search texts, for suggestions while typing: made from the
    // rows when first asked (not at start, which it would slow), then kept in
    // step with every change.
    const SuggestionIndex& suggestions() const;
    // The row a list of the history selects after the last change: the
    // previous top row after a recording (the new row when it was alone),
    // none after a load, a deletion or a clear.
    std::optional<std::size_t> selectedRow() const { return selectedRow_; }
    // Runs after every change of the rows (the history window follows them).
    std::function<void()> onChange;
    // Runs after each change the user makes (a search, a deletion, a clear).
    std::function<void()> onEdited;
    // Changes the history file does not have yet.
    bool unsaved() const { return version_ != savedVersion_; }

    // The start-up load: only when the file is there, and a file that cannot
    // be read leaves the rows read so far. It comes in two halves: the file
    // is read and parsed on a thread of its own while the windows are made,
    // and taken into the history on the window thread, which returns what
    // the user should hear of the file, to be said with the start's other news.
    // A file that is there but cannot be read (another program holds it) is
    // never written over: this run's rows go on top of its rows once a
    // later save can read it.
    void startLoading(const std::wstring& file);
    std::optional<std::string> finishLoading();
    // The history file: the file's own problems are shown as "I/O Error".
    void LoadListViewToFile(const std::wstring& file);
    // Saves now, on this thread, once a save in the background has ended.
    // Throws with the system's message when the file cannot be written.
    void SaveListViewToFile(const std::wstring& file);
    // The close's save: a history whose file still cannot be read keeps this
    // run's rows beside it in "<file>.unsaved" (said in a message), or writes
    // nothing when the run changed nothing.
    void saveAtClose(const std::wstring& file);

    // The save after changes: the rows as they are now are written to `file`
    // on a thread of its own, and the window thread goes on at once.
    void saveInBackground(const std::wstring& file);
    // Runs on the saving thread when a save in the background has ended; set
    // before the first one. The window thread then calls backgroundSaveEnded.
    std::function<void()> onBackgroundSaveEnded;
    // On the window thread: the failure of the save to say, when it is not
    // the one said last.
    std::optional<std::string> backgroundSaveEnded();

    // A new search on top of the history.
    void recordSearch(HistoryRecord record);
    // "Delete record": the listed rows go.
    void eraseRows(const std::vector<std::size_t>& indices);
    void clear();

    // What a read of the history file found: its rows, or why it cannot be read.
    struct FileRead {
        std::optional<HistoryLoadResult> loaded;
        std::string failure;
    };

private:
    void changed(std::optional<std::size_t> selectedRow);
    void edited(std::optional<std::size_t> selectedRow);
    // Copies a damaged file aside, or marks it to be copied before it is
    // first replaced; says what became of it.
    std::string keepDamagedFile(const std::wstring& file);
    // The copy of a damaged `file` not copied yet (any thread); none when there is none to make.
    std::optional<std::wstring> copyDamagedFileAside(const std::wstring& file);
    // Takes what was read of a file into the history (under this run's rows
    // when it could not be read before); what the user should hear of it.
    std::optional<std::string> takeFile(const std::wstring& file, FileRead read);
    // The result of the last job of the saving thread, taken on the window
    // thread; the failure to say, or a message about the file.
    enum class Say { Everything, FileOnly };  // FileOnly: a save follows, saying its own failure
    std::optional<std::string> takeBackgroundResult(Say what);
    void say(const std::optional<std::string>& text);

    win::Prompter& prompter_;
    // The start-up read while it runs.
    struct StartupRead {
        std::wstring file;
        FileRead read;
        std::thread worker;
    };
    std::unique_ptr<StartupRead> startupRead_;
    HistoryRows rows_;
    mutable std::optional<SuggestionIndex> suggestions_;
    std::optional<std::size_t> selectedRow_;
    std::uint64_t version_ = 0;       // counts the changes the file may lack
    std::uint64_t savedVersion_ = 0;  // the changes the file has
    std::string lastSaveFailure_;     // the failure said last; empty once a save worked
    bool fileUnread_ = false;         // the rows are this run's only: the file could not be read

    // Shared with the saving thread.
    std::mutex mutex_;
    // A damaged history file not yet copied aside: it must not be replaced before it is.
    std::wstring damagedFile_;
    struct BackgroundResult {
        std::wstring file;
        std::uint64_t version = 0;     // a save: the changes it saved
        std::string failure;           // a save: empty when it worked
        std::optional<FileRead> read;  // a read of a file that could not be read before
    };
    std::optional<BackgroundResult> backgroundResult_;
    std::vector<HistoryRecord> spareRows_;  // the last snapshot's memory, for the next
    BackgroundWork saver_;                  // last: it ends before what it uses
};

}  // namespace vask
