#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/editor/ButtonAssignment.h"
#include "win/editor/SectionPage.h"

namespace ravix::win {

// Button Assignment's body: each button's name and the box showing its function; a press on a box
// opens the button's list of functions, hovering some of its entries opens a second-level list
// beside them, and a choice in either stores the function and the box's label.
class ButtonAssignmentPage final : public SectionPage {
public:
    explicit ButtonAssignmentPage(PageContext& context) : m_context(context) {}
    ~ButtonAssignmentPage() override { CloseTransient(); }
    ButtonAssignmentPage(const ButtonAssignmentPage&) = delete;
    ButtonAssignmentPage& operator=(const ButtonAssignmentPage&) = delete;

    Section PageSection() const override { return Section::ButtonAssignment; }
    void Collapse() override { CloseTransient(); }
    void Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const override;
    void Press(const PressAction& action) override;
    void Refresh(const ProfileSettings&) override {}
    void CloseTransient() override;
    bool PreTranslate(const MSG& msg) override;
    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void PressBox(int button);
    void CloseSubList();
    void HoverList(HWND list, POINT point);
    LRESULT OnListChoice(WPARAM, LPARAM);
    LRESULT AssignMacro(int button);
    std::optional<std::wstring> CaptureKeys(int button, MainEntryEffect dialog);

    PageContext& m_context;
    HWND m_mainList = nullptr;  // the open button's list of functions
    HWND m_subList = nullptr;   // the second-level list beside its hovered entry
    std::optional<SubList> m_openSubList;
};

}  // namespace ravix::win
