// The device adapters over Wine's own HID devices (none of them is the mouse), the transfer log
// file, the program's choice of bus, and ravixctl over the real bus.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/SystemBus.h"
#include "core/device/Discovery.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "win/app/DeviceBackend.h"
#include "win/device/FileTransferSink.h"
#include "win/device/WinHidBus.h"

namespace ravix::win {
namespace {

// Counts itself in and out of `open`.
class OpenCount {
public:
    explicit OpenCount(int& open) : m_open(open) { ++m_open; }
    ~OpenCount() { --m_open; }
    OpenCount(const OpenCount&) = delete;
    OpenCount& operator=(const OpenCount&) = delete;

private:
    int& m_open;
};

class CountedSet final : public HidInterfaceSet {
public:
    CountedSet(std::unique_ptr<HidInterfaceSet> inner, int& open) : m_inner(std::move(inner)), m_count(open) {}
    ListedInterface Interface(std::uint32_t index) override { return m_inner->Interface(index); }

private:
    std::unique_ptr<HidInterfaceSet> m_inner;
    OpenCount m_count;
};

class CountedProbe final : public HidProbe {
public:
    CountedProbe(std::unique_ptr<HidProbe> inner, int& open) : m_inner(std::move(inner)), m_count(open) {}
    std::optional<HidAttributes> Attributes() override { return m_inner->Attributes(); }
    std::optional<HidCaps> Capabilities() override { return m_inner->Capabilities(); }

private:
    std::unique_ptr<HidProbe> m_inner;
    OpenCount m_count;
};

class CountedCommandChannel final : public CommandChannel {
public:
    CountedCommandChannel(std::unique_ptr<CommandChannel> inner, int& open)
        : m_inner(std::move(inner)), m_count(open) {}
    bool SetFeature(std::span<const std::uint8_t> report) override { return m_inner->SetFeature(report); }
    bool GetFeature(std::span<std::uint8_t> report) override { return m_inner->GetFeature(report); }
    bool WriteReport(std::span<const std::uint8_t> report) override { return m_inner->WriteReport(report); }
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override {
        return m_inner->ReadReport(report, timeoutMs);
    }

private:
    std::unique_ptr<CommandChannel> m_inner;
    OpenCount m_count;
};

class CountedEventChannel final : public EventChannel {
public:
    CountedEventChannel(std::unique_ptr<EventChannel> inner, int& open)
        : m_inner(std::move(inner)), m_count(open) {}
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override {
        return m_inner->ReadReport(report, timeoutMs);
    }
    void Cancel() override { m_inner->Cancel(); }
    void AllowReads() override { m_inner->AllowReads(); }

private:
    std::unique_ptr<EventChannel> m_inner;
    OpenCount m_count;
};

// A bus that counts what is open of everything it hands out, so that a test sees nothing is left.
class CountingHidBus final : public HidBus {
public:
    explicit CountingHidBus(HidBus& inner) : m_inner(inner) {}

    int open = 0;
    int probesOpened = 0;

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override {
        return Wrap<CountedSet>(m_inner.PresentInterfaces());
    }
    std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) override {
        auto probe = Wrap<CountedProbe>(m_inner.OpenProbe(path));
        if (probe) ++probesOpened;
        return probe;
    }
    std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) override {
        return Wrap<CountedCommandChannel>(m_inner.OpenCommandChannel(path));
    }
    std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) override {
        return Wrap<CountedEventChannel>(m_inner.OpenEventChannel(path));
    }

private:
    template <class Counted, class Port>
    std::unique_ptr<Port> Wrap(std::unique_ptr<Port> object) {
        if (!object) return nullptr;
        return std::make_unique<Counted>(std::move(object), open);
    }

    HidBus& m_inner;
};

// The handles open in this process, counted by asking after every handle value in turn (Wine's
// GetProcessHandleCount always answers 0).
DWORD ProcessHandleCount() {
    DWORD count = 0;
    for (std::uintptr_t value = 4; value < 0x1000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

// The device paths the machine lists, in order.
std::vector<std::wstring> ListedPaths(HidBus& bus) {
    std::vector<std::wstring> paths;
    const auto set = bus.PresentInterfaces();
    if (!set) return paths;
    for (std::uint32_t index = 0;; ++index) {
        const ListedInterface listed = set->Interface(index);
        if (listed.status != ListedInterface::Status::Present) break;
        paths.push_back(listed.path);
    }
    return paths;
}

TEST(WinHidBus, ListsWinesInterfacesAndProbesThemWithoutAccessRights) {
    WinHidBus bus;
    // Wine's own HID devices appear a moment after its device services start.
    std::vector<std::wstring> paths = ListedPaths(bus);
    for (int attempt = 0; paths.empty() && attempt < 50; ++attempt) {
        Sleep(100);
        paths = ListedPaths(bus);
    }
    if (paths.empty()) GTEST_SKIP() << "this Wine lists no HID interface of its own";
    for (const std::wstring& path : paths) {
        SCOPED_TRACE(testing::Message() << "path " << std::string(path.begin(), path.end()));
        EXPECT_EQ(path.rfind(L"\\\\?\\", 0), 0u);
        const auto probe = bus.OpenProbe(path);
        ASSERT_NE(probe, nullptr);
        const auto attributes = probe->Attributes();
        ASSERT_TRUE(attributes.has_value());
        EXPECT_FALSE(IsMouse(*attributes));
        const auto caps = probe->Capabilities();
        ASSERT_TRUE(caps.has_value());
        EXPECT_NE(caps->usagePage, 0);
    }
    EXPECT_EQ(bus.OpenProbe(L"\\\\?\\HID#VID_04D9&PID_A0F4#no-such-interface"), nullptr);
}

TEST(WinHidBus, DiscoveryFindsNoMouseAndLeavesEveryProbeClosed) {
    WinHidBus system;
    const std::size_t listed = ListedPaths(system).size();
    CountingHidBus bus(system);
    DeviceLink link;
    std::vector<ExaminedInterface> examined;

    const DWORD handlesBefore = ProcessHandleCount();
    const DiscoveryOutcome outcome =
        DiscoverDevice(bus, link, [&](const ExaminedInterface& one) { examined.push_back(one); });
    const DWORD handlesAfter = ProcessHandleCount();

    ASSERT_GT(handlesBefore, 0u) << "the system counts the process's handles";
    EXPECT_EQ(outcome, DiscoveryOutcome::NotFound);
    EXPECT_EQ(examined.size(), listed);
    EXPECT_EQ(bus.probesOpened, static_cast<int>(listed));
    EXPECT_EQ(bus.open, 0);
    EXPECT_EQ(handlesAfter, handlesBefore);
    EXPECT_EQ(link.commandHandle, nullptr);
    EXPECT_EQ(link.eventHandle, nullptr);
    EXPECT_FALSE(link.connected);
}

TEST(WinHidBus, RepeatedDiscoveryKeepsTheHandleCount) {
    WinHidBus bus;
    DeviceLink link;
    ASSERT_FALSE(Discover(bus, link));  // the first search may load what the system keeps loaded
    const DWORD handlesBefore = ProcessHandleCount();
    for (int i = 0; i < 20; ++i) ASSERT_FALSE(Discover(bus, link));
    EXPECT_EQ(ProcessHandleCount(), handlesBefore);
}

TEST(WinHidBus, EventReadGivesUpAtItsTimeOutAndReleasesItsHandle) {
    WinHidBus bus;
    for (const std::wstring& path : ListedPaths(bus)) {
        const auto caps = bus.OpenProbe(path)->Capabilities();
        if (!caps || caps->inputReportLength == 0) continue;
        const DWORD handlesBefore = ProcessHandleCount();
        {
            auto channel = bus.OpenEventChannel(path);
            if (!channel) continue;
            std::vector<std::uint8_t> report(caps->inputReportLength);
            EXPECT_FALSE(channel->ReadReport(report, 100).has_value())
                << "Wine's devices send nothing unasked";
        }
        EXPECT_EQ(ProcessHandleCount(), handlesBefore);
        return;
    }
    GTEST_SKIP() << "none of Wine's HID interfaces opens for reading";
}

std::string ReadWholeFile(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::wstring TempFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    DeleteFileW(path.c_str());
    return path;
}

TEST(FileTransferSink, AppendsOneLinePerTransferToWhatTheFileHeld) {
    const std::wstring path = TempFile(L"ravix-sink-test.txt");
    std::ofstream(std::filesystem::path(path), std::ios::binary) << "EARLIER\n";
    {
        FileTransferSink sink(path);
        ASSERT_TRUE(sink.IsOpen());
        sink.Record("SET_FEATURE 00 82 00 00 00 00 00 00 7D");
        EXPECT_EQ(ReadWholeFile(path), "EARLIER\nSET_FEATURE 00 82 00 00 00 00 00 00 7D\n")
            << "written at once";
        sink.Record("SLEEP 20");
    }
    EXPECT_EQ(ReadWholeFile(path), "EARLIER\nSET_FEATURE 00 82 00 00 00 00 00 00 7D\nSLEEP 20\n");
    DeleteFileW(path.c_str());
}

TEST(FileTransferSink, AFileThatCannotBeOpenedIsNoFault) {
    FileTransferSink sink(L"Z:\\no\\such\\folder\\trace.txt");
    EXPECT_FALSE(sink.IsOpen());
    sink.Record("SLEEP 20");
}

TEST(DeviceBackend, WithoutSimulateOnlyTheMachinesBusIsThere) {
    DeviceBackend backend(ProgramSwitches{}, nullptr);
    EXPECT_EQ(backend.Mouse(), nullptr);
    EXPECT_EQ(backend.MouseBus(), nullptr);
    EXPECT_NE(dynamic_cast<WinHidBus*>(&backend.Bus()), nullptr);
    DeviceLink link;
    EXPECT_FALSE(Discover(backend.Bus(), link));
}

TEST(DeviceBackend, SimulateWithTraceFileLogsTransfersAndPausesIntoTheFile) {
    const std::wstring path = TempFile(L"ravix-backend-test.txt");
    {
        FileTransferSink trace(path);
        DeviceBackend backend(ProgramSwitches{true, path, std::nullopt}, &trace);
        ASSERT_NE(backend.Mouse(), nullptr);
        DeviceLink link;
        ASSERT_TRUE(Discover(backend.Bus(), link));
        const std::uint8_t feature[9] = {0x00, 0x82, 0, 0, 0, 0, 0, 0, 0x7D};
        link.commandHandle->SetFeature(feature);
        backend.DeviceClock().Sleep(2);
        EXPECT_EQ(backend.Mouse()->Log().Lines().size(), 1u);
    }
    EXPECT_EQ(ReadWholeFile(path), "SET_FEATURE 00 82 00 00 00 00 00 00 7D\nSLEEP 2\n");
    DeleteFileW(path.c_str());
}

TEST(Ravixctl, OverTheRealBusListsWinesInterfacesAndFindsNoMouse) {
    WinHidBus system;
    const std::size_t listed = ListedPaths(system).size();
    std::ostringstream out, err;
    WinClock clock;
    CliContext context{out, err, clock, [&err] { return OpenSystemHidBus(err); }};

    const std::vector<std::string_view> devices{"devices"};
    EXPECT_EQ(RunRavixctl(devices, context), kExitFailed);
    const std::string listing = out.str();
    EXPECT_EQ(static_cast<std::size_t>(std::count(listing.begin(), listing.end(), '\n')), listed + 1)
        << listing;
    EXPECT_NE(listing.find("not found"), std::string::npos) << listing;

    const std::vector<std::string_view> connect{"connect"};
    EXPECT_EQ(RunRavixctl(connect, context), kExitFailed);
    EXPECT_NE(err.str().find("not found"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace ravix::win
