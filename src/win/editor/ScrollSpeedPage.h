#pragma once

#include <windows.h>

#include "win/editor/SensorPages.h"

namespace ravix::win {

// Scroll Speed's body: the choice between lines and one screen per notch, the lines box (id 121)
// on its picture and the step buttons of the body's picture. The box exists while the body is
// drawn and is disabled while one-screen scrolling is chosen.
class ScrollSpeedPage final : public PicturePage {
public:
    using PicturePage::PicturePage;
    ~ScrollSpeedPage() override { DestroyBox(); }
    ScrollSpeedPage(const ScrollSpeedPage&) = delete;
    ScrollSpeedPage& operator=(const ScrollSpeedPage&) = delete;

    Section PageSection() const override { return Section::ScrollSpeed; }
    void Collapse() override { DestroyBox(); }
    void Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const override;
    void Press(const PressAction& action) override;
    void Refresh(const ProfileSettings& settings) override;
    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void PlaceControls(std::optional<ClientRect> body) override;
    void DestroyBox();
    void ShowLines(const ProfileSettings& settings);

    HWND m_box = nullptr;
};

}  // namespace ravix::win
