// The main window's side of the configuration store: the current profile's files at start-up, the
// profile manager's import, export and reload requests, and the Save, Reset and Cancel operations
// with their timers and wait cursor.
#include "core/store/Synchronisation.h"
#include "win/app/ModulePath.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"
#include "win/device/WinClock.h"
#include "win/editor/WinPointerSettings.h"
#include "win/platform/WinIniFile.h"
#include "win/platform/WinNotifier.h"
#include "win/store/WinProfileFileDialogs.h"

namespace ravix::win {
namespace {

// Timers of the main window.
constexpr UINT_PTR kSaveBusyTimer = 1;     // ends the busy period of Save
constexpr UINT_PTR kResetCursorTimer = 2;  // ends the wait cursor of Reset
constexpr UINT_PTR kSaveCursorTimer = 3;   // ends the wait cursor of Save
constexpr UINT kSaveBusyMs = 2000;
constexpr UINT kWaitCursorMs = 6000;

enum ProfileFileRequest : WPARAM { kImportProfile = 0, kExportProfile = 1, kReloadProfile = 2 };

// The system's side of each store port.
struct SystemStorePorts {
    WinIniFile ini;
    PortableBinaryFiles binaryFiles;
    WinNotifier notifier;
    WinPointerSettings pointer;
    WinProfileFileDialogs fileDialogs;
    WinClock clock;
};

SystemStorePorts& SystemPorts() {
    static SystemStorePorts ports;
    return ports;
}

ProfileFilePorts FilePorts(const StorePorts& ports) {
    SystemStorePorts& system = SystemPorts();
    return {ports.executablePath.empty() ? ExecutablePath() : ports.executablePath,
            ports.ini ? *ports.ini : system.ini, ports.binaryFiles ? *ports.binaryFiles : system.binaryFiles,
            ports.notifier ? *ports.notifier : system.notifier};
}

ProfileFileDialogs& FileDialogs(const StorePorts& ports) {
    return ports.fileDialogs ? *ports.fileDialogs : SystemPorts().fileDialogs;
}

// The labels live in the section of the language chosen at start-up.
std::wstring LabelSectionOf(const StoreState& store) {
    return LabelSection(LanguageOf(store.languageCode));
}

CurrentProfileFiles ProfileFilesOf(StoreState& store) {
    return {FilePorts(store.ports), store.files, store.text, LabelSectionOf(store)};
}

SynchronisationContext ContextOf(ProgramState& state) {
    StoreState& store = state.store;
    Clock& clock = state.clock ? *state.clock : SystemPorts().clock;
    PointerSettings& pointer = store.ports.pointer ? *store.ports.pointer : SystemPorts().pointer;
    return {{state.deviceLink, clock},
            ProfileFilesOf(store),
            {state.profileSettings, store.appliedSettings, state.deviceImage},
            pointer};
}

void SetClassCursor(HWND window, LPCWSTR cursorName) {
    SetClassLongPtrW(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursorW(nullptr, cursorName)));
}

// The wait cursor shows at once: the write that follows keeps the window from handling messages.
void ShowWaitCursor(HWND window) {
    SetClassCursor(window, IDC_WAIT);
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void RestoreArrowCursor(HWND window) {
    SetClassCursor(window, IDC_ARROW);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace

Notifier& CVarnixDlg::StoreNotifier() {
    return m_state.store.ports.notifier ? *m_state.store.ports.notifier : SystemPorts().notifier;
}

void CVarnixDlg::LoadProfileAtStartUp() {
    SystemPorts().notifier.SetOwner(m_hWnd);
    SystemPorts().fileDialogs.SetOwner(m_hWnd);
    StoreState& store = m_state.store;
    const ProfileFilePorts ports = FilePorts(store.ports);
    LoadCurrentProfile(ports, store.files, m_state.profileSettings);
    store.appliedSettings = m_state.profileSettings;
    // The language, skin and caption colour of the profile current now hold until the next start.
    store.languageCode = ReadLanguage(ports.ini, store.files.textPath);
    store.text = ReadProfileText(ports.ini, store.files.textPath, LabelSectionOf(store));
    store.skinTextColour = SkinTextColourOf(store.text.skin);
}

// The pages show the profile; one whose button labels were never set gets the language's default
// labels, written back to its text file.
void CVarnixDlg::FillPages() {
    StoreState& store = m_state.store;
    ApplyFirstRunLabels(FilePorts(store.ports).ini, store.files, m_language, store.text.labels);
    m_pagesFilled = true;
    Redraw();
}

void CVarnixDlg::ReloadProfile() {
    ReloadCurrentProfile(ProfileFilesOf(m_state.store), m_state.profileSettings);
}

// Before the window shows from the notification area: after Cancel it shows the current profile's
// files again; otherwise pages filled before are redrawn and pages never filled are filled now.
void CVarnixDlg::RefreshPages() {
    if (m_state.store.sync.showReload) {
        m_state.store.sync.showReload = false;
        CloseAllButtonLists();
        ReloadProfile();
        Redraw();
    } else if (m_pagesFilled) {
        Redraw();
    } else {
        FillPages();
    }
}

LRESULT CVarnixDlg::OnProfileFile(WPARAM request, LPARAM) {
    StoreState& store = m_state.store;
    switch (request) {
        case kImportProfile:
            ImportProfile(FilePorts(store.ports), FileDialogs(store.ports), store.files,
                          m_state.profileSettings, store.text, LabelSectionOf(store));
            break;
        case kExportProfile:
            ExportProfile(FilePorts(store.ports), FileDialogs(store.ports), store.files,
                          m_state.profileSettings, store.text.labels, LabelSectionOf(store));
            break;
        case kReloadProfile:
            // The profile manager made another profile current; it reaches the mouse with the
            // next Save or Reset.
            ReloadProfile();
            break;
        default:
            break;
    }
    return 0;
}

void CVarnixDlg::SaveToMouse() {
    SynchronisationContext context = ContextOf(m_state);
    const SaveOutcome outcome = ravix::SaveToMouse(context, m_state.store.sync, [this] {
        ShowWaitCursor(m_hWnd);
        SetTimer(m_hWnd, kSaveCursorTimer, kWaitCursorMs, nullptr);
    });
    if (outcome != SaveOutcome::IgnoredWhileBusy) SetTimer(m_hWnd, kSaveBusyTimer, kSaveBusyMs, nullptr);
}

void CVarnixDlg::ResetToFactory() {
    ShowWaitCursor(m_hWnd);
    SetTimer(m_hWnd, kResetCursorTimer, kWaitCursorMs, nullptr);
    SynchronisationContext context = ContextOf(m_state);
    ravix::ResetToFactory(context);
}

void CVarnixDlg::CancelEdits() {
    ravix::CancelEdits(m_state.store.appliedSettings, m_state.profileSettings, m_state.store.sync);
    ShowWindow(m_hWnd, SW_HIDE);
}

LRESULT CVarnixDlg::OnTimer(WPARAM timer, LPARAM) {
    switch (timer) {
        case kSaveBusyTimer:
            KillTimer(m_hWnd, timer);
            m_state.store.sync.saveBusy = false;
            break;
        case kResetCursorTimer:
        case kSaveCursorTimer:
            KillTimer(m_hWnd, timer);
            RestoreArrowCursor(m_hWnd);
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace ravix::win
