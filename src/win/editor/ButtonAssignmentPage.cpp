#include "win/editor/ButtonAssignmentPage.h"

#include <array>

#include "core/editor/ButtonBoxes.h"
#include "core/macros/MacroLibrary.h"
#include "core/skin/SkinPaths.h"
#include "core/keys/KeyNames.h"
#include "win/app/Messages.h"
#include "win/dialogs/ComboDialog.h"
#include "win/dialogs/SingleDialog.h"
#include "win/dialogs/MacroDialog.h"
#include "win/editor/MainWindowPainter.h"
#include "win/keys/WinKeyboardLayout.h"
#include "win/platform/PixelRects.h"

namespace ravix::win {
namespace {

constexpr wchar_t kWarningCaption[] = L"Warning";

// A box's label is drawn this far from its left edge; a row's name this far from the body's, past
// the row marker of the body's picture.
constexpr int kBoxLabelIndent = 5;
constexpr int kRowNameIndent = 20;

HWND CreateList(HWND parent, ClientRect rect, int id, HFONT font) {
    const HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY,
                                      rect.left, rect.top, rect.Width(), rect.Height(), parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                      GetModuleHandleW(nullptr), nullptr);
    if (list && font) SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return list;
}

template <typename Entries>
void Fill(HWND list, const Entries& entries) {
    for (const std::wstring& entry : entries)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

// The entry under a point of the list's client area, none when the point is past the last entry.
std::optional<int> EntryAt(HWND list, POINT point) {
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) != 0) return std::nullopt;
    return static_cast<int>(LOWORD(hit));
}

void DestroyList(HWND& list) {
    if (list) DestroyWindow(list);
    list = nullptr;
}

}  // namespace

// Each button's name and the box that shows its function.
void ButtonAssignmentPage::Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const {
    const TextCatalogue& texts = m_context.look.texts;
    for (int button = 1; button <= kAssignableButtons; ++button) {
        const std::size_t i = static_cast<std::size_t>(button - 1);
        const ClientRect box = ButtonBoxRect(button);
        const HoverTarget over{HoverRegion::ButtonBox, button};
        const ImageState state = hover == over ? ImageState::Over : ImageState::Normal;
        canvas.Caption(texts.buttonNames[i], {body.left, box.top, box.left, box.bottom}, kRowNameIndent);
        canvas.Image(StateImageName(L"/ButtonAssignment/DropdownBox", state), box.left, box.top);
        canvas.Caption(m_context.text.labels[i], box, kBoxLabelIndent);
    }
}

void ButtonAssignmentPage::Press(const PressAction& action) {
    if (action.kind == PressKind::ButtonBox) PressBox(action.button);
    if (action.kind == PressKind::CloseButtonLists) CloseTransient();
    m_context.Redraw();
}

void ButtonAssignmentPage::PressBox(int button) {
    MainWindowState& window = m_context.windowState;
    const bool expanded = window.layout.IsExpanded(Section::ButtonAssignment);
    switch (PressButtonBox(expanded, window.openButtonList, m_context.settings, button)) {
        case BoxPress::Ignored:
            return;
        case BoxPress::CloseList:
            CloseTransient();
            break;
        case BoxPress::RefuseLeftClick:
            CloseTransient();
            m_context.notifier.ShowMessage(m_context.look.texts.leftKeyRequired, kWarningCaption);
            break;
        case BoxPress::OpenList:
            CloseTransient();
            m_mainList = CreateList(m_context.window, MainListRect(button), MainListControlId(button),
                                    m_context.look.captionFont);
            Fill(m_mainList, MainListEntries(m_context.look.texts));
            window.openButtonList = button;
            break;
    }
}

void ButtonAssignmentPage::CloseSubList() {
    DestroyList(m_subList);
    m_openSubList.reset();
}

void ButtonAssignmentPage::CloseTransient() {
    CloseSubList();
    DestroyList(m_mainList);
    m_context.windowState.openButtonList.reset();
}

bool ButtonAssignmentPage::PreTranslate(const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE)
        HoverList(msg.hwnd, {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))});
    return false;
}

// Hovering a list highlights the entry under the pointer; in a button's list, the entries that
// lead to a second-level list open it beside themselves and the others close it.
void ButtonAssignmentPage::HoverList(HWND list, POINT point) {
    if (!list || (list != m_mainList && list != m_subList)) return;
    const std::optional<int> entry = EntryAt(list, point);
    if (!entry) return;
    SendMessageW(list, LB_SETCURSEL, *entry, 0);
    if (list != m_mainList) return;
    const std::optional<SubList> sub = SubListOpenedBy(*entry);
    if (sub == m_openSubList) return;
    CloseSubList();
    const std::optional<int> button = m_context.windowState.openButtonList;
    if (!sub || !button) return;
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, *entry, reinterpret_cast<LPARAM>(&item));
    const ClientRect at = SubListRect(*sub, MainListRect(*button), PixelRectOf(item));
    m_subList = CreateList(m_context.window, at, SubListControlId(*sub), m_context.look.captionFont);
    Fill(m_subList, SubListEntries(*sub, m_context.look.texts, m_context.look.language));
    m_openSubList = sub;
}

bool ButtonAssignmentPage::OnWindowMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT& result) {
    using Self = ButtonAssignmentPage;
    static constexpr std::array<MessageEntry<Self>, 2> kMessageTable{{
        OnControlEntry<Self>(LBN_SELCHANGE, kFirstButtonListId, kLastButtonListId, &Self::OnListChoice),
        OnControlEntry<Self>(LBN_DBLCLK, kFirstButtonListId, kLastButtonListId, &Self::OnListChoice),
    }};
    return DispatchMessageTable<Self>(*this, kMessageTable, message, wParam, lParam, result);
}

// The single-key or combination dialog for a button, preset with what the button stores; the new
// label after OK. The lists close first: the dialog takes the window's input while it runs.
std::optional<std::wstring> ButtonAssignmentPage::CaptureKeys(int button, MainEntryEffect dialog) {
    CloseTransient();
    const std::size_t i = static_cast<std::size_t>(button - 1);
    const WinKeyboardLayout layout;
    const KeyDialogSetup setup{m_context.look.skinFolder, m_context.look.language, SkinTextColourOf(m_context.text.skin),
                               m_context.executablePath,  m_context.notifier,      layout};
    ProfileSettings& settings = m_context.settings;
    const TextCatalogue& texts = m_context.look.texts;
    if (dialog == MainEntryEffect::OpensSingleKeyDialog) {
        const std::optional<KeyCode> key = CaptureSingleKey(m_context.window, setup, settings.singleKey[i]);
        return key ? AssignSingleKey(settings, button, *key, texts, layout) : std::nullopt;
    }
    const ComboKeys stored{std::wstring(ModifierMaskToName(settings.comboModifiers[i])), settings.comboFirstKey[i],
                           settings.comboSecondKey[i]};
    const std::optional<ComboKeys> keys = CaptureComboKeys(m_context.window, setup, stored);
    return keys ? AssignComboKey(settings, button, keys->modifier, keys->first, keys->second, texts, layout)
                : std::nullopt;
}

// A choice in the open button's list or in its second-level list, clicked or double-clicked.
LRESULT ButtonAssignmentPage::OnListChoice(WPARAM, LPARAM lParam) {
    const HWND list = reinterpret_cast<HWND>(lParam);
    const std::optional<int> open = m_context.windowState.openButtonList;
    if (!open || (list != m_mainList && list != m_subList)) return 0;
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return 0;
    const int button = *open;
    const int position = static_cast<int>(selected);
    if (list == m_mainList && MainEntryEffectOf(position) == MainEntryEffect::OpensMacroDialog)
        return AssignMacro(button);
    const TextCatalogue& texts = m_context.look.texts;
    ProfileSettings& settings = m_context.settings;
    const std::optional<std::wstring> label =
        list != m_mainList ? ChooseSubEntry(settings, button, *m_openSubList, position, texts, m_context.look.language)
        : MainEntryEffectOf(position) == MainEntryEffect::OpensSingleKeyDialog ||
                MainEntryEffectOf(position) == MainEntryEffect::OpensComboKeyDialog
            ? CaptureKeys(button, MainEntryEffectOf(position))
            : ChooseMainEntry(settings, button, position, texts);
    if (!label) return 0;
    m_context.text.labels[static_cast<std::size_t>(button - 1)] = *label;
    CloseTransient();
    m_context.Redraw();
    return 0;
}

// "Macro Key": the assignment dialog chooses the macro and its repeat mode; Cancel changes nothing.
LRESULT ButtonAssignmentPage::AssignMacro(int button) {
    CloseTransient();
    // The closed lists' place is drawn again before the dialog covers the window.
    m_context.Redraw();
    UpdateWindow(m_context.window);
    const WindowLook& look = m_context.look;
    const auto choice =
        RunMacroAssignment(CWnd::FromHandle(m_context.window),
                           {look.skinFolder, look.language, m_context.textColour, m_context.notifier,
                            ListMacros(m_context.ini, m_context.macroLibraryPath)});
    if (choice) {
        if (const auto label = AssignMacroKey(m_context.settings, button, choice->macroIndex,
                                              choice->loopMode, choice->macroName, look.texts))
            m_context.text.labels[static_cast<std::size_t>(button - 1)] = *label;
    }
    m_context.Redraw();
    return 0;
}

}  // namespace ravix::win
