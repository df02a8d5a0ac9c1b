#include "history/history_geometry.h"

#include <string_view>

namespace vask {
namespace {

// "Sirina" is the width, "Visina" the height, "Levo" left and "Gor" top;
// "Dpi" the DPI they were kept at.
constexpr std::string_view kSection = "VelikostH";
constexpr int kMaximised = 2;
constexpr int kNormal = 0;

}  // namespace

HistoryGeometry loadHistoryGeometry(const IniDocument& settings, ScreenSize screen, int dpi) {
    HistoryGeometry geometry;
    geometry.left = settings.readInteger(kSection, "Levo", 10);
    geometry.top = settings.readInteger(kSection, "Gor", 10);
    geometry.width = settings.readInteger(kSection, "Sirina", screen.width - 150);
    geometry.height = settings.readInteger(kSection, "Visina", screen.height - 150);
    const int status = settings.readInteger(kSection, "Status", kMaximised);
    geometry.status = status == kMaximised ? kMaximised : kNormal;
    const int keptAt = settings.readInteger(kSection, "Dpi", 0);
    if (keptAt > 0 && dpi > 0 && keptAt != dpi && settings.hasKey(kSection, "Sirina")) {
        geometry.width = static_cast<int>(static_cast<long long>(geometry.width) * dpi / keptAt);
        geometry.height = static_cast<int>(static_cast<long long>(geometry.height) * dpi / keptAt);
    }
    geometry.dpi = dpi;
    return geometry;
}

void saveHistoryGeometry(IniDocument& settings, const HistoryGeometry& geometry) {
    settings.writeInteger(kSection, "Sirina", geometry.width);
    settings.writeInteger(kSection, "Visina", geometry.height);
    settings.writeInteger(kSection, "Levo", geometry.left);
    settings.writeInteger(kSection, "Gor", geometry.top);
    settings.writeInteger(kSection, "Status", geometry.status);
    if (geometry.dpi > 0) settings.writeInteger(kSection, "Dpi", geometry.dpi);
}

Point keepHistoryWindowOnScreen(int left, int top, ScreenSize screen) {
    Point corner{left, top};
    if (corner.x < -1 || corner.x > screen.width - 60) corner.x = 0;
    if (corner.y < -5) corner.y = 10;
    if (corner.y > screen.height - 60) corner.y = screen.height - 100;
    return corner;
}

}  // namespace vask
