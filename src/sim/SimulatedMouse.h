#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <span>

#include "core/device/CommandFrame.h"
#include "core/device/DeviceMemoryLayout.h"
#include "core/device/TransferTrace.h"

namespace ravix {

inline constexpr std::size_t kSimCommandReportLength = 65;  // input and output reports
inline constexpr std::size_t kSimFeatureReportLength = 9;
inline constexpr std::size_t kSimEventReportLength = 8;


// The mouse's side of the command protocol: its stored configuration (laid out like the host's
// device image), its current profile, the answers to the read commands and the events it reports
// when its own buttons are used. Every transfer is recorded in its log.
class SimulatedMouse {
public:
    SimulatedMouse();

    std::span<const std::uint8_t, kDeviceImageSize> Memory() const { return m_memory; }
    std::span<std::uint8_t, kDeviceImageSize> Memory() { return m_memory; }
    std::span<const std::uint8_t, kDeviceBlockSize> ProfileBlock(std::size_t profile) const;
    std::span<const std::uint8_t, kDeviceBlockSize> ButtonMap() const;
    std::span<const std::uint8_t, kDeviceBlockSize> MacroSlot(std::size_t slot) const;

    std::uint8_t CurrentProfile() const { return m_memory[kHeaderCurrentProfile]; }
    void SetCurrentProfile(std::uint8_t profile);

    // Frames whose checksum did not match; the mouse ignores them.
    std::size_t RejectedFrames() const { return m_rejectedFrames; }

    // A silent mouse takes commands but answers no feature report and sends no input report.
    void SetAnswering(bool answering) { m_answering = answering; }

    // The mouse's own buttons.
    void PressDpiButton();  // cycles stages 1..4 and reports the new stage
    void SelectMacroKey(std::uint8_t key);
    std::uint8_t DpiStage() const { return m_dpiStage; }

    // The host's transfers on the command interface.
    bool ReceiveFeature(std::span<const std::uint8_t> report);
    bool AnswerFeature(std::span<std::uint8_t> report);
    bool ReceiveOutputReport(std::span<const std::uint8_t> report);
    std::optional<std::size_t> SendInputReport(std::span<std::uint8_t> report);

    // The next event report waiting on the event interface. The event side may be read from
    // another thread than the one that uses the mouse's buttons.
    std::optional<std::size_t> SendEventReport(std::span<std::uint8_t> report);
    // As SendEventReport, waiting up to `timeoutMs` (EventChannel::kWaitForever: no limit) for a
    // report. `giveUp` is asked before waiting and after every WakeEventReaders; true ends the wait.
    std::optional<std::size_t> WaitForEventReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs,
                                                  const std::function<bool()>& giveUp);
    void WakeEventReaders();

    TransferLog& Log() { return m_log; }

private:
    using DataReport = std::array<std::uint8_t, kSimCommandReportLength>;
    using EventReport = std::array<std::uint8_t, kSimEventReportLength>;

    // A block announced by a write command, collected from its output reports.
    struct PendingWrite {
        std::optional<std::size_t> destination;  // nothing: the data is taken and dropped
        std::size_t length = 0;                  // bytes of the block to store, at most a block
        std::size_t reportsLeft = 0;
        std::size_t received = 0;
        std::array<std::uint8_t, kDeviceBlockSize> data{};
    };

    void Execute(const CommandFrame& frame);
    void ExpectBlock(std::optional<std::size_t> destination, std::uint8_t length);
    void QueueBlock(std::size_t offset);
    void QueueEvent(std::uint8_t code, std::uint8_t value);

    std::array<std::uint8_t, kDeviceImageSize> m_memory{};
    std::size_t m_rejectedFrames = 0;
    bool m_answering = true;
    std::uint8_t m_dpiStage = 1;
    CommandFrame m_reply{};
    std::optional<PendingWrite> m_pendingWrite;
    std::deque<DataReport> m_inputReports;
    std::mutex m_eventMutex;
    std::condition_variable m_eventArrived;
    std::deque<EventReport> m_eventReports;  // guarded by m_eventMutex
    TransferLog m_log;
};

}  // namespace ravix
