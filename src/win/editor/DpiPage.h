#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "core/editor/DpiStages.h"
#include "win/editor/SensorPages.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// DPI Setting's body: each stage's slider picture, its edit box with the DPI value and its colour
// swatch. The boxes and swatches exist while the body is drawn (the section expanded in the top
// view); typing in a box stores the level at every keystroke.
class DpiPage final : public PicturePage {
public:
    using PicturePage::PicturePage;
    ~DpiPage() override { DestroyControls(); }
    DpiPage(const DpiPage&) = delete;
    DpiPage& operator=(const DpiPage&) = delete;

    Section PageSection() const override { return Section::Dpi; }
    void Collapse() override { DestroyControls(); }
    void Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const override;
    void Press(const PressAction& action) override;
    void Refresh(const ProfileSettings& settings) override;
    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void PlaceControls(std::optional<ClientRect> body) override;
    void DestroyControls();
    void WriteBox(int stage, const std::wstring& text);
    void OnBoxChange(int stage);
    HBRUSH SwatchBrush(int stage);
    // Chooses a stage's colour; the LED colour dialog is connected here.
    void PickStageColour(int stage);

    std::array<HWND, kEditedDpiStages> m_boxes{};
    std::array<HWND, kEditedDpiStages> m_swatches{};
    std::array<UniqueBrush, kEditedDpiStages> m_brushes;
    // Set while the program itself writes into a box, so that the box's change does not redraw
    // the slider the write came from.
    bool m_editGuard = false;
};

}  // namespace ravix::win
