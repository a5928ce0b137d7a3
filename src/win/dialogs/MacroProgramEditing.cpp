// The macro manager's editing: choosing, creating, deleting and renaming macros, the open macro's
// lines and options, and saving them into the library at once.
#include <vector>

#include "core/dialogs/MacroDeletionFiles.h"
#include "win/app/Messages.h"
#include "win/dialogs/DialogDrawing.h"
#include "win/dialogs/LBEditorWnd.h"
#include "win/dialogs/MacroProgramDialog.h"
#include "win/framework/App.h"
#include "win/resources/resource.h"

namespace ravix::win {
namespace {

std::optional<int> Selection(HWND list) {
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return std::nullopt;
    return static_cast<int>(selected);
}

void Fill(HWND list, const std::vector<std::wstring>& entries) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& entry : entries)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// A stored option: 1 ticks the box, 0 clears it, anything else leaves it as it is.
void TakeOption(bool& box, int stored) {
    if (stored == 1) box = true;
    if (stored == 0) box = false;
}

}  // namespace

std::optional<int> CMacroProgramDialog::SelectedMacro() const {
    return Selection(m_macroList);
}

std::wstring CMacroProgramDialog::MacroName(int index) const {
    return ListEntryText(m_macroList, index);
}

std::vector<std::wstring> CMacroProgramDialog::Lines(HWND list) const {
    std::vector<std::wstring> lines;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) lines.push_back(ListEntryText(list, i));
    return lines;
}

void CMacroProgramDialog::ShowLines(const std::vector<std::wstring>& lines,
                                    std::optional<std::size_t> selection) {
    Fill(m_keyList, lines);
    if (selection) SendMessageW(m_keyList, LB_SETCURSEL, *selection, 0);
    m_lastDelayClick.reset();
}

void CMacroProgramDialog::Warn(const std::wstring& text) {
    m_setup.notifier.ShowMessage(text, m_captions.warningCaption);
}

// Set by the manager itself: the value is then applied (and written) once, here.
void CMacroProgramDialog::SetRepeatCountText(const std::wstring& text) {
    m_filling = true;
    SetWindowTextW(m_repeatField, text.c_str());
    m_filling = false;
    ApplyRepeatCount();
}

void CMacroProgramDialog::ApplyRepeatCount() {
    const int length = GetWindowTextLengthW(m_repeatField);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(m_repeatField, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    const ravix::RepeatCountField field = NormaliseRepeatCount(text);
    if (field.reset) {
        m_filling = true;
        SetWindowTextW(m_repeatField, L"1");
        m_filling = false;
    }
    const std::optional<int> selected = SelectedMacro();
    if (!selected) return;
    m_repeatText = std::to_wstring(field.value);
    m_library.WriteRepeatCount(MacroName(*selected), field.value);
}

LRESULT CMacroProgramDialog::OnRepeatCountChanged(WPARAM, LPARAM) {
    if (!m_filling) ApplyRepeatCount();
    return 0;
}

void CMacroProgramDialog::SaveOpenMacro() {
    const std::optional<int> selected = SelectedMacro();
    if (!selected || !m_library.Exists()) return;
    const std::vector<std::wstring> lines = Lines(m_keyList);
    const StoredMacro macro = OpenMacroToSave(MacroName(*selected), m_setup.memory.recordDelays,
                                              m_setup.memory.useRepeatCount, m_repeatText, lines);
    if (!m_library.Save(macro)) Warn(MacroLibraryWriteFailed(m_setup.ini.LastWriteError(), m_setup.language));
}

// The macro chosen is shown as stored; the one open before was saved when it last changed.
LRESULT CMacroProgramDialog::OnMacroSelected(WPARAM, LPARAM) {
    const std::optional<int> selected = SelectedMacro();
    if (!selected) return 0;
    const StoredMacro macro = m_library.Load(MacroName(*selected));
    SetRepeatCountText(macro.macroLoopTimes);
    ShowLines(macro.items, std::nullopt);
    TakeOption(m_setup.memory.recordDelays, macro.delayTimeSelStatus);
    TakeOption(m_setup.memory.useRepeatCount, macro.loopTimeSelStatus);
    EnableWindow(m_repeatField, m_setup.memory.useRepeatCount);
    InvalidateRect(m_hWnd, nullptr, FALSE);
    // A click on the macro double-clicked last renames it.
    if (m_lastRenameClick == selected) BeginRename(*selected);
    return 0;
}

LRESULT CMacroProgramDialog::OnMacroDoubleClicked(WPARAM, LPARAM) {
    const std::optional<int> selected = SelectedMacro();
    if (!selected || CLBEditorWnd::ActiveOn(m_macroList)) return 0;
    if (m_lastRenameClick == selected)
        BeginRename(*selected);
    else
        m_lastRenameClick = selected;
    return 0;
}

void CMacroProgramDialog::BeginRename(int index) {
    m_lastRenameClick.reset();
    // The old name stays in the file until a new one is committed, so a cancelled edit loses nothing.
    CLBEditorWnd* editor = CLBEditorWnd::Begin(
        m_macroList, index, [this](int at, const std::wstring& typed) { CommitRename(at, typed); });
    if (editor) SendMessageW(editor->GetSafeHwnd(), EM_LIMITTEXT, kMaxMacroNameChars, 0);
}

void CMacroProgramDialog::CommitRename(int index, const std::wstring& typed) {
    const std::vector<std::wstring> names = Lines(m_macroList);
    const std::optional<std::wstring> name = CommitMacroRename(typed, names, static_cast<std::size_t>(index));
    if (!name) {
        Warn(MacroRenameRefused(m_setup.language));
        return;
    }
    const std::wstring old = MacroName(index);
    if (*name == old) return;
    if (!m_library.Rename(old, *name)) {
        Warn(MacroLibraryWriteFailed(m_setup.ini.LastWriteError(), m_setup.language));
        return;
    }
    CLBEditorWnd::ReplaceEntry(m_macroList, index, *name);
}

void CMacroProgramDialog::NewMacro() {
    const std::vector<std::wstring> names = Lines(m_macroList);
    if (MacroListIsFull(names.size())) {
        Warn(m_captions.limitMessage);
        return;
    }
    const std::wstring name = NewMacroName(names, m_captions.newMacroPrefix);
    const LRESULT index = SendMessageW(m_macroList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(m_macroList, LB_SETCURSEL, index, 0);
    ShowLines({}, std::nullopt);
    // Writing its repeat count stores the new macro, at the end of the file (creating the file).
    SetRepeatCountText(L"1");
    m_repeatText = L"1";
}

void CMacroProgramDialog::DeleteMacro() {
    const std::optional<int> selected = SelectedMacro();
    if (!selected) return;
    const std::wstring name = MacroName(*selected);
    if (!m_library.Delete(name)) {
        Warn(MacroLibraryWriteFailed(m_setup.ini.LastWriteError(), m_setup.language));
        return;
    }
    SendMessageW(m_macroList, LB_DELETESTRING, *selected, 0);
    ShowLines({}, std::nullopt);
    m_lastRenameClick.reset();
    m_macroDeleted = true;
    // The later macros move up one number: the buttons that play them follow, in memory and in
    // every stored profile, so that neither a reload nor another profile brings the old numbers back.
    const auto position = static_cast<std::size_t>(*selected);
    const MacroDeletionEffect effect = FollowMacroDeletion(m_setup.settings, position);
    const StoredProfilesFollow stored =
        FollowMacroDeletionInProfileFiles(m_setup.files, m_setup.executablePath, position);
    if (!effect.Empty()) Warn(MacroDeletionWarning(effect, name, m_setup.language));
    if (const std::wstring text = StoredProfilesWarning(stored, m_setup.language); !text.empty()) Warn(text);
}

// A delay line clicked a second time opens for editing.
LRESULT CMacroProgramDialog::OnLineClicked(WPARAM, LPARAM) {
    const std::optional<int> selected = Selection(m_keyList);
    if (!selected || ListEntryText(m_keyList, *selected).find(L" ms") == std::wstring::npos) return 0;
    if (m_lastDelayClick != selected) {
        m_lastDelayClick = selected;
        return 0;
    }
    if (CLBEditorWnd::ActiveOn(m_keyList)) return 0;
    CLBEditorWnd::Begin(m_keyList, *selected,
                        [this](int at, const std::wstring& typed) { CommitDelay(at, typed); });
    return 0;
}

void CMacroProgramDialog::CommitDelay(int index, const std::wstring& typed) {
    const std::optional<std::wstring> line = CommitDelayEdit(typed);
    if (!line) return;
    CLBEditorWnd::ReplaceEntry(m_keyList, index, *line);
    PostMessageW(m_hWnd, WM_MACRO_RECORDER, 7, 0);  // saves the open macro once the edit has ended
}

void CMacroProgramDialog::ShowKeyListMenu(POINT screen) {
    const UniqueMenu menu(LoadMenuW(CWinApp::Instance(), MAKEINTRESOURCEW(IDR_MACRO_LIST_MENU)));
    const HMENU items = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
    if (!items) return;
    const std::pair<UINT, const std::wstring*> texts[] = {
        {ID_MACRO_DELETE_LINE, &m_captions.deleteButton},
        {ID_MACRO_INSERT_LEFT, &m_captions.insertLeftButton},
        {ID_MACRO_INSERT_MIDDLE, &m_captions.insertMiddleButton},
        {ID_MACRO_INSERT_RIGHT, &m_captions.insertRightButton},
        {ID_MACRO_INSERT_DELAY, &m_captions.insertDelay}};
    for (const auto& [id, text] : texts) ModifyMenuW(items, id, MF_BYCOMMAND | MF_STRING, id, text->c_str());
    TrackPopupMenu(items, TPM_RIGHTBUTTON, screen.x, screen.y, 0, m_hWnd, nullptr);
}

LRESULT CMacroProgramDialog::OnDeleteLine(WPARAM, LPARAM) {
    const std::optional<int> selected = Selection(m_keyList);
    if (!selected) return 0;
    SendMessageW(m_keyList, LB_DELETESTRING, *selected, 0);
    m_lastDelayClick.reset();
    SaveOpenMacro();  // the last line too: an emptied macro is stored empty
    return 0;
}

LRESULT CMacroProgramDialog::OnInsertButton(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    const MouseButton button = id == ID_MACRO_INSERT_LEFT     ? MouseButton::Left
                               : id == ID_MACRO_INSERT_MIDDLE ? MouseButton::Middle
                                                              : MouseButton::Right;
    std::vector<std::wstring> lines = Lines(m_keyList);
    const std::optional<int> selected = Selection(m_keyList);
    const ListChange change =
        InsertButtonClick(lines, selected ? std::optional<std::size_t>(*selected) : std::nullopt, button);
    if (!change.changed) return 0;
    ShowLines(lines, change.selection);
    SaveOpenMacro();
    return 0;
}

LRESULT CMacroProgramDialog::OnInsertDelay(WPARAM, LPARAM) {
    std::vector<std::wstring> lines = Lines(m_keyList);
    const std::optional<int> selected = Selection(m_keyList);
    const ListChange change =
        InsertDelay(lines, selected ? std::optional<std::size_t>(*selected) : std::nullopt);
    if (!change.changed) return 0;
    ShowLines(lines, change.selection);
    SaveOpenMacro();
    return 0;
}

}  // namespace ravix::win
