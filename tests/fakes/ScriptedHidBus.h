#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/device/Discovery.h"
#include "core/device/HidBus.h"
#include "tests/fakes/FakeCommandChannel.h"

namespace ravix::testing_support {

// One interface of a scripted bus and how each step of examining it goes.
struct FakeInterface {
    std::wstring path;
    ListedInterface::Status status = ListedInterface::Status::Present;
    bool probeOpens = true;
    std::optional<HidAttributes> attributes;
    std::optional<HidCaps> caps;  // nothing: the preparsed data cannot be read
    bool channelOpens = true;
};

inline FakeInterface OtherDevice(std::wstring path, std::uint16_t vendor = 0x046D,
                                 std::uint16_t product = 0xC077) {
    return {std::move(path),
            ListedInterface::Status::Present,
            true,
            HidAttributes{vendor, product, 1},
            HidCaps{0x0002, 0x0001, 5, 0, 0},
            true};
}

inline FakeInterface MouseCollection(std::wstring path, HidCaps caps) {
    return {std::move(path),
            ListedInterface::Status::Present,
            true,
            HidAttributes{kMouseVendorId, kMouseProductId, 1},
            caps,
            true};
}

inline FakeInterface MousePointer() {
    return MouseCollection(L"mouse-pointer", {0x0002, 0x0001, 5, 0, 0});
}
inline FakeInterface MouseEvent() {
    return MouseCollection(L"mouse-event", {0x0001, 0xFF01, 8, 0, 0});
}
inline FakeInterface MouseCommand() {
    return MouseCollection(L"mouse-command", {0xFF00, 0xFF00, 65, 65, 9});
}

// A HID bus following a script, counting what is open so that tests can see nothing leaks.
class ScriptedHidBus final : public HidBus {
public:
    ScriptedHidBus() = default;
    explicit ScriptedHidBus(std::vector<FakeInterface> script) : interfaces(std::move(script)) {}

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override;
    std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) override;
    std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) override;
    std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) override;

    std::optional<std::vector<FakeInterface>> interfaces;  // nothing: the set cannot be had
    int openSets = 0;
    int openProbes = 0;
    int openChannels = 0;
    std::vector<std::wstring> probed;
    std::vector<std::wstring> openedForEvents;
    std::vector<std::wstring> openedForCommands;

private:
    const FakeInterface* Find(const std::wstring& path) const;
};

}  // namespace ravix::testing_support
