#pragma once

#include <string>
#include <vector>

#include "core/platform/Notifier.h"

namespace ravix {

// Keeps every message box the code under test would have shown.
class FakeNotifier final : public Notifier {
public:
    struct Message {
        std::wstring text, caption;
        bool operator==(const Message&) const = default;
    };

    void ShowMessage(const std::wstring& text, const std::wstring& caption) override {
        messages.push_back({text, caption});
    }

    std::vector<Message> messages;
};

}  // namespace ravix
