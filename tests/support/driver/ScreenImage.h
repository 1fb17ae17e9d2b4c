// What the screen shows: a rectangle of it as pixels, and a window's image saved as a .bmp
// file (frame included), for screenshots and for checks of what the user sees.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {

// Pixels as 0x00RRGGBB, rows from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The pixels that paint() draws on a bitmap of that size, made like the screen's.
Image Render(int width, int height, const std::function<bool(HDC)>& paint);

// The screen's pixels in `area` (screen coordinates); empty when the area is empty.
Image CaptureScreen(const RECT& area);

// Writes a 24-bit .bmp file; false when it could not be written.
bool SaveBitmap(const Image& image, const std::string& path);
// Reads a .bmp file that SaveBitmap wrote; empty when it cannot.
Image LoadBitmap(const std::string& path);

// Saves what the screen shows of the window, frame included.
bool SaveWindowImage(HWND window, const std::string& path);

// Where a screenshot called `name` goes (name.bmp in the folder that CORVEL_SCREENSHOTS names),
// or an empty string when nobody asked for screenshots.
std::string ScreenshotPath(const std::string& name);
// Saves the window's image as that screenshot when they were asked for; false only when it could
// not be saved.
bool Shoot(HWND window, const std::string& name);

} // namespace ui
