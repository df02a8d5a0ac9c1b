// Messages from other programs: the two commands another program may send
// the bar, and the searches a second copy hands over.
#include <utility>

#include "app/app.h"
#include "bar/bar_window.h"
#include "search/copy_data.h"

namespace vask {

LRESULT App::copyData(const COPYDATASTRUCT& message) {
    if (message.dwData == SearchRequestTag || message.dwData == PrivateSearchRequestTag) {
        std::optional<SearchRequest> request = decodeSearchRequest(message.lpData, message.cbData);
        if (!request) return FALSE;
        request->privately = message.dwData == PrivateSearchRequestTag;
        // Not inside the sender's SendMessage: a browser started, a message box
        // shown or a COM call made there would run while another process waits.
        handedSearches_.push_back(std::move(*request));
        PostMessageW(messages().hwnd(), RunHandedSearch, 0, 0);
        return TRUE;
    }
    switch (copyDataCommand(copyDataText(message.lpData, message.cbData))) {
    case CopyDataCommand::Opaque:
        bar_->comeForward();
        break;
    case CopyDataCommand::Close:
        bar_->Exit1Click();
        break;
    case CopyDataCommand::None:
        break;
    }
    return TRUE;
}

void App::runHandedSearch() {
    // A search handed over just before the close is not run after it.
    if (handedSearches_.empty() || !bar_->hwnd()) return;
    const SearchRequest request = std::move(handedSearches_.front());
    handedSearches_.pop_front();
    bar_->searchFor(request);
}

}  // namespace vask
