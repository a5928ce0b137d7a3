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
#include "win/device/OverlappedIo.h"

namespace ravix::win {
namespace {

constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

UniqueHandle OpenInterface(const std::wstring& path, DWORD access, DWORD flags) {
    return UniqueHandle(
        CreateFileW(path.c_str(), access, kShareReadWrite, nullptr, OPEN_EXISTING, flags, nullptr));
}

// The event that an overlapped transfer of a channel signals on completion.
UniqueHandle NewIoEvent() {
    return UniqueHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
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
    explicit WinHidInterfaceSet(HDEVINFO set) : set_(set) {}
    ~WinHidInterfaceSet() override { SetupDiDestroyDeviceInfoList(set_); }
    WinHidInterfaceSet(const WinHidInterfaceSet&) = delete;
    WinHidInterfaceSet& operator=(const WinHidInterfaceSet&) = delete;

    ListedInterface Interface(std::uint32_t index) override {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof(data);
        if (!SetupDiEnumDeviceInterfaces(set_, nullptr, &kHidInterfaceClass, index, &data))
            return {ListedInterface::Status::EndOfList, {}};

        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailW(set_, &data, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
            return {ListedInterface::Status::Unreadable, {}};
        // Held in 8-byte units so that the record is aligned as the system expects.
        std::vector<std::uint64_t> buffer((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(set_, &data, detail, size, nullptr, nullptr))
            return {ListedInterface::Status::Unreadable, {}};
        return {ListedInterface::Status::Present, detail->DevicePath};
    }

private:
    HDEVINFO set_;
};

class WinHidProbe final : public HidProbe {
public:
    explicit WinHidProbe(UniqueHandle file) : file_(std::move(file)) {}

    std::optional<HidAttributes> Attributes() override {
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof(attributes);
        if (!HidD_GetAttributes(file_.Get(), &attributes)) return std::nullopt;
        TraceToDebugger(L"HID attributes: vendor %04X, product %04X, version %04X\n", attributes.VendorID,
                        attributes.ProductID, attributes.VersionNumber);
        return HidAttributes{attributes.VendorID, attributes.ProductID, attributes.VersionNumber};
    }

    std::optional<HidCaps> Capabilities() override {
        PHIDP_PREPARSED_DATA preparsed = nullptr;
        if (!HidD_GetPreparsedData(file_.Get(), &preparsed)) return std::nullopt;
        HIDP_CAPS caps{};
        const NTSTATUS status = HidP_GetCaps(preparsed, &caps);
        HidD_FreePreparsedData(preparsed);
        if (status != HIDP_STATUS_SUCCESS) return std::nullopt;
        TraceToDebugger(L"HID caps: usage page %04X, usage %04X, input %u, output %u, feature %u\n",
                        caps.UsagePage, caps.Usage, caps.InputReportByteLength, caps.OutputReportByteLength,
                        caps.FeatureReportByteLength);
        return HidCaps{caps.Usage, caps.UsagePage, caps.InputReportByteLength, caps.OutputReportByteLength,
                       caps.FeatureReportByteLength};
    }

private:
    UniqueHandle file_;
};

}  // namespace

std::unique_ptr<HidInterfaceSet> WinHidBus::PresentInterfaces() {
    const HDEVINFO set =
        SetupDiGetClassDevsW(&kHidInterfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<WinHidInterfaceSet>(set);
}

std::unique_ptr<HidProbe> WinHidBus::OpenProbe(const std::wstring& path) {
    // No access rights: enough to ask what the interface is, and allowed even for the collections
    // the system keeps for itself (keyboards, pointers).
    UniqueHandle file = OpenInterface(path, 0, 0);
    if (!file.Valid()) return nullptr;
    return std::make_unique<WinHidProbe>(std::move(file));
}

std::unique_ptr<CommandChannel> WinHidBus::OpenCommandChannel(const std::wstring& path) {
    UniqueHandle file = OpenInterface(path, GENERIC_READ | GENERIC_WRITE, FILE_FLAG_OVERLAPPED);
    UniqueHandle event = NewIoEvent();
    if (!file.Valid() || !event.Valid()) return nullptr;
    return std::make_unique<WinCommandChannel>(std::move(file), std::move(event));
}

std::unique_ptr<EventChannel> WinHidBus::OpenEventChannel(const std::wstring& path) {
    UniqueHandle file = OpenInterface(path, GENERIC_READ, FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL);
    UniqueHandle event = NewIoEvent();
    UniqueHandle cancel = NewIoEvent();
    if (!file.Valid() || !event.Valid() || !cancel.Valid()) return nullptr;
    return std::make_unique<WinEventChannel>(std::move(file), std::move(event), std::move(cancel));
}

bool WinCommandChannel::SetFeature(std::span<const std::uint8_t> report) {
    // The driver takes a writable buffer; the caller's report stays untouched.
    std::vector<std::uint8_t> copy(report.begin(), report.end());
    return HidD_SetFeature(file_.Get(), copy.data(), static_cast<ULONG>(copy.size()));
}

bool WinCommandChannel::GetFeature(std::span<std::uint8_t> report) {
    return HidD_GetFeature(file_.Get(), report.data(), static_cast<ULONG>(report.size()));
}

bool WinCommandChannel::WriteReport(std::span<const std::uint8_t> report) {
    std::vector<std::uint8_t> copy(report.begin(), report.end());
    const auto written = TransferOverlapped(file_.Get(), ioEvent_.Get(), IoDirection::Write, copy.data(),
                                            static_cast<DWORD>(copy.size()), kWriteTimeoutMs);
    return written == copy.size();
}

std::optional<std::size_t> WinCommandChannel::ReadReport(std::span<std::uint8_t> report,
                                                         std::uint32_t timeoutMs) {
    const auto read = TransferOverlapped(file_.Get(), ioEvent_.Get(), IoDirection::Read, report.data(),
                                         static_cast<DWORD>(report.size()), timeoutMs);
    if (!read) return std::nullopt;
    return *read;
}

std::optional<std::size_t> WinEventChannel::ReadReport(std::span<std::uint8_t> report,
                                                       std::uint32_t timeoutMs) {
    const auto read = TransferOverlapped(file_.Get(), ioEvent_.Get(), IoDirection::Read, report.data(),
                                         static_cast<DWORD>(report.size()), timeoutMs, cancelEvent_.Get());
    if (!read) return std::nullopt;
    return *read;
}

}  // namespace ravix::win
