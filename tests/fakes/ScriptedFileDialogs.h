#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/store/ProfileFileDialogs.h"

namespace ravix {

// Answers each dialog with `answer` (nothing = the user cancels) and keeps the proposed paths.
class ScriptedFileDialogs final : public ProfileFileDialogs {
public:
    std::optional<std::wstring> ChooseFileToImport(const std::wstring& proposedPath) override {
        proposed.push_back(proposedPath);
        return answer;
    }
    std::optional<std::wstring> ChooseFileToExport(const std::wstring& proposedPath) override {
        proposed.push_back(proposedPath);
        return answer;
    }

    std::optional<std::wstring> answer;
    std::vector<std::wstring> proposed;
};

}  // namespace ravix
