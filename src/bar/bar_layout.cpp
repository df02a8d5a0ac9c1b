#include "bar/bar_layout.h"

namespace vask {
namespace {

constexpr int FullPanelTop = 39, CompactPanelTop = 7;  // the edit row moves with the layout
constexpr int Panel1Left = 4, Panel1Width = 413, Panel1Height = 20;

constexpr RECT at(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// Each service's radio button, with its label just right of it.
struct ServicePlace {
    int left, labelWidth;
};
constexpr std::array<ServicePlace, BuiltInEngineCount> Services{{{101, 62}, {194, 62}, {285, 80}}};

}  // namespace

BarLayout barLayout(bool compact) {
    const int top = compact ? CompactPanelTop : FullPanelTop;
    BarLayout layout{
        .height = compact ? BarLayout::FullHeight - BarLayout::CompactReduction : BarLayout::FullHeight,
        .servicesShown = !compact,
        .Panel1 = at(Panel1Left, top, Panel1Width, Panel1Height),
        .eurl = at(Panel1Left + 3, top + 2, 341, 16),
        .GradButton3 = at(Panel1Left + 346, top + 1, 20, 18),
        .GradButton1 = at(Panel1Left + 367, top + 1, 45, 18),
        .ingpop = at(420, top, 26, 20),
        .sbend = at(427, 5, 13, 13),
        .Image1 = {10, 7, 94, 33},
        .radios = {},
        .labels = {},
    };
    for (std::size_t i = 0; i < Services.size(); ++i) {
        layout.radios[i] = at(Services[i].left, 14, 13, 17);
        layout.labels[i] = at(Services[i].left + 13, 15, Services[i].labelWidth, 15);
    }
    return layout;
}

}  // namespace vask
