#include "core/macros/MacroLibrary.h"

#include <optional>

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

}  // namespace

bool MacroLibrary::Exists() const {
    return m_ini.FileExists(m_path);
}

std::vector<std::wstring> MacroLibrary::List() const {
    std::vector<std::wstring> names;
    if (!Exists()) return names;
    std::size_t scanned = 0;
    for (std::wstring& name : m_ini.SectionNames(m_path)) {
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

bool MacroLibrary::WriteAll(const StoredMacro& macro) {
    // Checked before the old section goes, so that a name the file cannot hold loses nothing.
    if (!IsStorableIniSection(macro.name)) return false;
    bool written = m_ini.DeleteSection(m_path, macro.name);
    written = written && m_ini.WriteString(m_path, macro.name, kDelayTimeSelStatus,
                                          std::to_wstring(macro.delayTimeSelStatus));
    written = written && m_ini.WriteString(m_path, macro.name, kLoopTimeSelStatus,
                                          std::to_wstring(macro.loopTimeSelStatus));
    written = written && m_ini.WriteString(m_path, macro.name, kMacroLoopTimes, macro.macroLoopTimes);
    written = written && m_ini.WriteString(m_path, macro.name, kItemCount, std::to_wstring(macro.items.size()));
    for (std::size_t i = 0; written && i < macro.items.size(); ++i)
        written = m_ini.WriteString(m_path, macro.name, ItemKey(i), StorableIniValue(macro.items[i]));
    return written;
}

bool MacroLibrary::Save(const StoredMacro& macro) {
    if (macro.items.empty() || !Exists()) return false;
    return WriteAll(macro);
}

bool MacroLibrary::WriteRepeatCount(const std::wstring& name, std::uint16_t count) {
    return m_ini.WriteString(m_path, name, kMacroLoopTimes, std::to_wstring(count));
}

bool MacroLibrary::Delete(const std::wstring& name) {
    return m_ini.DeleteSection(m_path, name);
}

bool MacroLibrary::Rename(const std::wstring& oldName, const std::wstring& newName) {
    if (!Exists() || !IsStorableIniSection(newName)) return false;
    StoredMacro macro = Load(oldName);
    macro.name = newName;
    if (!m_ini.DeleteSection(m_path, oldName)) return false;
    return WriteAll(macro);
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
