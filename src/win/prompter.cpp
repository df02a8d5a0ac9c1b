#include "win/prompter.h"

#include "win/text.h"

namespace vask::win {

int SystemPrompter::ask(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxW(owner, toWide(text).c_str(), toWide(caption).c_str(), flags);
}

}  // namespace vask::win
