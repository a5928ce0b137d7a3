#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/macros/MacroEncoder.h"
#include "core/macros/StoredMacro.h"
#include "core/platform/IniFile.h"

namespace ravix {

// The list of section names is scanned over this many characters, terminators included; sections
// whose names end beyond it are not seen.
inline constexpr std::size_t kMacroListScanChars = 255;

// The user's macros: one section per macro in the library file, the macro's number being the
// section's position in the file. A button plays a macro by that number, so saving or renaming a
// macro keeps it where it is; only a new macro goes to the end.
class MacroLibrary {
public:
    MacroLibrary(IniFile& ini, std::wstring path) : m_ini(ini), m_path(std::move(path)) {}

    bool Exists() const;

    // The macro names in file order; empty when the file is missing.
    std::vector<std::wstring> List() const;

    // A macro's options and lines, with missing or malformed keys read as 0.
    StoredMacro Load(const std::wstring& name) const;

    // Rewrites the macro's section where it stands (a new one at the end), an emptied macro with
    // "ItemCount" 0. Nothing is written when the file is missing or the name cannot be a section name.
    bool Save(const StoredMacro& macro);

    // Writes the repeat count alone, creating the section and the file when they are missing.
    bool WriteRepeatCount(const std::wstring& name, std::uint16_t count);

    bool Delete(const std::wstring& name);

    // Gives a macro a new name at the same position, with everything it holds. Refused when the file
    // is missing, the name cannot be stored or another macro has it already (letters compared
    // without regard to case).
    bool Rename(const std::wstring& oldName, const std::wstring& newName);

    const std::wstring& path() const { return m_path; }

private:
    IniFile& m_ini;
    std::wstring m_path;
};

// The macro names of the library file at `path` in file order; empty when the file is missing.
std::vector<std::wstring> ListMacros(const IniFile& ini, const std::wstring& path);

// The twelve slot images of a library: its first twelve macros in file order. A missing file or an
// empty manager list gives an all-zero image.
MacroEncoding EncodeLibrary(const MacroLibrary& library, std::size_t managerListCount);

}  // namespace ravix
