#include "win/app/StoreOperations.h"

#include "core/app/ModulePaths.h"
#include "core/editor/ButtonLabels.h"
#include "core/platform/FileIo.h"
#include "core/store/Synchronisation.h"
#include "win/app/MacroNames.h"
#include "win/app/Messages.h"
#include "win/keys/WinKeyboardLayout.h"

namespace ravix::win {
namespace {

constexpr UINT kSaveBusyMs = 2000;
constexpr UINT kWaitCursorMs = 6000;

enum ProfileFileRequest : WPARAM { kImportProfile = 0, kExportProfile = 1, kReloadProfile = 2 };

ProfileFilePorts FilePorts(const ProgramPorts& ports) {
    return {ports.executablePath, ports.ini, ports.binaryFiles, ports.notifier};
}

// The labels live in the section of the language chosen at start-up.
std::wstring LabelSectionOf(const StoreState& store) {
    return LabelSection(LanguageOf(store.languageCode));
}

CurrentProfileFiles ProfileFilesOf(StoreState& store, const ProgramPorts& ports) {
    return {FilePorts(ports), store.files, store.text, LabelSectionOf(store)};
}

SynchronisationContext ContextOf(ProgramState& state, const ProgramPorts& ports) {
    StoreState& store = state.store;
    return {{state.deviceLink, ports.clock},
            ProfileFilesOf(store, ports),
            {state.profileSettings, store.appliedSettings, state.deviceImage},
            ports.pointer};
}

void SetClassCursor(HWND window, LPCWSTR cursorName) {
    SetClassLongPtrW(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursorW(nullptr, cursorName)));
    SetCursor(LoadCursorW(nullptr, cursorName));
}

// The wait cursor shows at once, for a while: the write that follows keeps the window from
// handling messages.
void ShowWaitCursor(HWND window, UINT_PTR timer) {
    SetClassCursor(window, IDC_WAIT);
    SetTimer(window, timer, kWaitCursorMs, nullptr);
}

// Labels the current language's section lacks are derived from the buttons' functions and written.
void CompleteLabels(ProgramState& state, const ProgramPorts& ports) {
    StoreState& store = state.store;
    const Language language = LanguageOf(store.languageCode);
    const TextCatalogue texts = TextCatalogueFor(language);
    const WinKeyboardLayout layout;
    const std::vector<std::wstring> macros = MacroNames(ports.ini, store.files.libraryPath);
    CompleteButtonLabels(FilePorts(ports), store.files, state.profileSettings, LabelSectionOf(store),
                         {texts, language, layout, macros}, store.text.labels);
}

}  // namespace

void StoreOperations::LoadAtStartUp() {
    StoreState& store = m_state.store;
    const ProfileFilePorts ports = FilePorts(m_ports);
    // A Save cut short leaves its copy beside the file it was replacing.
    RemoveAtomicWriteLeftovers(ExecutableFolder(m_ports.executablePath));
    LoadCurrentProfile(ports, store.files, m_state.profileSettings);
    store.appliedSettings = m_state.profileSettings;
    // The language, skin and caption colour of the profile current now hold until the next start.
    store.languageCode = ReadLanguage(ports.ini, store.files.textPath);
    store.text = ReadProfileText(ports.ini, store.files.textPath, LabelSectionOf(store));
    store.skinTextColour = SkinTextColourOf(store.text.skin);
    CompleteLabels(m_state, m_ports);
}

void StoreOperations::ApplyFirstRunLabels(Language language) {
    StoreState& store = m_state.store;
    ravix::ApplyFirstRunLabels(m_ports.ini, store.files, language, store.text.labels);
}

void StoreOperations::Reload() {
    ReloadCurrentProfile(ProfileFilesOf(m_state.store, m_ports), m_state.profileSettings);
    CompleteLabels(m_state, m_ports);
    m_replaced();
}

void StoreOperations::Save(HWND window) {
    SynchronisationContext context = ContextOf(m_state, m_ports);
    const SaveOutcome outcome =
        SaveToMouse(context, m_state.store.sync, [window] { ShowWaitCursor(window, kSaveCursorTimer); });
    if (outcome != SaveOutcome::IgnoredWhileBusy) SetTimer(window, kSaveBusyTimer, kSaveBusyMs, nullptr);
}

void StoreOperations::Reset(HWND window) {
    ShowWaitCursor(window, kResetCursorTimer);
    SynchronisationContext context = ContextOf(m_state, m_ports);
    ResetToFactory(context);
    m_replaced();
}

bool StoreOperations::OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_PROFILE_FILE) {
        AnswerProfileFileRequest(wParam);
    } else if (message == WM_TIMER &&
               (wParam == kSaveBusyTimer || wParam == kResetCursorTimer || wParam == kSaveCursorTimer)) {
        EndTimer(window, wParam);
    } else {
        return false;
    }
    result = 0;
    return true;
}

void StoreOperations::AnswerProfileFileRequest(WPARAM request) {
    StoreState& store = m_state.store;
    switch (request) {
        case kImportProfile:
            if (ImportProfile(FilePorts(m_ports), m_ports.fileDialogs, store.files, m_state.profileSettings,
                              store.text, LabelSectionOf(store)))
                m_replaced();
            break;
        case kExportProfile:
            ExportProfile(FilePorts(m_ports), m_ports.fileDialogs, store.files, m_state.profileSettings,
                          store.text.labels, LabelSectionOf(store));
            break;
        case kReloadProfile:
            // The profile manager made another profile current; it reaches the mouse with the
            // next Save or Reset.
            Reload();
            break;
        default:
            break;
    }
}

void StoreOperations::EndTimer(HWND window, UINT_PTR timer) {
    KillTimer(window, timer);
    if (timer == kSaveBusyTimer)
        m_state.store.sync.saveBusy = false;
    else
        SetClassCursor(window, IDC_ARROW);
}

}  // namespace ravix::win
