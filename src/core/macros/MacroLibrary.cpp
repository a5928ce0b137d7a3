#include "core/macros/MacroLibrary.h"

#include "core/platform/DecimalText.h"

namespace ravix {
namespace {

const std::wstring kDelayTimeSelStatus = L"DelayTimeSelStatus";
const std::wstring kLoopTimeSelStatus = L"LoopTimeSelStatus";
const std::wstring kMacroLoopTimes = L"MacroLoopTimes";
const std::wstring kItemCount = L"ItemCount";

std::wstring ItemKey(std::size_t index) {
    return L"Item" + std::to_wstring(index);
}

}  // namespace

bool MacroLibrary::Exists() const {
    return ini_.FileExists(path_);
}

std::vector<std::wstring> MacroLibrary::List() const {
    std::vector<std::wstring> names;
    if (!Exists()) return names;
    std::size_t scanned = 0;
    for (std::wstring& name : ini_.SectionNames(path_)) {
        // An empty name would end the list of names.
        if (name.empty()) break;
        scanned += name.size() + 1;
        if (scanned > kMacroListScanChars) break;
        names.push_back(std::move(name));
    }
    return names;
}

StoredMacro MacroLibrary::Load(const std::wstring& name) const {
    StoredMacro macro;
    macro.name = name;
    macro.macroLoopTimes = ini_.ReadString(path_, name, kMacroLoopTimes);
    const std::size_t count = MacroLinesToRead(LeadingDecimal(ini_.ReadString(path_, name, kItemCount)));
    macro.items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) macro.items.push_back(ini_.ReadString(path_, name, ItemKey(i)));
    macro.delayTimeSelStatus = LeadingDecimal(ini_.ReadString(path_, name, kDelayTimeSelStatus));
    macro.loopTimeSelStatus = LeadingDecimal(ini_.ReadString(path_, name, kLoopTimeSelStatus));
    return macro;
}

bool MacroLibrary::WriteAll(const StoredMacro& macro) {
    // Checked before the old section goes, so that a name the file cannot hold loses nothing.
    if (!IsStorableIniSection(macro.name)) return false;
    bool written = ini_.DeleteSection(path_, macro.name);
    written = written && ini_.WriteString(path_, macro.name, kDelayTimeSelStatus,
                                          std::to_wstring(macro.delayTimeSelStatus));
    written = written && ini_.WriteString(path_, macro.name, kLoopTimeSelStatus,
                                          std::to_wstring(macro.loopTimeSelStatus));
    written = written && ini_.WriteString(path_, macro.name, kMacroLoopTimes, macro.macroLoopTimes);
    written = written && ini_.WriteString(path_, macro.name, kItemCount, std::to_wstring(macro.items.size()));
    for (std::size_t i = 0; written && i < macro.items.size(); ++i)
        written = ini_.WriteString(path_, macro.name, ItemKey(i), StorableIniValue(macro.items[i]));
    return written;
}

bool MacroLibrary::Save(const StoredMacro& macro) {
    if (macro.items.empty() || !Exists()) return false;
    return WriteAll(macro);
}

bool MacroLibrary::WriteRepeatCount(const std::wstring& name, std::uint16_t count) {
    return ini_.WriteString(path_, name, kMacroLoopTimes, std::to_wstring(count));
}

bool MacroLibrary::Delete(const std::wstring& name) {
    return ini_.DeleteSection(path_, name);
}

bool MacroLibrary::Rename(const std::wstring& oldName, const std::wstring& newName) {
    if (!Exists() || !IsStorableIniSection(newName)) return false;
    StoredMacro macro = Load(oldName);
    macro.name = newName;
    if (!ini_.DeleteSection(path_, oldName)) return false;
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
