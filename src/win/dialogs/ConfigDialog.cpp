#include "win/dialogs/ConfigDialog.h"

#include <windowsx.h>

#include "core/app/ModulePaths.h"
#include "core/skin/SkinPaths.h"
#include "win/app/Messages.h"
#include "win/dialogs/ColourPicker.h"
#include "win/dialogs/DialogDrawing.h"
#include "win/dialogs/LBEditorWnd.h"
#include "win/resources/resource.h"
#include "win/skin/SkinBitmaps.h"
#include "win/skin/SkinImages.h"

namespace ravix::win {
namespace {

enum ProfileFileRequest : WPARAM { kImportRequest = 0, kExportRequest = 1, kReloadRequest = 2 };

constexpr COLORREF kListBackground = RGB(40, 40, 40);
constexpr COLORREF kListText = RGB(250, 250, 250);

}  // namespace

CConfigDialog::CConfigDialog(CWnd* mainWindow, const ProfileManagerSetup& setup, bool& open)
    : CDialog(IDD_CONFIG_DIALOG, mainWindow),
      m_setup(setup),
      m_open(open),
      m_captions(ProfileManagerCaptionsFor(setup.language)),
      m_listPath(PathBesideExecutable(setup.files.executablePath, L"str.ini")),
      m_brush(CreateSolidBrush(kListBackground)) {}

CConfigDialog::~CConfigDialog() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

BOOL CConfigDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_open = true;
    SetWindowPos(m_hWnd, HWND_TOP, kProfileManagerPlace.x, kProfileManagerPlace.y, 0, 0, SWP_NOSIZE);
    // See-through where the system can blend a child window; opaque elsewhere.
    SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    if (!SetLayeredWindowAttributes(m_hWnd, 0, kProfileManagerOpacity, LWA_ALPHA))
        SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    m_background.Reset(LoadDialogBackground(m_hWnd, m_setup.skinFolder, SkinnedDialog::Config, m_setup.files.notifier));
    if (!m_background) {
        // A panel of no size could never be closed, and the Config button would stay dead: it
        // goes at once.
        m_open = false;
        return FALSE;
    }
    m_captionFont = UniqueFont(CaptionFont(FontWindow::ProfileManager, m_setup.language, ReportedOsVersion()));
    m_listFont = UniqueFont(ProfileManagerHeadingFont());
    CreateListBox();
    m_list = ReadProfileList(m_setup.files.ini, m_listPath);
    for (const std::wstring& name : m_list.names)
        SendMessageW(m_listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    Select(FindCurrentProfile(m_list.names, m_list.current));
    return TRUE;
}

void CConfigDialog::CreateListBox() {
    const PixelRect& r = kProfileListRect;
    m_listBox = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, r.left,
                                r.top, r.Width(), r.Height(), m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_listBox, WM_SETFONT, reinterpret_cast<WPARAM>(m_listFont.Get()), FALSE);
}

std::optional<int> CConfigDialog::Selected() const {
    const LRESULT selected = m_listBox ? SendMessageW(m_listBox, LB_GETCURSEL, 0, 0) : LB_ERR;
    if (selected == LB_ERR) return std::nullopt;
    return static_cast<int>(selected);
}

void CConfigDialog::Select(std::optional<int> index) {
    SendMessageW(m_listBox, LB_SETCURSEL, index ? static_cast<WPARAM>(*index) : static_cast<WPARAM>(-1), 0);
}

void CConfigDialog::WriteList() {
    if (!WriteProfileList(m_setup.files.ini, m_listPath, m_list)) ShowWriteError(m_setup.files.notifier, m_setup.files.ini.LastWriteError());
}

void CConfigDialog::PostToMainWindow(WPARAM request) {
    PostMessageW(GetParent(m_hWnd), WM_PROFILE_FILE, request, 0);
}

void CConfigDialog::AddProfile() {
    const std::optional<std::wstring> name = NewProfileName(m_list.names, m_captions.newProfileBaseName);
    if (!name) {
        m_setup.files.notifier.ShowMessage(m_captions.limitMessage, m_captions.warningCaption);
        return;
    }
    m_list.names.push_back(*name);
    SendMessageW(m_listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name->c_str()));
    Select(static_cast<int>(m_list.names.size()) - 1);
    WriteList();
}

// The files of the later profiles move down with their names. When the main window's profile was
// the one deleted, the first profile becomes current; the main window reloads either way, since
// its profile's files may have moved.
void CConfigDialog::DeleteSelected() {
    const std::optional<int> selected = Selected();
    if (!selected) return;
    const ProfileFilesMove move = MoveProfileFilesDown(m_setup.files.files, m_setup.files.executablePath, *selected,
                                                       static_cast<int>(m_list.names.size()));
    if (!move.moved) {
        m_setup.files.notifier.ShowMessage(ProfileFilesMoveMessage(move, m_setup.language), m_captions.warningCaption);
        return;
    }
    const std::optional<int> current = FindCurrentProfile(m_list.names, m_list.current);
    m_list.names.erase(m_list.names.begin() + *selected);
    SendMessageW(m_listBox, LB_DELETESTRING, static_cast<WPARAM>(*selected), 0);
    if (current == selected) m_list.current = m_list.names.empty() ? L"" : m_list.names.front();
    Select(std::nullopt);
    m_lastClicked.reset();
    WriteList();
    PostToMainWindow(kReloadRequest);
}

// A selection only remembers the entry; choosing the remembered entry again starts the rename.
void CConfigDialog::RenameSelected() {
    const std::optional<int> selected = Selected();
    if (!selected) return;
    if (m_lastClicked != selected) {
        m_lastClicked = selected;
        return;
    }
    BeginRename(*selected);
}

// The name is edited where the list shows it.
void CConfigDialog::BeginRename(int index) {
    CLBEditorWnd::Begin(m_listBox, index, [this](int edited, const std::wstring& typed) { CommitRename(edited, typed); });
}

void CConfigDialog::CommitRename(int index, const std::wstring& typed) {
    if (index < 0 || index >= static_cast<int>(m_list.names.size())) return;
    const CheckedProfileName checked = CheckProfileName(typed, m_list.names, static_cast<std::size_t>(index));
    if (checked.problem != ProfileNameProblem::None) {
        m_setup.files.notifier.ShowMessage(ProfileNameMessage(checked.problem, m_setup.language), m_captions.warningCaption);
        return;
    }
    std::wstring& name = m_list.names[static_cast<std::size_t>(index)];
    if (FindCurrentProfile(m_list.names, m_list.current) == index) m_list.current = checked.name;
    name = checked.name;
    CLBEditorWnd::ReplaceEntry(m_listBox, index, name);
    WriteList();
}

// The selected profile becomes current, and the main window imports a file into it.
void CConfigDialog::ImportIntoSelected() {
    const std::optional<int> selected = Selected();
    if (!selected) return;
    m_list.current = m_list.names[static_cast<std::size_t>(*selected)];
    WriteList();
    PostToMainWindow(kReloadRequest);
    PostToMainWindow(kImportRequest);
}

void CConfigDialog::ShowMenu(POINT screen) {
    UniqueMenu menu(CreatePopupMenu());
    const std::pair<ProfileMenuCommand, const std::wstring*> items[] = {
        {ProfileMenuCommand::Delete, &m_captions.deleteButton},
        {ProfileMenuCommand::Rename, &m_captions.editButton},
        {ProfileMenuCommand::Load, &m_captions.loadButton},
        {ProfileMenuCommand::Save, &m_captions.saveButton},
    };
    for (const auto& [command, caption] : items)
        AppendMenuW(menu.Get(), MF_STRING, static_cast<UINT_PTR>(command), caption->c_str());
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, screen.x, screen.y, 0, m_hWnd, nullptr);
}

void CConfigDialog::Close() {
    // A name still being typed is dropped, as Escape would.
    if (CLBEditorWnd* editor = CLBEditorWnd::ActiveOn(m_listBox)) editor->Cancel();
    if (!m_list.names.empty()) m_list.current = m_list.names[static_cast<std::size_t>(Selected().value_or(0))];
    WriteList();
    m_open = false;
    PostToMainWindow(kReloadRequest);
    EndDialog(IDCANCEL);
}

void CConfigDialog::Press(PixelPoint point) {
    if (kProfileCloseRect.Contains(point))
        Close();
    else if (kNewProfileRect.Contains(point))
        AddProfile();
}

bool CConfigDialog::PreTranslateMessage(MSG* msg) {
    // Enter on the panel or its list ends nothing.
    return msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && (msg->hwnd == m_hWnd || msg->hwnd == m_listBox);
}

void CConfigDialog::Draw(HDC target) {
    const SkinnedCanvas dc(m_hWnd, target, m_background.Get(), m_setup.textColour, m_captionFont.Get());
    if (!dc.Painted()) return;
    DrawPng(dc, SkinImagePath(m_setup.skinFolder, L"/button-close-normal.png"), kProfileClosePicture.x, kProfileClosePicture.y);
    DrawPng(dc, SkinImagePath(m_setup.skinFolder, L"/Config/New-Config.png"), kNewProfilePicture.x, kNewProfilePicture.y);
    RECT title = ToRect(kProfileTitleRect), add = ToRect(kNewProfileTextRect);
    DrawTextW(dc, m_captions.title.c_str(), -1, &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    DrawTextW(dc, m_captions.newButton.c_str(), -1, &add, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

bool CConfigDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (AnswerSkinnedPaint(m_hWnd, message, result, [this](HDC dc) { Draw(dc); })) return true;
    switch (message) {
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
            SetTextColor(reinterpret_cast<HDC>(wParam), message == WM_CTLCOLORLISTBOX ? kListText : RGB(255, 255, 255));
            SetBkColor(reinterpret_cast<HDC>(wParam), kListBackground);
            result = reinterpret_cast<LRESULT>(m_brush.Get());
            return true;
        case WM_LBUTTONDOWN:
            Press(PointOf(lParam));
            return true;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == m_listBox) ShowMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return true;
        case WM_COMMAND:
            if (LOWORD(wParam) == kListId && (HIWORD(wParam) == LBN_SELCHANGE || HIWORD(wParam) == LBN_DBLCLK)) {
                RenameSelected();
                return true;
            }
            switch (static_cast<ProfileMenuCommand>(LOWORD(wParam))) {
                case ProfileMenuCommand::Delete: DeleteSelected(); return true;
                case ProfileMenuCommand::Rename: RenameSelected(); return true;
                case ProfileMenuCommand::Load: ImportIntoSelected(); return true;
                case ProfileMenuCommand::Save:
                    if (Selected()) PostToMainWindow(kExportRequest);
                    return true;
            }
            return CDialog::OnMessage(message, wParam, lParam, result);
        default:
            return CDialog::OnMessage(message, wParam, lParam, result);
    }
}

void ProfileManagerPanel::Open(const ProfileManagerSetup& setup) {
    if (m_open) return;
    m_dialog = std::make_unique<CConfigDialog>(&m_mainWindow, setup, m_open);
    if (!m_dialog->Create()) {
        m_dialog.reset();
        m_open = false;
        return;
    }
    if (m_open)
        ShowWindow(m_dialog->GetSafeHwnd(), SW_SHOW);
    else
        m_dialog.reset();
}

}  // namespace ravix::win
