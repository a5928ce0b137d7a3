#include "win/device/WinHidBus.h"

#include <setupapi.h>
// mingw-w64's HID headers declare C functions without saying so, and the parser's header needs
// the usage types that the other one brings.
// clang-format off
extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}
// clang-format on

#include <cstdio>
#include <vector>

#include "win/device/HidInterfaceClass.h"

namespace ravix::win {
namespace {

constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

// SetupAPI's list of present interfaces; INVALID_HANDLE_VALUE is its failure.
struct DeviceInfoListTraits {
    static bool Valid(HDEVINFO set) { return set != nullptr && set != INVALID_HANDLE_VALUE; }
    static void Release(HDEVINFO set) { SetupDiDestroyDeviceInfoList(set); }
};
using UniqueDeviceInfoList = Unique<HDEVINFO, DeviceInfoListTraits>;

struct PreparsedDataTraits : NullIsEmpty {
    static void Release(PHIDP_PREPARSED_DATA data) { HidD_FreePreparsedData(data); }
};
using UniquePreparsedData = Unique<PHIDP_PREPARSED_DATA, PreparsedDataTraits>;

UniqueHandle OpenInterface(const std::wstring& path, DWORD access, DWORD flags, const FailureTrace& failures) {
    UniqueHandle file(CreateFileW(path.c_str(), access, kShareReadWrite, nullptr, OPEN_EXISTING, flags, nullptr));
    if (!file) failures.Failed("CreateFileW", path);
    return file;
}

// The event that an overlapped transfer of a channel signals on completion.
UniqueHandle NewIoEvent(const FailureTrace& failures) {
    UniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!event) failures.Failed("CreateEventW");
    return event;
}

// What discovery learns about each interface goes to the debugger, nowhere else.
template <class... Values>
void TraceToDebugger(const wchar_t* format, Values... values) {
    wchar_t text[160];
    std::swprintf(text, std::size(text), format, values...);
    OutputDebugStringW(text);
}

class WinHidInterfaceSet final : public HidInterfaceSet {
public:
    WinHidInterfaceSet(UniqueDeviceInfoList set, const FailureTrace& failures)
        : m_set(std::move(set)), m_failures(failures) {}

    ListedInterface Interface(std::uint32_t index) override {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof(data);
        if (!SetupDiEnumDeviceInterfaces(m_set.Get(), nullptr, &kHidInterfaceClass, index, &data)) {
            if (GetLastError() != ERROR_NO_MORE_ITEMS) m_failures.Failed("SetupDiEnumDeviceInterfaces");
            return {ListedInterface::Status::EndOfList, {}};
        }

        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailW(m_set.Get(), &data, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
            m_failures.Failed("SetupDiGetDeviceInterfaceDetailW");
            return {ListedInterface::Status::Unreadable, {}};
        }
        // Held in 8-byte units so that the record is aligned as the system expects.
        std::vector<std::uint64_t> buffer((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(m_set.Get(), &data, detail, size, nullptr, nullptr)) {
            m_failures.Failed("SetupDiGetDeviceInterfaceDetailW");
            return {ListedInterface::Status::Unreadable, {}};
        }
        return {ListedInterface::Status::Present, detail->DevicePath};
    }

private:
    UniqueDeviceInfoList m_set;
    FailureTrace m_failures;
};

class WinHidProbe final : public HidProbe {
public:
    WinHidProbe(UniqueHandle file, const FailureTrace& failures) : m_file(std::move(file)), m_failures(failures) {}

    std::optional<HidAttributes> Attributes() override {
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof(attributes);
        if (!HidD_GetAttributes(m_file.Get(), &attributes)) {
            m_failures.Failed("HidD_GetAttributes");
            return std::nullopt;
        }
        TraceToDebugger(L"HID attributes: vendor %04X, product %04X, version %04X\n", attributes.VendorID,
                        attributes.ProductID, attributes.VersionNumber);
        return HidAttributes{attributes.VendorID, attributes.ProductID, attributes.VersionNumber};
    }

    std::optional<HidCaps> Capabilities() override {
        PHIDP_PREPARSED_DATA received = nullptr;
        if (!HidD_GetPreparsedData(m_file.Get(), &received)) {
            m_failures.Failed("HidD_GetPreparsedData");
            return std::nullopt;
        }
        const UniquePreparsedData preparsed(received);
        HIDP_CAPS caps{};
        const NTSTATUS status = HidP_GetCaps(preparsed.Get(), &caps);
        if (status != HIDP_STATUS_SUCCESS) {
            m_failures.Failed("HidP_GetCaps", static_cast<DWORD>(status));
            return std::nullopt;
        }
        TraceToDebugger(L"HID caps: usage page %04X, usage %04X, input %u, output %u, feature %u\n",
                        caps.UsagePage, caps.Usage, caps.InputReportByteLength, caps.OutputReportByteLength,
                        caps.FeatureReportByteLength);
        return HidCaps{caps.Usage, caps.UsagePage, caps.InputReportByteLength, caps.OutputReportByteLength,
                       caps.FeatureReportByteLength};
    }

private:
    UniqueHandle m_file;
    FailureTrace m_failures;
};

}  // namespace

std::unique_ptr<HidInterfaceSet> WinHidBus::PresentInterfaces() {
    UniqueDeviceInfoList set(
        SetupDiGetClassDevsW(&kHidInterfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!set) {
        m_failures.Failed("SetupDiGetClassDevsW");
        return nullptr;
    }
    return std::make_unique<WinHidInterfaceSet>(std::move(set), m_failures);
}

std::unique_ptr<HidProbe> WinHidBus::OpenProbe(const std::wstring& path) {
    // No access rights: enough to ask what the interface is, and allowed even for the collections
    // the system keeps for itself (keyboards, pointers).
    UniqueHandle file = OpenInterface(path, 0, 0, m_failures);
    if (!file) return nullptr;
    return std::make_unique<WinHidProbe>(std::move(file), m_failures);
}

std::unique_ptr<CommandChannel> WinHidBus::OpenCommandChannel(const std::wstring& path) {
    UniqueHandle file = OpenInterface(path, GENERIC_READ | GENERIC_WRITE, FILE_FLAG_OVERLAPPED, m_failures);
    if (!file) return nullptr;
    UniqueHandle event = NewIoEvent(m_failures);
    if (!event) return nullptr;
    return std::make_unique<WinCommandChannel>(std::move(file), std::move(event), m_failures);
}

std::unique_ptr<EventChannel> WinHidBus::OpenEventChannel(const std::wstring& path) {
    UniqueHandle file = OpenInterface(path, GENERIC_READ, FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL, m_failures);
    if (!file) return nullptr;
    UniqueHandle event = NewIoEvent(m_failures);
    UniqueHandle cancel = NewIoEvent(m_failures);
    if (!event || !cancel) return nullptr;
    return std::make_unique<WinEventChannel>(std::move(file), std::move(event), std::move(cancel), m_failures);
}

bool WinCommandChannel::SetFeature(std::span<const std::uint8_t> report) {
    // The driver takes a writable buffer; the caller's report stays untouched.
    std::vector<std::uint8_t> copy(report.begin(), report.end());
    if (HidD_SetFeature(m_file.Get(), copy.data(), static_cast<ULONG>(copy.size()))) return true;
    m_failures.Failed("HidD_SetFeature");
    return false;
}

bool WinCommandChannel::GetFeature(std::span<std::uint8_t> report) {
    if (HidD_GetFeature(m_file.Get(), report.data(), static_cast<ULONG>(report.size()))) return true;
    m_failures.Failed("HidD_GetFeature");
    return false;
}

bool WinCommandChannel::WriteReport(std::span<const std::uint8_t> report) {
    std::vector<std::uint8_t> copy(report.begin(), report.end());
    const auto written = TransferOverlapped(Target(), IoDirection::Write, copy.data(),
                                            static_cast<DWORD>(copy.size()), kWriteTimeoutMs, m_failures);
    return written == copy.size();
}

std::optional<std::size_t> WinCommandChannel::ReadReport(std::span<std::uint8_t> report,
                                                         std::uint32_t timeoutMs) {
    const auto read = TransferOverlapped(Target(), IoDirection::Read, report.data(),
                                         static_cast<DWORD>(report.size()), timeoutMs, m_failures);
    if (!read) return std::nullopt;
    return *read;
}

std::optional<std::size_t> WinEventChannel::ReadReport(std::span<std::uint8_t> report,
                                                       std::uint32_t timeoutMs) {
    const OverlappedFile target{m_file.Get(), m_ioEvent.Get(), m_cancelEvent.Get()};
    const auto read = TransferOverlapped(target, IoDirection::Read, report.data(),
                                         static_cast<DWORD>(report.size()), timeoutMs, m_failures);
    if (!read) return std::nullopt;
    return *read;
}

}  // namespace ravix::win
