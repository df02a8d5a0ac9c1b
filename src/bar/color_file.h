#pragma once
// "color.cld" on disk: the colour dialog's state, read when the bar is made
// and written at the close. A file that is there but holds no such state is
// copied aside before anything replaces it, and the user hears of it.
#include <optional>
#include <string>

#include "bar/color_stream.h"

namespace vask {

class ColorFile {
public:
    explicit ColorFile(std::wstring path) : path_(std::move(path)) {}

    // The state the file holds; none when it is missing, empty, cannot be
    // read or is damaged, and then `news` says what became of a damaged one.
    std::optional<ColorDialogState> load(std::string& news);
    // Throws with the system's message when it cannot be written, or while a
    // damaged file could not be copied aside.
    void save(const ColorDialogState& state);

private:
    std::wstring path_;
    bool damagedNotCopied_ = false;
};

}  // namespace vask
