#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/app/TextCatalogue.h"
#include "core/editor/ClientGeometry.h"
#include "core/keys/KeyCode.h"
#include "core/keys/KeyboardLayout.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

inline constexpr int kMainListEntryCount = 14;

// The fourteen entries of a button's list in the catalogue's language.
std::array<std::wstring, kMainListEntryCount> MainListEntries(const TextCatalogue& texts);

// The lists that open beside the hovered entry of a button's list.
enum class SubList { Wheel, Dpi, Multimedia, HotKey, Windows };

// The list that hovering a position opens; none for entries that act by themselves.
std::optional<SubList> SubListOpenedBy(int position);
int SubListControlId(SubList list);

// Where the list opens: item is the hovered entry's rectangle inside the button's list, whose
// rectangle in the window is list.
ClientRect SubListRect(SubList list, ClientRect mainList, ClientRect item);

// The entries of a second-level list; the multimedia, hot-key and Windows lists follow the
// language, the wheel list the catalogue, and the DPI list is the same everywhere.
std::vector<std::wstring> SubListEntries(SubList list, const TextCatalogue& texts, Language language);

// The last button giving a left click keeps it: its list does not open until another button
// has been given "Click".
bool LeftClickRefused(const ProfileSettings& settings, int button);

// What a press on the box of button 1..8 does, given whose list is open.
enum class BoxPress {
    Ignored,          // the section is collapsed
    CloseList,        // the button's own list was open
    RefuseLeftClick,  // warn with "Left key must be selected!"; any other open list is closed
    OpenList,         // close any other list, open this one and highlight the button
};
BoxPress PressButtonBox(bool sectionExpanded, std::optional<int> openList, const ProfileSettings& settings,
                        int button);

// What choosing a position of a button's list does.
enum class MainEntryEffect {
    Assigns,
    OpensSubList,
    OpensSingleKeyDialog,
    OpensComboKeyDialog,
    OpensMacroDialog
};
MainEntryEffect MainEntryEffectOf(int position);

// A choice in the list of button 1..8 (any other button changes nothing). The entries that assign by
// themselves store the position and give the new label; the others, and positions outside the list, change
// nothing.
std::optional<std::wstring> ChooseMainEntry(ProfileSettings& settings, int button, int position,
                                            const TextCatalogue& texts);

// A choice in a second-level list for button 1..8: stores the function and its parameter and
// gives the new label; nothing for a position outside the list.
std::optional<std::wstring> ChooseSubEntry(ProfileSettings& settings, int button, SubList list, int position,
                                           const TextCatalogue& texts, Language language);

// The dialogs' results once confirmed with OK; each stores the function and returns the label,
// or changes nothing for a button outside 1..8.
std::optional<std::wstring> AssignSingleKey(ProfileSettings& settings, int button, KeyCode key,
                                            const TextCatalogue& texts, const KeyboardLayout& layout);
// The modifier comes by its name as the dialog lists it; an unknown name stands for none.
std::optional<std::wstring> AssignComboKey(ProfileSettings& settings, int button,
                                           std::wstring_view modifierName, KeyCode first, KeyCode second,
                                           const TextCatalogue& texts, const KeyboardLayout& layout);
std::optional<std::wstring> AssignMacroKey(ProfileSettings& settings, int button, std::uint8_t macroPosition,
                                           std::uint8_t loopMode, std::wstring_view macroName,
                                           const TextCatalogue& texts);

// What a button's label is written with: the language's texts, the keyboard the key names come
// from, and the macro library's names in order.
struct LabelContext {
    const TextCatalogue& texts;
    Language language;
    const KeyboardLayout& layout;
    const std::vector<std::wstring>& macroNames;
};

// The label of button 1..8's stored function as the page labels that choice: the function's name,
// the entry chosen in its second-level list, the key names, the macro's name. Empty for a button
// outside 1..8 or a function outside the list.
std::wstring AssignmentLabel(const ProfileSettings& settings, int button, const LabelContext& context);

// Gives every empty label the label of its button's stored function (a language's labels are only
// written once its section is used); the buttons filled, 1..8.
std::vector<int> DeriveMissingLabels(std::span<std::wstring, 8> labels, const ProfileSettings& settings,
                                     const LabelContext& context);

// The labels of a profile that was never saved: each button's role on the mouse.
std::array<std::wstring, 8> DefaultButtonLabels(const TextCatalogue& texts);

}  // namespace ravix
