#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravix {

// The file dialogs of profile import and export, so that tests can answer them.
class ProfileFileDialogs {
public:
    // The filter both dialogs show.
    static constexpr std::wstring_view kFilter = L"Gaming Mouse Profile(*.bin)|*.bin||";

    virtual ~ProfileFileDialogs() = default;
    // The full path chosen, or nothing when the user cancels. Both dialogs propose
    // `proposedPath`, hide the read-only box and ask before overwriting; the open dialog accepts
    // only an existing file.
    virtual std::optional<std::wstring> ChooseFileToImport(const std::wstring& proposedPath) = 0;
    virtual std::optional<std::wstring> ChooseFileToExport(const std::wstring& proposedPath) = 0;
};

}  // namespace ravix
