#include "bar/color_file.h"

#include "win/files.h"
#include "win/text.h"

namespace vask {

std::optional<ColorDialogState> ColorFile::load(std::string& news) {
    const std::optional<std::string> bytes = win::readWholeFile(path_);
    if (!bytes || bytes->empty()) return std::nullopt;
    if (std::optional<ColorDialogState> state = readColorStream(*bytes)) return state;
    news =
        win::quotedName(path_) + " holds no colours Vask can read: the colour dialog starts with the default colours; ";
    try {
        news += "the file is kept beside it as " + win::quotedName(win::copyAside(path_, L".damaged")) + ".";
    } catch (const std::exception& error) {
        damagedNotCopied_ = true;
        news += "it could not be copied aside (" + std::string(error.what()) + ") and is not written over.";
    }
    return std::nullopt;
}

void ColorFile::save(const ColorDialogState& state) {
    if (damagedNotCopied_) {
        win::copyAside(path_, L".damaged");
        damagedNotCopied_ = false;
    }
    win::saveFileAtomically(path_, writeColorStream(state));
}

}  // namespace vask
