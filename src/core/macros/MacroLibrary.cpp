#include "core/macros/MacroLibrary.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/platform/DecimalText.h"
#include "core/platform/IniDocument.h"

namespace ravix {
namespace {

const std::wstring kDelayTimeSelStatus = L"DelayTimeSelStatus";
const std::wstring kLoopTimeSelStatus = L"LoopTimeSelStatus";
const std::wstring kMacroLoopTimes = L"MacroLoopTimes";
const std::wstring kItemCount = L"ItemCount";

std::wstring ItemKey(std::size_t index) {
    return L"Item" + std::to_wstring(index);
}

// The line number of an "Item%d" key as the library writes it (names compared as the file does);
// nothing for every other key.
std::optional<std::size_t> ItemIndex(std::wstring_view key) {
    constexpr std::size_t kDigitsAt = 4;  // after "Item"
    if (key.size() <= kDigitsAt || key[kDigitsAt] < L'0' || key[kDigitsAt] > L'9') return std::nullopt;
    const auto index = static_cast<std::size_t>(LeadingDecimal64(key.substr(kDigitsAt)));
    if (!IniNamesEqual(key, ItemKey(index))) return std::nullopt;
    return index;
}

// The first `count` lines among a section's entries, each the first of its key, in one pass
// (looking each key up by name would make loading quadratic in the number of lines).
std::vector<std::wstring> ItemLines(const std::vector<IniEntry>& entries, std::size_t count) {
    std::vector<const std::wstring*> found(count, nullptr);
    for (const IniEntry& entry : entries) {
        const auto index = ItemIndex(entry.key);
        if (index && *index < count && !found[*index]) found[*index] = &entry.value;
    }
    std::vector<std::wstring> lines;
    lines.reserve(count);
    for (const std::wstring* line : found) lines.push_back(line ? *line : std::wstring());
    return lines;
}

// A macro's keys in the order a save writes them.
std::vector<IniEntry> MacroEntries(const StoredMacro& macro) {
    std::vector<IniEntry> entries = {
        {kDelayTimeSelStatus, std::to_wstring(macro.delayTimeSelStatus)},
        {kLoopTimeSelStatus, std::to_wstring(macro.loopTimeSelStatus)},
        {kMacroLoopTimes, macro.macroLoopTimes},
        {kItemCount, std::to_wstring(macro.items.size())},
    };
    for (std::size_t i = 0; i < macro.items.size(); ++i) entries.push_back({ItemKey(i), macro.items[i]});
    return entries;
}

}  // namespace

bool MacroLibrary::Exists() const {
    return m_ini.FileExists(m_path);
}

std::vector<std::wstring> MacroLibrary::List() const {
    return ListMacros(m_ini, m_path);
}

std::vector<std::wstring> ListMacros(const IniFile& ini, const std::wstring& path) {
    std::vector<std::wstring> names;
    if (!ini.FileExists(path)) return names;
    std::size_t scanned = 0;
    for (std::wstring& name : ini.SectionNames(path)) {
        // An empty name would end the list of names.
        if (name.empty()) break;
        scanned += name.size() + 1;
        if (scanned > kMacroListScanChars) break;
        names.push_back(std::move(name));
    }
    return names;
}

StoredMacro MacroLibrary::Load(const std::wstring& name) const {
    // One read of the section rather than one read of the file per key.
    const std::vector<IniEntry> entries = m_ini.ReadSection(m_path, name);
    StoredMacro macro;
    macro.name = name;
    macro.macroLoopTimes = FindIniValue(entries, kMacroLoopTimes);
    const std::size_t count = MacroLinesToRead(LeadingDecimal(FindIniValue(entries, kItemCount)));
    macro.items = ItemLines(entries, count);
    macro.delayTimeSelStatus = LeadingDecimal(FindIniValue(entries, kDelayTimeSelStatus));
    macro.loopTimeSelStatus = LeadingDecimal(FindIniValue(entries, kLoopTimeSelStatus));
    return macro;
}

bool MacroLibrary::Save(const StoredMacro& macro) {
    if (!Exists()) return false;
    // The whole section at once, where it stands: its position is the number buttons play it by.
    return m_ini.ReplaceSection(m_path, macro.name, MacroEntries(macro));
}

bool MacroLibrary::WriteRepeatCount(const std::wstring& name, std::uint16_t count) {
    return m_ini.WriteString(m_path, name, kMacroLoopTimes, std::to_wstring(count));
}

bool MacroLibrary::Delete(const std::wstring& name) {
    return m_ini.DeleteSection(m_path, name);
}

bool MacroLibrary::Rename(const std::wstring& oldName, const std::wstring& newName) {
    if (!Exists() || !IsStorableIniSection(newName)) return false;
    const std::vector<std::wstring> sections = m_ini.SectionNames(m_path);
    const auto named = [&](std::wstring_view name) {
        return std::find_if(sections.begin(), sections.end(),
                            [&](const std::wstring& section) { return IniNamesEqual(section, name); });
    };
    const auto renamed = named(oldName);
    const auto taken = named(newName);
    if (taken != sections.end() && taken != renamed) return false;
    if (renamed == sections.end()) return m_ini.ReplaceSection(m_path, newName, MacroEntries(Load(oldName)));
    // A section cannot be renamed where it stands, so it and every later one are written again in
    // order: each macro keeps its position, and so the number its buttons play it by.
    std::vector<std::pair<std::wstring, std::vector<IniEntry>>> moved;
    for (auto it = renamed; it != sections.end(); ++it)
        moved.emplace_back(it == renamed ? newName : *it, m_ini.ReadSection(m_path, *it));
    for (auto it = renamed; it != sections.end(); ++it)
        if (!m_ini.DeleteSection(m_path, *it)) return false;
    for (const auto& [name, entries] : moved)
        if (!m_ini.ReplaceSection(m_path, name, entries)) return false;
    return true;
}

MacroEncoding EncodeLibrary(const MacroLibrary& library, std::size_t managerListCount) {
    if (managerListCount == 0 || !library.Exists()) return {};
    std::vector<std::wstring> names = library.List();
    if (names.size() > kMacroSlotCount) names.resize(kMacroSlotCount);
    std::vector<StoredMacro> macros;
    macros.reserve(names.size());
    for (const std::wstring& name : names) macros.push_back(library.Load(name));
    return EncodeMacros(macros, managerListCount);
}

}  // namespace ravix
