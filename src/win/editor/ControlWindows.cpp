#include "win/editor/ControlWindows.h"

namespace ravix::win {

HWND CreateChildControl(HWND parent, const wchar_t* className, DWORD style, ClientRect at, int id, HFONT font) {
    const HWND control =
        CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.Width(), at.Height(),
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void DestroyControl(HWND& control) {
    if (control) DestroyWindow(control);
    control = nullptr;
}

std::wstring ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace ravix::win
