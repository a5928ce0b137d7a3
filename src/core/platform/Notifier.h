#pragma once

#include <string>

namespace ravix {

// Plain message boxes with an OK button: how the program reports a problem to the user.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void ShowMessage(const std::wstring& text, const std::wstring& caption) = 0;
};

}  // namespace ravix
