#pragma once

// The device-broadcast header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/DeviceEventNotice.h"
#include "core/app/TextCatalogue.h"
#include "core/device/DeviceChange.h"
#include "core/editor/MainWindowLayout.h"
#include "core/editor/PressDispatch.h"
#include "core/editor/ButtonAssignment.h"
#include "core/platform/Notifier.h"
#include "win/app/CaptionFont.h"
#include "win/app/TrayIcon.h"
#include "win/device/EventListener.h"
#include "win/framework/Dialog.h"
#include "win/skin/SkinButtons.h"

namespace ravix::win {

struct ProgramState;

// The main window: a modal dialog that lives as long as the process. Closing it only hides it; the
// process ends through the notification-area menu's Exit or the skin's close button.
class CVarnixDlg : public CDialog {
public:
    CVarnixDlg();  // over the process's records
    explicit CVarnixDlg(ProgramState& state);

    bool PreTranslateMessage(MSG* msg) override;

    // The Save, Reset and Cancel operations of the configuration store (VarnixDlgStore.cpp), run
    // by the skin's buttons.
    void SaveToMouse();
    void ResetToFactory();
    void CancelEdits();

    // Every notice shown at the notification-area icon, oldest first.
    const std::vector<Notice>& Notices() const { return m_notices; }
    const TextCatalogue& Texts() const { return m_texts; }
    HFONT CaptionFontHandle() const { return m_captionFont.Get(); }
    const CTrayIcon& TrayIcon() const { return m_trayIcon; }
    // What decides the layout and what a press does: the sections, the views, the open list.
    const MainWindowState& WindowState() const { return m_window; }
    HoverTarget Hover() const { return m_hover; }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnTrayExit(WPARAM, LPARAM);

    // Ends the process at once, after the same clean-up as the destroy handler.
    [[noreturn]] void ExitProgram();

    // The device link (VarnixDlgDevice.cpp).
    void ConnectAtStartUp();
    void ConnectToMouse();
    bool RegisterForDeviceChanges();
    LRESULT OnDeviceChange(WPARAM, LPARAM);
    void CloseDevice();
    void ShowStartUpFailure(const wchar_t* text);
    LRESULT OnSettleDeviceChanges(WPARAM, LPARAM);
    void AnswerDeviceChange(DeviceChange change);

    // The listener, the notification-area icon, the notices and the language (VarnixDlgEvents.cpp).
    bool StartListener();
    void ResumeListener();
    void FillTextCatalogue(const std::wstring& languageCode);
    void CreateCaptionFont();
    void AddTrayIcon();
    void ShowNotice(const Notice& notice);
    LRESULT OnDeviceEvent(WPARAM, LPARAM);
    LRESULT OnTrayIcon(WPARAM, LPARAM);
    void ShowTrayMenu();

    // Driving the simulated mouse of --simulate (VarnixDlgSimulation.cpp).
    LRESULT OnCopyData(WPARAM, LPARAM);
    LRESULT OnSimulationCommand(WPARAM, LPARAM);
    bool RunSimulationCommand(std::string_view command);
    void AnnounceSimulatedInterfaces(WPARAM eventType);
    void AppendSimulationItems(HMENU menu);

    // The configuration store (VarnixDlgStore.cpp).
    void LoadProfileAtStartUp();
    void ReloadProfile();
    void FillPages();
    void RefreshPages();
    LRESULT OnProfileFile(WPARAM, LPARAM);
    LRESULT OnTimer(WPARAM, LPARAM);

    // The skin: its folder and the window's background picture (VarnixDlgSkin.cpp).
    void LoadSkin();
    LRESULT OnEraseBackground(WPARAM, LPARAM);

    // The window's picture, presses and hover images (VarnixDlgLayout.cpp).
    MainWindowLayout Layout() const;
    void Redraw();
    void PaintClient(HDC dc);
    LRESULT OnLeftButtonDown(WPARAM, LPARAM);
    void CarryOut(const PressAction& action);
    void ToggleSection(Section section);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnMouseHover(WPARAM, LPARAM);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    void ShowHover(HoverTarget target);
    void CreateThumb();
    void SwitchRightView(RightPanelView view);
    LRESULT OnPanelScroll(WPARAM, LPARAM);

    // The Button Assignment page's lists (VarnixDlgButtons.cpp).
    void PressBox(int button);
    void CloseSubList();
    void CloseAllButtonLists();
    void HoverList(HWND list, POINT point);
    LRESULT OnListChoice(WPARAM, LPARAM);
    Notifier& StoreNotifier();

    ProgramState& m_state;
    HICON m_hIcon = nullptr;
    DEV_BROADCAST_DEVICEINTERFACE_W m_deviceFilter{};
    HDEVNOTIFY m_deviceNotification = nullptr;
    DeviceChange m_gatheredChange = DeviceChange::Ignore;

    Language m_language = Language::English;
    TextCatalogue m_texts;
    UniqueFont m_captionFont;
    CTrayIcon m_trayIcon;
    std::vector<Notice> m_notices;
    std::unique_ptr<EventListener> m_listener;

    struct BitmapDeleter {
        void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
    };
    std::wstring m_skinFolder;
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter> m_background;  // "/main.png"

    MainWindowState m_window;
    BodyHeights m_bodyHeights = CatalogueBodyHeights();
    HoverTarget m_hover;
    bool m_pagesFilled = false;  // the pages have shown the profile at least once
    CGdipButton m_thumb;  // dragged along the right panel's scroll bar
    HWND m_mainList = nullptr;  // the open button's list of functions
    HWND m_subList = nullptr;   // the second-level list beside its hovered entry
    std::optional<SubList> m_openSubList;
};

}  // namespace ravix::win
