#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/app/DialogCaptions.h"
#include "core/dialogs/ProfileManagerLayout.h"
#include "core/store/ProfileFiles.h"
#include "core/store/ProfileManager.h"
#include "win/app/CaptionFont.h"
#include "win/framework/Dialog.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// What the profile manager needs from the program.
struct ProfileManagerSetup {
    std::wstring skinFolder;
    Language language = Language::English;
    SkinTextColour textColour;
    ProfileFilePorts files;  // the list file, the profiles' files and the messages about them
};

// The profile manager: a panel over the main window's left side that lists the profiles of
// "str.ini" and adds, renames, deletes, imports into and exports them. Each change is written to
// the list file at once, with the files of a deleted profile's successors moved down with their
// names, so that names and files always agree. Closing it makes the selected profile current, and
// the main window reloads it (WM_PROFILE_FILE); nothing reaches the mouse before Save.
// `open` is the main window's flag: set while the panel is up, cleared however it ends.
class CConfigDialog : public CDialog {
public:
    static constexpr int kListId = 130;

    CConfigDialog(CWnd* mainWindow, const ProfileManagerSetup& setup, bool& open);
    ~CConfigDialog() override;

    const std::vector<std::wstring>& Names() const { return m_list.names; }
    std::optional<int> Selected() const;
    HWND List() const { return m_listBox; }

    // The in-place editor's end: `typed` becomes the name of the entry at `index` unless it is
    // refused, which the user is told.
    void CommitRename(int index, const std::wstring& typed);

    bool PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CreateListBox();
    void Draw(HDC target);
    void Press(PixelPoint point);
    void AddProfile();
    void DeleteSelected();
    void RenameSelected();
    void BeginRename(int index);
    void ImportIntoSelected();
    void ShowMenu(POINT screen);
    void Close();
    void Select(std::optional<int> index);
    void WriteList();
    void PostToMainWindow(WPARAM request);

    ProfileManagerSetup m_setup;
    bool& m_open;
    ProfileManagerCaptions m_captions;
    std::wstring m_listPath;
    ProfileList m_list;  // what the list box shows; `current` is the main window's profile
    std::optional<int> m_lastClicked;
    HWND m_listBox = nullptr;
    UniqueBitmap m_background;
    UniqueFont m_captionFont, m_listFont;
    UniqueBrush m_brush;
};

// The one profile manager of the main window: the Config button opens it when it is not open.
class ProfileManagerPanel {
public:
    explicit ProfileManagerPanel(CWnd& mainWindow) : m_mainWindow(mainWindow) {}

    void Open(const ProfileManagerSetup& setup);
    // False too once the panel has closed itself.
    bool IsOpen() const { return m_open; }
    CConfigDialog* Dialog() const { return m_open ? m_dialog.get() : nullptr; }

private:
    CWnd& m_mainWindow;
    bool m_open = false;
    std::unique_ptr<CConfigDialog> m_dialog;
};

}  // namespace ravix::win
