#include "tests/fakes/ScriptedHidBus.h"

namespace ravix::testing_support {
namespace {

// Counts itself in and out of `counter`.
class Counted {
public:
    explicit Counted(int& counter) : counter_(counter) { ++counter_; }
    ~Counted() { --counter_; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

private:
    int& counter_;
};

class FakeSet final : public HidInterfaceSet {
public:
    FakeSet(const std::vector<FakeInterface>& interfaces, int& counter)
        : interfaces_(interfaces), counted_(counter) {}

    ListedInterface Interface(std::uint32_t index) override {
        if (index >= interfaces_.size()) return {ListedInterface::Status::EndOfList, {}};
        return {interfaces_[index].status, interfaces_[index].path};
    }

private:
    std::vector<FakeInterface> interfaces_;
    Counted counted_;
};

class FakeProbe final : public HidProbe {
public:
    FakeProbe(const FakeInterface& script, int& counter) : script_(script), counted_(counter) {}

    std::optional<HidAttributes> Attributes() override { return script_.attributes; }
    std::optional<HidCaps> Capabilities() override { return script_.caps; }

private:
    FakeInterface script_;
    Counted counted_;
};

class CountedCommandChannel final : public CommandChannel {
public:
    explicit CountedCommandChannel(int& counter) : counted_(counter) {}

    bool SetFeature(std::span<const std::uint8_t> report) override { return inner_.SetFeature(report); }
    bool GetFeature(std::span<std::uint8_t> report) override { return inner_.GetFeature(report); }
    bool WriteReport(std::span<const std::uint8_t> report) override { return inner_.WriteReport(report); }
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override {
        return inner_.ReadReport(report, timeoutMs);
    }

private:
    FakeCommandChannel inner_;
    Counted counted_;
};

class CountedEventChannel final : public EventChannel {
public:
    explicit CountedEventChannel(int& counter) : counted_(counter) {}

    std::optional<std::size_t> ReadReport(std::span<std::uint8_t>, std::uint32_t) override {
        return std::nullopt;
    }
    void Cancel() override {}
    void AllowReads() override {}

private:
    Counted counted_;
};

}  // namespace

std::unique_ptr<HidInterfaceSet> ScriptedHidBus::PresentInterfaces() {
    if (!interfaces) return nullptr;
    return std::make_unique<FakeSet>(*interfaces, openSets);
}

const FakeInterface* ScriptedHidBus::Find(const std::wstring& path) const {
    if (!interfaces) return nullptr;
    for (const FakeInterface& entry : *interfaces)
        if (entry.path == path) return &entry;
    return nullptr;
}

std::unique_ptr<HidProbe> ScriptedHidBus::OpenProbe(const std::wstring& path) {
    probed.push_back(path);
    const FakeInterface* entry = Find(path);
    if (!entry || !entry->probeOpens) return nullptr;
    return std::make_unique<FakeProbe>(*entry, openProbes);
}

std::unique_ptr<CommandChannel> ScriptedHidBus::OpenCommandChannel(const std::wstring& path) {
    openedForCommands.push_back(path);
    const FakeInterface* entry = Find(path);
    if (!entry || !entry->channelOpens) return nullptr;
    return std::make_unique<CountedCommandChannel>(openChannels);
}

std::unique_ptr<EventChannel> ScriptedHidBus::OpenEventChannel(const std::wstring& path) {
    openedForEvents.push_back(path);
    const FakeInterface* entry = Find(path);
    if (!entry || !entry->channelOpens) return nullptr;
    return std::make_unique<CountedEventChannel>(openChannels);
}

}  // namespace ravix::testing_support
