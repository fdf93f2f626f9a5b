// Fuzzes the main dialog's layout over every size a size message and the controls can report.
#include "../../app/layout_rules.h"
#include "fuzz_support.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    // WM_SIZE carries the client size in two 16-bit words; client rectangles are as small.
    const int width = input.ConsumeIntegral<std::uint16_t>();
    const int height = input.ConsumeIntegral<std::uint16_t>();
    const int clientBottom = input.ConsumeIntegral<std::uint16_t>();
    const int statusHeight = input.ConsumeIntegral<std::uint16_t>();

    const MainLayout l = ComputeMainLayout(width, height, clientBottom, statusHeight);

    const LayoutRect& bar = l.statusBar;
    Check(bar.x == 0 && bar.width == width && bar.height == height,
          "the status bar is asked for the whole client size");
    Check(bar.y + statusHeight == clientBottom, "the status bar's own height ends at the bottom");

    const LayoutRect& frame = l.noticeFrame;
    Check(frame.x == 5 && frame.x + frame.width == width - 5,
          "the notice frame keeps 5 pixels to either side");
    Check(frame.height == 45 && frame.y + frame.height == height - 25,
          "the notice frame stands 25 pixels above the bottom");
    Check(l.noticeIcon.x == 15 && l.noticeIcon.y == frame.y + 10,
          "the notice icon follows the frame");
    Check(l.noticeText.x == 60 && l.noticeText.y == frame.y + 13,
          "the notice text follows the frame");
    Check(l.iconList.width == frame.width && l.iconList.height == height - 110,
          "the icon list is as wide as the frame and 110 pixels lower than the client");
    return 0;
}
