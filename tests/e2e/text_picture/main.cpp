// text_picture: draws a text as a Windows program draws it, for the end-to-end tests of
// Trelumo.exe under Wine: black on white, through GDI, in the system's message font (the window's
// default font) unless told, and saves it as a 32-bit BMP that screen_probe compares with a
// screenshot.
//   text_picture PICTURE.bmp TEXT [font=FAMILY] [points=N] [bold] [colour=#rrggbb]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

bool save_bmp(const wchar_t* path, int width, int height, const void* pixels) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD bytes = static_cast<DWORD>(width) * height * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bytes;
    FILE* out = _wfopen(path, L"wb");
    if (!out) return false;
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(pixels, bytes, 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 3) {
        std::fputs(
            "usage: text_picture PICTURE.bmp TEXT [font=FAMILY] [points=N] [bold]"
            " [colour=#rrggbb]\n",
            stderr);
        return 2;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    COLORREF colour = RGB(0, 0, 0);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    for (int i = 3; i < argc; ++i) {
        const std::wstring option = argv[i];
        if (option.starts_with(L"font=")) {
            wcsncpy(font.lfFaceName, option.c_str() + 5, LF_FACESIZE - 1);
            font.lfCharSet = ANSI_CHARSET;
        } else if (option.starts_with(L"points=")) {
            font.lfHeight = -MulDiv(std::stoi(option.substr(7)), dpi, 72);
        } else if (option == L"bold") {
            font.lfWeight = FW_BOLD;
        } else if (option.starts_with(L"colour=#")) {
            const unsigned long rgb = std::stoul(option.substr(8), nullptr, 16);
            colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        } else {
            std::fprintf(stderr, "unknown option %ls\n", option.c_str());
            return 2;
        }
    }

    HDC dc = CreateCompatibleDC(nullptr);
    HFONT handle = CreateFontIndirectW(&font);
    SelectObject(dc, handle);
    const std::wstring text = argv[2];
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int width = extent.cx + 40, height = extent.cy + 40;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    TextOutW(dc, 20, 20, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();

    const bool saved = save_bmp(argv[1], width, height, pixels);
    DeleteDC(dc);
    DeleteObject(bitmap);
    DeleteObject(handle);
    if (!saved) {
        std::fprintf(stderr, "cannot write %ls\n", argv[1]);
        return 1;
    }
    return 0;
}
