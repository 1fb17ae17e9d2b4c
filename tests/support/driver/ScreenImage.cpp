#include "ScreenImage.h"

#include "Waiting.h"

#include <cstdio>
#include <utility>

namespace ui {
namespace {

// 24-bit rows are padded to whole 4-byte words.
int RowBytes(int width)
{
    return (width * 3 + 3) & ~3;
}

BITMAPINFOHEADER Header(int width, int height)
{
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = -height; // top-down rows
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;
    return h;
}

// A window that has just been shown or changed may still be painting (its program draws the
// frame, the controls and the activation one after the other): take the image once two looks a
// moment apart agree, or the last look after a while.
Image SettledImage(HWND window, const RECT& area)
{
    SendWithin(window, WM_NULL, 0, 0, 5000); // its program has caught up with what was sent
    Image last;                              // the first look has none to agree with
    WaitUntil(
        [&] {
            Image now = CaptureScreen(area);
            bool same = now.pixels == last.pixels;
            last = std::move(now);
            return same;
        },
        3000, 100);
    return last;
}

} // namespace

Image Render(int width, int height, const std::function<bool(HDC)>& paint)
{
    Image image;
    if (width <= 0 || height <= 0)
        return image;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool painted = paint(memory);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = Header(width, height);
    image.pixels.resize(static_cast<size_t>(width) * height);
    if (painted &&
        GetDIBits(memory, bitmap, 0, height, image.pixels.data(), &info, DIB_RGB_COLORS) == height) {
        image.width = width;
        image.height = height;
    } else {
        image.pixels.clear();
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (auto& p : image.pixels)
        p &= 0xFFFFFF; // the top byte is not a colour
    return image;
}

Image CaptureScreen(const RECT& area)
{
    return Render(area.right - area.left, area.bottom - area.top, [&](HDC memory) {
        HDC screen = GetDC(nullptr);
        bool copied = BitBlt(memory, 0, 0, area.right - area.left, area.bottom - area.top, screen, area.left,
                             area.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
        return copied;
    });
}

bool SaveBitmap(const Image& image, const std::string& path)
{
    if (image.width <= 0 || image.height <= 0)
        return false;
    const int row = RowBytes(image.width);
    BITMAPINFOHEADER info = Header(image.width, image.height);
    info.biBitCount = 24;
    info.biHeight = image.height; // bottom-up, as every reader expects
    info.biSizeImage = static_cast<DWORD>(row) * image.height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;

    std::vector<unsigned char> bits(info.biSizeImage);
    for (int y = 0; y < image.height; ++y) {
        unsigned char* out = &bits[static_cast<size_t>(image.height - 1 - y) * row];
        for (int x = 0; x < image.width; ++x) {
            uint32_t p = image.At(x, y);
            *out++ = p & 0xFF;
            *out++ = (p >> 8) & 0xFF;
            *out++ = (p >> 16) & 0xFF;
        }
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(&file, sizeof file, 1, f) == 1 && std::fwrite(&info, sizeof info, 1, f) == 1 &&
              std::fwrite(bits.data(), bits.size(), 1, f) == 1;
    return std::fclose(f) == 0 && ok;
}

Image LoadBitmap(const std::string& path)
{
    Image image;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return image;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    bool ok = std::fread(&file, sizeof file, 1, f) == 1 && std::fread(&info, sizeof info, 1, f) == 1 &&
              file.bfType == 0x4D42 && info.biBitCount == 24 && info.biCompression == BI_RGB &&
              info.biWidth > 0 && info.biHeight > 0 && info.biWidth <= 16384 && info.biHeight <= 16384;
    std::vector<unsigned char> bits;
    if (ok) {
        bits.resize(static_cast<size_t>(RowBytes(info.biWidth)) * info.biHeight);
        ok = std::fseek(f, file.bfOffBits, SEEK_SET) == 0 && std::fread(bits.data(), bits.size(), 1, f) == 1;
    }
    std::fclose(f);
    if (!ok)
        return image;
    image.width = info.biWidth;
    image.height = info.biHeight;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const unsigned char* in = &bits[static_cast<size_t>(image.height - 1 - y) * RowBytes(image.width)];
        for (int x = 0; x < image.width; ++x, in += 3)
            image.pixels[static_cast<size_t>(y) * image.width + x] = in[0] | (in[1] << 8) | (in[2] << 16);
    }
    return image;
}

bool SaveWindowImage(HWND window, const std::string& path)
{
    RECT area;
    if (!IsWindow(window) || !GetWindowRect(window, &area))
        return false;
    // Only the part that is on the screen can be read.
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT visible;
    if (!IntersectRect(&visible, &area, &screen))
        return false;
    return SaveBitmap(SettledImage(window, visible), path);
}

std::string ScreenshotPath(const std::string& name)
{
    char dir[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("CORVEL_SCREENSHOTS", dir, sizeof dir);
    if (n == 0 || n >= sizeof dir)
        return {};
    return std::string(dir) + "\\" + name + ".bmp";
}

bool Shoot(HWND window, const std::string& name)
{
    const std::string path = ScreenshotPath(name);
    return path.empty() || SaveWindowImage(window, path);
}

} // namespace ui
