#include "screen.h"

#include "registry_seed.h"
#include "win32/colour_ref.h"
#include "win32/form_layout.h"
#include "win32/handles.h"
#include "win32/window_resources.h"

namespace orv::e2e {
namespace {

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::string Utf8(const std::wstring& text) {
    std::string utf8(static_cast<std::size_t>(text.size() * 3), '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

// The face that the font in `dc` comes to.
std::wstring FaceOf(HDC dc) {
    const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size == 0) return L"(no outline font)";
    std::vector<BYTE> outline(size);
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(outline.data());
    GetOutlineTextMetricsW(dc, size, metrics);
    return reinterpret_cast<const wchar_t*>(outline.data() + reinterpret_cast<UINT_PTR>(metrics->otmpFaceName));
}

// The pixels of `text` drawn with the font in `dc`.
std::vector<DWORD> Drawn(HDC dc, const std::wstring& text) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 120, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const win32::UniqueHbitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::SelectedObject drawing(dc, bitmap.get());
    PatBlt(dc, 0, 0, 120, 20, WHITENESS);
    TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    return {static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + 120 * 20};
}

// Every event names its point, a press or a release too: without MOUSEEVENTF_MOVE a button acts
// wherever the pointer is by then, and the X server may still report an earlier move of it. A `time`
// of 0 is the moment the system takes the event.
void SendMouse(DWORD flags, POINT at, DWORD time = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.time = time;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    SendInput(1, &input, sizeof(input));
    Sleep(30);
}

}  // namespace

void DragWithTheMouse(POINT from, POINT to) {
    SendMouse(MOUSEEVENTF_MOVE, from);
    SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        SendMouse(MOUSEEVENTF_MOVE, {from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
    }
    SendMouse(MOUSEEVENTF_LEFTUP, to);
}

// The clicks carry their own times, 40 ms apart, so that a busy machine, which may run this process
// late, cannot stretch them past the double-click time.
void DoubleClickWithTheMouse(POINT at) {
    SendMouse(MOUSEEVENTF_MOVE, at);
    const DWORD first = GetTickCount();
    for (DWORD click = 0; click < 2; ++click) {
        SendMouse(MOUSEEVENTF_LEFTDOWN, at, first + 80 * click);
        SendMouse(MOUSEEVENTF_LEFTUP, at, first + 80 * click + 40);
    }
}

void PressTogether(const std::vector<WORD>& keys) {
    const auto send = [](WORD key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        SendInput(1, &input, sizeof(input));
        Sleep(30);
    };
    for (const WORD key : keys) send(key, 0);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) send(*key, KEYEVENTF_KEYUP);
}

std::optional<std::wstring> ClipboardText() {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::wstring> text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

COLORREF PaintedPixel(HWND window, int x, int y) {
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

HWND WindowOfThisThread(const wchar_t* className) {
    struct Search {
        const wchar_t* className;
        HWND found = nullptr;
    } search{className};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM data) -> BOOL {
            auto& wanted = *reinterpret_cast<Search*>(data);
            wchar_t kind[64] = {};
            GetClassNameW(candidate, kind, 64);
            if (lstrcmpiW(kind, wanted.className) == 0) wanted.found = candidate;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

LOGFONTW FontOf(HWND window) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof(font), &font);
    return font;
}

COLORREF IconPixel(HICON icon, IconPart part, int x, int y) {
    ICONINFO info{};
    GetIconInfo(icon, &info);
    const win32::UniqueHbitmap mask(info.hbmMask);
    const win32::UniqueHbitmap colour(info.hbmColor);
    const win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const win32::SelectedObject image(dc.get(), part == IconPart::Mask ? mask.get() : colour.get());
    return GetPixel(dc.get(), x, y);
}

COLORREF ColourOfWindowAt(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

COLORREF ColourInside(HWND control, int dx) {
    RECT rect{};
    GetClientRect(control, &rect);
    return ColourOfWindowAt(control, dx, rect.bottom / 2);
}

ScreenPixels::ScreenPixels(HWND window) : ScreenPixels(WindowRectOf(window)) {}

ScreenPixels::ScreenPixels(const RECT& rect) {
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    pixels_.resize(static_cast<std::size_t>(width_ * height_));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height_), pixels_.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

double ScreenPixels::strongestContrast(COLORREF face, RECT inside) const {
    double strongest = 1.0;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) {
            strongest = std::max(strongest, ContrastRatio(win32::FromColorRef(at(x, y)), win32::FromColorRef(face)));
        }
    }
    return strongest;
}

// Two moves, so the window under the pointer hears of one whatever was there before. Nothing tells
// when the program has answered with its cursor, and over two buttons the cursor stays the same, so
// the cursor is read once it has had time to change.
HCURSOR CursorAt(HWND window, int x, int y) {
    RECT client{};
    GetClientRect(window, &client);
    POINT at{x, y >= 0 ? y : client.bottom / 2};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y + 1);
    Sleep(150);
    SetCursorPos(at.x + 2, at.y);
    Sleep(300);
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    GetCursorInfo(&info);
    return info.hCursor;
}

bool ScreenDpi::CanSet() {
    return RunningUnderWine();
}

// Windows keeps it under the user's desktop settings; Wine also reads its own and the config's.
void ScreenDpi::set(DWORD dpi) {
    const std::pair<HKEY, const wchar_t*> places[] = {{HKEY_CURRENT_USER, L"Control Panel\\Desktop"},
                                                      {HKEY_CURRENT_USER, L"Software\\Wine\\Fonts"},
                                                      {HKEY_CURRENT_CONFIG, L"Software\\Fonts"}};
    for (const auto& [root, path] : places) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) continue;
        const win32::UniqueHkey owned(key);
        RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    }
}

void SettleAndPaint(ProgramUnderTest& program) {
    // The window in front of every other, so that what a desktop shows (a console window, say) cannot
    // cover the pixels read from the screen; the pointer away from it, since a button under it shows
    // its hover state.
    SetWindowPos(program.mainWindow(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    program.waitIdle();
    RedrawWindow(program.mainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    program.waitIdle();
    Sleep(500);
}

std::string WhyNamesDrawAlike(const std::wstring& first, const std::wstring& second) {
    const auto font = win32::MakeArialBold(win32::kWindowFontCentiPoints, 96);
    const win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const win32::SelectedObject listFont(dc.get(), font.get());
    const bool alikeHere = Drawn(dc.get(), first) == Drawn(dc.get(), second);
    return "the list's font comes to the face \"" + Utf8(FaceOf(dc.get())) + "\", which draws them " +
           (alikeHere ? "alike in this process too: its links to other scripts' fonts did not take"
                      : "differently in this process");
}

}  // namespace orv::e2e
