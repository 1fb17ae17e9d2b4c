#include "MessageBoxIcons.h"

#include "ScreenImage.h"
#include "Waiting.h"
#include "WindowQueries.h"

#include <cstdlib>

namespace ui {
namespace {

struct StandardIcon {
    BoxIcon icon;
    LPCSTR resource;
};

const StandardIcon kStandardIcons[] = {
    {BoxIcon::Hand, IDI_HAND},
    {BoxIcon::Question, IDI_QUESTION},
    {BoxIcon::Exclamation, IDI_EXCLAMATION},
    {BoxIcon::Asterisk, IDI_ASTERISK},
};

// The icon drawn here and the one on screen agree to the pixel when they are the same; allow a
// little for rounding of the alpha blend. The closest pair of standard icons (question mark and
// asterisk, both on a blue disc) still differ in about 7% of their pixels.
constexpr double kMostDifferent = 0.03;

BOOL CALLBACK MatchIconControl(HWND window, LPARAM param)
{
    if (ClassOf(window) != "Static" || !IsWindowVisible(window))
        return TRUE;
    if ((GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
        return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

HWND IconControl(HWND box)
{
    HWND found = nullptr;
    EnumChildWindows(box, MatchIconControl, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The standard icon as the box's static control draws it: stretched to its client area, over
// the background colour.
Image Draw(LPCSTR resource, int width, int height, uint32_t background)
{
    return Render(width, height, [&](HDC memory) {
        const COLORREF colour = RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all{0, 0, width, height};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        HICON icon = LoadIconA(nullptr, resource);
        return DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL) != 0;
    });
}

bool Near(uint32_t a, uint32_t b)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 24)
            return false;
    return true;
}

// The share of pixels of `drawn` that differ from the screen, which has a margin of `margin`
// columns on its left.
double Difference(const Image& screen, int margin, const Image& drawn)
{
    if (drawn.width == 0)
        return 1.0;
    int differ = 0;
    for (int y = 0; y < drawn.height; ++y)
        for (int x = 0; x < drawn.width; ++x)
            differ += !Near(screen.At(x + margin, y), drawn.At(x, y));
    return static_cast<double>(differ) / (drawn.width * drawn.height);
}

// One look at the screen: the standard icon shown, or Unknown.
BoxIcon Compare(HWND control)
{
    RECT client;
    if (!GetClientRect(control, &client))
        return BoxIcon::Unknown;
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    // Two columns left of the control show the box's background, on which the icon is drawn.
    const int margin = 2;
    RECT area{origin.x - margin, origin.y, origin.x + client.right, origin.y + client.bottom};
    Image screen = CaptureScreen(area);
    if (screen.width <= margin || screen.height == 0)
        return BoxIcon::Unknown;
    const uint32_t background = screen.At(0, screen.height / 2);
    BoxIcon closest = BoxIcon::Unknown;
    double least = kMostDifferent;
    for (const auto& standard : kStandardIcons) {
        double difference =
            Difference(screen, margin, Draw(standard.resource, client.right, client.bottom, background));
        if (difference <= least) {
            least = difference;
            closest = standard.icon;
        }
    }
    return closest;
}

} // namespace

const char* IconName(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::None:
        return "none";
    case BoxIcon::Hand:
        return "hand";
    case BoxIcon::Question:
        return "question";
    case BoxIcon::Exclamation:
        return "exclamation";
    case BoxIcon::Asterisk:
        return "asterisk";
    case BoxIcon::Unknown:
        break;
    }
    return "unknown";
}

BoxIcon RecogniseIcon(HWND box, DWORD timeoutMs)
{
    // The box sets its icon while it initialises, before it shows itself, yet on a slow machine a
    // box just shown was seen with its icon control still empty: the icon is waited for. A box
    // without an icon hides the control or leaves it empty; an empty handle is a plain fact even
    // across processes.
    HWND control = nullptr;
    LRESULT icon = 0;
    WaitUntil(
        [&] {
            if (!IsWindow(box))
                return true; // closed meanwhile: there is nothing more to see
            control = IsWindowVisible(box) ? IconControl(box) : nullptr;
            return control && SendWithin(control, STM_GETICON, 0, 0, 5000, &icon) && icon;
        },
        timeoutMs);
    if (!control || !icon)
        return BoxIcon::None;
    BoxIcon seen = BoxIcon::Unknown;
    WaitUntil([&] { return (seen = Compare(control)) != BoxIcon::Unknown; }, timeoutMs);
    return seen;
}

} // namespace ui
