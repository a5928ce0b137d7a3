#include "win/dialogs/MacroProgramDialog.h"

#include <windowsx.h>

#include <array>
#include <cstring>

#include "core/skin/SkinPaths.h"
#include "win/app/Messages.h"
#include "win/dialogs/ColourPicker.h"
#include "win/dialogs/DialogDrawing.h"
#include "win/dialogs/LBEditorWnd.h"
#include "win/framework/App.h"
#include "win/resources/resource.h"
#include "win/skin/SkinBitmaps.h"
#include "win/skin/SkinImages.h"

namespace ravix::win {
namespace {

using Region = MacroManagerRegion;

constexpr COLORREF kListGrey = RGB(0x6D, 0x6D, 0x6D);
constexpr COLORREF kFieldBackground = RGB(0x22, 0x18, 0x15);

bool Lightable(Region region) {
    return region == Region::New || region == Region::Delete || region == Region::Ok ||
           region == Region::Cancel || region == Region::Close;
}

}  // namespace

CMacroProgramDialog::CMacroProgramDialog(CWnd* parent, const MacroManagerSetup& setup)
    : CDialog(IDD_MACRO_PROGRAM, parent),
      m_setup(setup),
      m_captions(MacroManagerCaptionsFor(setup.language)),
      m_library(setup.ini, setup.libraryPath),
      m_hover(&MacroManagerPressAt, &Lightable) {}

CMacroProgramDialog::~CMacroProgramDialog() {
    RemoveHook();
}

HWND CMacroProgramDialog::CreateChild(const wchar_t* className, DWORD style, Region region, UINT id) {
    const PixelRect r = MacroManagerRect(region);
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.Width(),
                           r.Height(), m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           CWinApp::Instance(), nullptr);
}

void CMacroProgramDialog::CreateControls() {
    m_macroList = CreateChild(L"LISTBOX", LBS_NOTIFY, Region::MacroList, kMacroListId);
    m_keyList = CreateChild(L"LISTBOX", LBS_NOTIFY | WS_VSCROLL, Region::KeyList, kKeyListId);
    m_repeatField =
        CreateChild(L"EDIT", ES_CENTER | ES_NUMBER, Region::RepeatCountField, kRepeatCountFieldId);
    for (HWND list : {m_macroList, m_keyList})
        SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(m_listFont.Get()), FALSE);
    SendMessageW(m_repeatField, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
}

BOOL CMacroProgramDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowTextW(m_hWnd, m_captions.title.c_str());
    m_background = UniqueBitmap(
        LoadDialogBackground(m_hWnd, m_setup.skinFolder, SkinnedDialog::MacroManager, m_setup.notifier));
    if (!m_background) {
        EndDialog(IDCANCEL);  // reported; the manager cannot be drawn
        return TRUE;
    }
    CentreOverOwner(m_hWnd);
    m_font = UniqueFont(CaptionFont(FontWindow::Dialog, m_setup.language, ReportedOsVersion()));
    m_listFont = UniqueFont(MacroListFont());
    m_listBrush = UniqueBrush(CreateSolidBrush(kListGrey));
    m_fieldBrush = UniqueBrush(CreateSolidBrush(kFieldBackground));
    CreateControls();
    FillFromLibrary();
    m_loaded = true;
    ShowWindow(m_hWnd, SW_SHOW);  // once, at its size and place
    return TRUE;
}

// The first macro is shown as it is stored; nothing is written until the user chooses one.
void CMacroProgramDialog::FillFromLibrary() {
    const std::vector<std::wstring> names = m_library.List();
    for (const std::wstring& name : names)
        SendMessageW(m_macroList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (!names.empty()) {
        const StoredMacro first = m_library.Load(names.front());
        m_setup.memory.recordDelays = first.delayTimeSelStatus == 1;
        m_setup.memory.useRepeatCount = first.loopTimeSelStatus == 1;
        m_repeatText = first.macroLoopTimes;
        m_filling = true;
        SetWindowTextW(m_repeatField, m_repeatText.c_str());
        m_filling = false;
        ShowLines(first.items, std::nullopt);
        SendMessageW(m_macroList, LB_SETCURSEL, 0, 0);
    }
    EnableWindow(m_repeatField, m_setup.memory.useRepeatCount);
}

void CMacroProgramDialog::DrawButton(HDC dc, Region button, const std::wstring& caption) {
    const PixelRect rect = MacroManagerRect(button);
    const bool lit = m_hover.Lit() == button;
    std::wstring image;
    switch (button) {
        case Region::New:
        case Region::Delete:
            image = lit ? L"/MacroManagement/button-new-over.png" : L"/MacroManagement/button-new-normal.png";
            break;
        case Region::Ok:
        case Region::Cancel:
            image = lit ? L"/MacroManagement/button-cancel-over.png"
                        : L"/MacroManagement/button-cancel-normal.png";
            break;
        case Region::Close:
            image = lit ? L"/macro-button-close-over.png" : L"/macro-button-close-normal.png";
            break;
        default:
            image = L"/MacroManagement/Record-normal.png";
            break;
    }
    DrawPng(dc, m_setup.skinFolder + image, rect.left, rect.top);
    if (!caption.empty()) DrawCaption(dc, caption, rect, DT_CENTER | DT_VCENTER);
}

void CMacroProgramDialog::Draw(HDC target) {
    const SkinnedCanvas dc(m_hWnd, target, m_loaded ? m_background.Get() : nullptr, m_setup.textColour, m_font.Get(),
                           static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!dc.Painted()) return;
    const auto& c = m_captions;
    DrawCaption(dc, c.title, MacroManagerRect(Region::Title), DT_LEFT | DT_VCENTER);
    DrawCaption(dc, c.selectMacroHeading, MacroManagerRect(Region::SelectHeading), DT_CENTER | DT_VCENTER);
    DrawCaption(dc, c.keyActionsHeading, MacroManagerRect(Region::KeyActionsHeading), DT_CENTER | DT_VCENTER);
    DrawCaption(dc, c.recordOptionHeading, MacroManagerRect(Region::RecordOptionHeading),
                DT_CENTER | DT_VCENTER);
    DrawWrappedCaption(dc, c.recordDelaysOption, MacroManagerRect(Region::RecordDelaysLabel));
    DrawCaption(dc, c.loopTimesOption, MacroManagerRect(Region::LoopTimesLabel), DT_LEFT | DT_VCENTER);
    const auto tick = [&](Region box, bool on) {
        const PixelRect rect = MacroManagerRect(box);
        DrawPng(
            dc,
            m_setup.skinFolder + (on ? L"/MacroManagement/PaneMakingTick.png" : L"/MacroManagement/Pane.png"),
            rect.left, rect.top);
    };
    tick(Region::RecordDelaysBox, m_setup.memory.recordDelays);
    tick(Region::UseRepeatCountBox, m_setup.memory.useRepeatCount);
    DrawButton(dc, Region::Record, m_setup.memory.recorder.recording() ? c.stopRecording : c.startRecording);
    DrawButton(dc, Region::New, c.newButton);
    DrawButton(dc, Region::Delete, c.deleteButton);
    DrawButton(dc, Region::Ok, c.ok);
    DrawButton(dc, Region::Cancel, c.cancel);
    DrawButton(dc, Region::Close, L"");
}

void CMacroProgramDialog::Press(PixelPoint point) {
    switch (MacroManagerPressAt(point)) {
        case Region::Ok:
            OnOK();
            return;
        case Region::Cancel:
        case Region::Close:
            OnCancel();
            return;
        case Region::New:
            NewMacro();
            return;
        case Region::Delete:
            DeleteMacro();
            return;
        case Region::Record:
            if (m_setup.memory.recorder.recording())
                StopRecording();
            else
                StartRecording();
            return;
        case Region::RecordDelaysBox:
            m_setup.memory.recordDelays = !m_setup.memory.recordDelays;
            break;
        case Region::UseRepeatCountBox:
            m_setup.memory.useRepeatCount = !m_setup.memory.useRepeatCount;
            EnableWindow(m_repeatField, m_setup.memory.useRepeatCount);
            break;
        default:
            // The background moves the window, as its missing title bar would. Posted, so that
            // the move starts after this press.
            ReleaseCapture();
            PostMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return;
    }
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMacroProgramDialog::OnOK() {
    SaveOpenMacro();
    const auto count = static_cast<std::size_t>(SendMessageW(m_macroList, LB_GETCOUNT, 0, 0));
    const MacroEncoding encoding = EncodeLibrary(m_library, count);
    // The mouse has room for 63 short events a macro: the user learns which macros were cut.
    if (!encoding.cuts.empty()) Warn(MacroCutWarning(encoding.cuts, m_setup.language));
    m_result = encoding.image;
    EndDialog(IDOK);
}

void CMacroProgramDialog::OnCancel() {
    if (m_macroDeleted) {
        const auto count = static_cast<std::size_t>(SendMessageW(m_macroList, LB_GETCOUNT, 0, 0));
        m_result = EncodeLibrary(m_library, count).image;
    }
    EndDialog(IDCANCEL);
}

// The Windows keys, Escape and Break (Ctrl+Break ends a recording; the dialog manager would take it
// for Cancel) never reach the manager; Enter confirms only once a recording has ended, so that an
// Enter typed while recording is not taken for OK.
bool CMacroProgramDialog::PreTranslateMessage(MSG* msg) {
    const bool keyMessage = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    if (keyMessage && (msg->wParam == VK_LWIN || msg->wParam == VK_RWIN || msg->wParam == VK_CANCEL))
        return true;
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return true;
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
        return m_setup.memory.recorder.state() != RecordingState::Stopped;
    if (msg->message == WM_RBUTTONUP && msg->hwnd == m_keyList) {
        POINT screen{GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)};
        ClientToScreen(m_keyList, &screen);
        ShowKeyListMenu(screen);
    }
    return false;
}

bool CMacroProgramDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using D = CMacroProgramDialog;
    static constexpr std::array<MessageEntry<D>, 15> kTable = {{
        OnMessageEntry<D>(WM_CTLCOLORLISTBOX, &D::OnControlColour),
        OnMessageEntry<D>(WM_CTLCOLOREDIT, &D::OnControlColour),
        OnMessageEntry<D>(WM_CTLCOLORSTATIC, &D::OnControlColour),
        OnMessageEntry<D>(WM_LBUTTONDOWN, &D::OnLeftButtonDown),
        OnMessageEntry<D>(WM_MOUSEWHEEL, &D::OnMouseWheel),
        OnMessageEntry<D>(WM_MACRO_RECORDER, &D::OnRecorderMessage),
        OnMessageEntry<D>(WM_DESTROY, &D::OnDestroy),
        OnControlEntry<D>(LBN_SELCHANGE, kMacroListId, kMacroListId, &D::OnMacroSelected),
        OnControlEntry<D>(LBN_DBLCLK, kMacroListId, kMacroListId, &D::OnMacroDoubleClicked),
        OnControlEntry<D>(LBN_SELCHANGE, kKeyListId, kKeyListId, &D::OnLineClicked),
        OnControlEntry<D>(LBN_DBLCLK, kKeyListId, kKeyListId, &D::OnLineClicked),
        OnControlEntry<D>(EN_CHANGE, kRepeatCountFieldId, kRepeatCountFieldId, &D::OnRepeatCountChanged),
        OnCommandEntry<D>(ID_MACRO_DELETE_LINE, &D::OnDeleteLine),
        {WM_COMMAND, kMenuOrAccelerator, ID_MACRO_INSERT_LEFT, ID_MACRO_INSERT_RIGHT, &D::OnInsertButton},
        OnCommandEntry<D>(ID_MACRO_INSERT_DELAY, &D::OnInsertDelay),
    }};
    if (m_hover.OnMessage(m_hWnd, message, lParam)) InvalidateRect(m_hWnd, nullptr, FALSE);
    if (AnswerSkinnedPaint(m_hWnd, message, result, [this](HDC dc) { Draw(dc); })) return true;
    if (DispatchMessageTable<D>(*this, kTable, message, wParam, lParam, result)) return message != WM_DESTROY;
    return CDialog::OnMessage(message, wParam, lParam, result);
}

LRESULT CMacroProgramDialog::OnControlColour(WPARAM wParam, LPARAM lParam) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, static_cast<COLORREF>(ColourRefOf(m_setup.textColour)));
    const bool field = reinterpret_cast<HWND>(lParam) == m_repeatField;
    SetBkColor(dc, field ? kFieldBackground : kListGrey);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(field ? m_fieldBrush.Get() : m_listBrush.Get());
}

LRESULT CMacroProgramDialog::OnLeftButtonDown(WPARAM, LPARAM lParam) {
    Press(PointOf(lParam));
    return 0;
}

LRESULT CMacroProgramDialog::OnMouseWheel(WPARAM wParam, LPARAM) {
    ScrollListByWheel(m_keyList, wParam);
    return 0;
}

LRESULT CMacroProgramDialog::OnDestroy(WPARAM, LPARAM) {
    // An edit still open commits nothing into a manager that is going away.
    for (HWND list : {m_macroList, m_keyList})
        if (CLBEditorWnd* editor = CLBEditorWnd::ActiveOn(list)) editor->Cancel();
    // Closed while recording: the hook goes and the recorder stops, without saving what came since Start.
    RemoveHook();
    m_setup.memory.recorder.Stop();
    return 0;
}

std::optional<MacroImage> RunMacroManager(CWnd* owner, const MacroManagerSetup& setup) {
    CMacroProgramDialog dialog(owner, setup);
    dialog.DoModal();
    return dialog.Result();
}

void StoreMacroImage(ProfileSettings& settings, const MacroImage& image) {
    static_assert(sizeof(settings.macroSlots) == sizeof(image));
    std::memcpy(settings.macroSlots.data(), &image, sizeof(image));
}

}  // namespace ravix::win
