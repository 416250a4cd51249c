// Ground for the pen tests: the program's windows with the pen open, and mouse input
// sent to the drawing surface the way the system delivers it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "AppTest.h"
#include "pen/PenWindow.h"

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A plain window of one colour, standing in for whatever the presenter had on screen.
// Top-most, so that no window of another program on the same display covers it.
class ColouredWindow {
public:
    ColouredWindow(COLORREF color, const RECT& r) : brush_(CreateSolidBrush(color)) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PenTestColouredWindow";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
        SetColor(color);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
    }
    ~ColouredWindow() { DestroyWindow(hwnd_); }
    void SetColor(COLORREF color) {
        brush_.reset(CreateSolidBrush(color));
        SetClassLongPtrW(hwnd_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush_.get()));
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }

private:
    ui::UniqueBrush brush_;
    HWND hwnd_ = nullptr;
};

class PenTest : public AppTest {
protected:
    // Starts the program and opens the pen with Esc.
    PenWindow& OpenPen() {
        Shell& w = CreateWindows();
        PenWindow& pen = w.penWindow();
        SendHotKey(VK_ESCAPE);
        Pump();
        return pen;
    }
    PenWindow& Pen() { return Windows().penWindow(); }

    // Mouse input on the surface, as messages to its window.
    void Press(int x, int y, UINT msg = WM_LBUTTONDOWN, WPARAM keys = MK_LBUTTON) {
        SendMessageW(Pen().DrawingSurface().Handle(), msg, keys, MAKELPARAM(x, y));
    }
    void Move(int x, int y, WPARAM keys = MK_LBUTTON) {
        SendMessageW(Pen().DrawingSurface().Handle(), WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
    }
    void Release(int x, int y, UINT msg = WM_LBUTTONUP) {
        SendMessageW(Pen().DrawingSurface().Handle(), msg, 0, MAKELPARAM(x, y));
    }
    // A drag with a few rubber bands on the way, released at `to`.
    void Drag(POINT from, POINT to) {
        Press(from.x, from.y);
        Move((from.x + to.x) / 2 + 37, (from.y + to.y) / 2 - 23);
        Move(to.x + 15, to.y + 9);
        Move(to.x, to.y);
        Release(to.x, to.y);
    }

    COLORREF Pixel(int x, int y) { return Pen().DrawingSurface().GetSurface().Pixel(x, y); }
    // What the screen shows at (x, y).
    static COLORREF ScreenPixel(int x, int y) {
        ui::Surface one(1, 1);
        ui::WindowDC screen(GetDesktopWindow());
        BitBlt(one.Dc(), 0, 0, 1, 1, screen.get(), x, y, SRCCOPY);
        return one.Pixel(0, 0);
    }
    COLORREF Background(int x, int y) { return Pen().BackgroundPixel(x, y); }

    // How many pixels of the surface's top-left 400 x 400 differ from the same figure drawn
    // once, plainly, on a white surface of our own with the palette's first colours.
    int DifferencesFromPlainDrawing(const std::function<void(ui::Canvas&)>& draw) {
        ui::Surface expected(400, 400);
        PatBlt(expected.Dc(), 0, 0, 400, 400, WHITENESS);
        ui::Canvas& canvas = expected.GetCanvas();
        canvas.SetPenColor(ui::Red);
        canvas.SetPenWidth(5);
        canvas.SetBrushColor(ui::Highlight);
        draw(canvas);
        return CountPixels({0, 0, 400, 400}, [&](int x, int y) { return Pixel(x, y) != expected.Pixel(x, y); });
    }

    // The whole surface, and what the eraser would restore everywhere.
    std::vector<std::uint32_t> SurfacePixels() {
        ui::Surface& s = Pen().DrawingSurface().GetSurface();
        const std::uint32_t* bits = s.Bits();
        return {bits, bits + static_cast<std::size_t>(s.Width()) * s.Height()};
    }
    std::vector<std::uint32_t> BackgroundPixels() {
        ui::Surface& s = Pen().DrawingSurface().GetSurface();
        const pen::PixelPlane plane{s.Bits(), s.Width(), s.Height()};
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < plane.height; ++y)
            for (int x = 0; x < plane.width; ++x) pixels.push_back(Pen().Background().PixelOver(plane, x, y));
        return pixels;
    }

    // A key pressed with Ctrl (and Shift) held, delivered to `window` through the message
    // loop as the system would.
    void PressWithControl(HWND window, WPARAM key, bool shift = false) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(window, WM_KEYDOWN, key, 1);
        Pump();
        keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    // The surface's pixels in a block, row by row.
    std::vector<COLORREF> Block(const RECT& r) {
        std::vector<COLORREF> pixels;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) pixels.push_back(Pixel(x, y));
        return pixels;
    }
    // How many pixels (x, y) of a block pass `test`.
    template <typename Test>
    static int CountPixels(const RECT& r, Test test) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += test(x, y) ? 1 : 0;
        return n;
    }
    int Count(const RECT& r, COLORREF color) {
        return CountPixels(r, [&](int x, int y) { return Pixel(x, y) == color; });
    }
    static int Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
        if (a.size() != b.size()) return -1;
        int n = 0;
        for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
        return n;
    }

    // Answers the next colour dialog with `color` and clicks the swatch that opens it.
    void ChoosePenColor(COLORREF color) {
        recorder_.colorAnswers.push_back(color);
        Pen().Palette().penColorButton.Click();
    }
    void ChooseBrushColor(COLORREF color) {
        recorder_.colorAnswers.push_back(color);
        Pen().Palette().brushColorButton.Click();
    }
    // Types a width into the width box, as a person would.
    void SetPenWidth(int width) { Pen().Palette().penWidthBox.SetText(std::to_wstring(width)); }

    // A board from the board button, as the presenter gets it: a known ground to draw on,
    // the surface and the background alike.
    void ShowBoard(pen::NextBoard board) {
        while (Pen().NextBoardToShow() != board) Pen().Palette().Button(PaletteCommand::NextBoard).Click();
        Pen().Palette().Button(PaletteCommand::NextBoard).Click();
    }
    void WhiteBoard() { ShowBoard(pen::NextBoard::White); }
    void BlackBoard() { ShowBoard(pen::NextBoard::Black); }
};
