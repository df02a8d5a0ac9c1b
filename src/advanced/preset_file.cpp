#include "advanced/preset_file.h"

#include "win/files.h"
#include "win/text.h"

namespace vask {
namespace {

IniDocument readDocument(const std::wstring& path) {
    return IniDocument::parse(win::readFileOrThrow(path), win::ansiDecoder());
}

}  // namespace

std::optional<Preset> loadPresetFile(const std::wstring& path) {
    const IniDocument preset = readDocument(path);
    if (!isPreset(preset)) return std::nullopt;
    return readPreset(preset);
}

void savePresetFile(const std::wstring& path, const Preset& values) {
    IniDocument preset = win::fileExists(path) ? readDocument(path) : IniDocument{};
    writePreset(preset, values);
    win::saveFileAtomically(path, preset.serialize());
}

}  // namespace vask
