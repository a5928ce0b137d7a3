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
// section's position in the file. Saving a macro deletes its section and writes it again, which
// moves it to the end of the file.
class MacroLibrary {
public:
    MacroLibrary(IniFile& ini, std::wstring path) : m_ini(ini), m_path(std::move(path)) {}

    bool Exists() const;

    // The macro names in file order; empty when the file is missing.
    std::vector<std::wstring> List() const;

    // A macro's options and lines, with missing or malformed keys read as 0.
    StoredMacro Load(const std::wstring& name) const;

    // Rewrites the macro at the end of the file. Nothing is written when the file is missing, the
    // macro has no lines (the stored ones stay) or its name cannot be a section name.
    bool Save(const StoredMacro& macro);

    // Writes the repeat count alone, creating the section and the file when they are missing.
    bool WriteRepeatCount(const std::wstring& name, std::uint16_t count);

    bool Delete(const std::wstring& name);

    // Moves a macro to a new name, which puts it at the end of the file. Its lines are carried over
    // at once, so nothing is lost if no later save follows.
    bool Rename(const std::wstring& oldName, const std::wstring& newName);

    const std::wstring& path() const { return m_path; }

private:
    bool WriteAll(const StoredMacro& macro);

    IniFile& m_ini;
    std::wstring m_path;
};

// The twelve slot images of a library: its first twelve macros in file order. A missing file or an
// empty manager list gives an all-zero image.
MacroEncoding EncodeLibrary(const MacroLibrary& library, std::size_t managerListCount);

}  // namespace ravix
