#include "tests/fakes/ScriptedHidBus.h"

namespace ravix::testing_support {
namespace {

// Counts itself in and out of `counter`.
class Counted {
public:
    explicit Counted(int& counter) : m_counter(counter) { ++m_counter; }
    ~Counted() { --m_counter; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

private:
    int& m_counter;
};

class FakeSet final : public HidInterfaceSet {
public:
    FakeSet(const std::vector<FakeInterface>& interfaces, int& counter)
        : m_interfaces(interfaces), m_counted(counter) {}

    ListedInterface Interface(std::uint32_t index) override {
        if (index >= m_interfaces.size()) return {ListedInterface::Status::EndOfList, {}};
        return {m_interfaces[index].status, m_interfaces[index].path};
    }

private:
    std::vector<FakeInterface> m_interfaces;
    Counted m_counted;
};

class FakeProbe final : public HidProbe {
public:
    FakeProbe(const FakeInterface& script, int& counter) : m_script(script), m_counted(counter) {}

    std::optional<HidAttributes> Attributes() override { return m_script.attributes; }
    std::optional<HidCaps> Capabilities() override { return m_script.caps; }

private:
    FakeInterface m_script;
    Counted m_counted;
};

class CountedCommandChannel final : public CommandChannel {
public:
    explicit CountedCommandChannel(int& counter) : m_counted(counter) {}

    bool SetFeature(std::span<const std::uint8_t> report) override { return m_inner.SetFeature(report); }
    bool GetFeature(std::span<std::uint8_t> report) override { return m_inner.GetFeature(report); }
    bool WriteReport(std::span<const std::uint8_t> report) override { return m_inner.WriteReport(report); }
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override {
        return m_inner.ReadReport(report, timeoutMs);
    }

private:
    FakeCommandChannel m_inner;
    Counted m_counted;
};

class CountedEventChannel final : public EventChannel {
public:
    explicit CountedEventChannel(int& counter) : m_counted(counter) {}

    std::optional<std::size_t> ReadReport(std::span<std::uint8_t>, std::uint32_t) override {
        return std::nullopt;
    }
    void Cancel() override {}
    void AllowReads() override {}

private:
    Counted m_counted;
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
