#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "core/device/DeviceLink.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// The thread that waits for the mouse's own events on the event interface and hands each one on
// synchronously, so that it reads the next report only when the previous event has been dealt
// with. It never touches the command interface. While there is no mouse, or its read failed, it
// sleeps until Wake.
class EventListener {
public:
    using Deliver = std::function<void(std::uint8_t code, std::uint8_t value)>;

    EventListener(DeviceLink& link, Deliver deliver);
    // The program's listener lives as long as the process; windows made in tests come and go, and
    // theirs is stopped here.
    ~EventListener();
    EventListener(const EventListener&) = delete;
    EventListener& operator=(const EventListener&) = delete;

    bool CreateWakeEvent();
    // Creates the thread suspended. False when it could not be created (or there is no wake event).
    bool CreateThread();
    bool HasThread() const { return m_thread.Valid(); }

    // Starts a suspended thread (no effect on a running one) and has it look at the link again.
    void Resume();

    // Keeps the listener off the event interface while it exists: a read in progress is cancelled
    // first. Discovery, which may replace or close the event interface, runs inside one.
    class ChannelHold {
    public:
        explicit ChannelHold(EventListener& listener);
        ~ChannelHold();
        ChannelHold(const ChannelHold&) = delete;
        ChannelHold& operator=(const ChannelHold&) = delete;

    private:
        EventListener& m_listener;
        EventChannel* m_held;
        std::unique_lock<std::mutex> m_lock;
    };

private:
    static DWORD WINAPI ThreadProc(void* self);
    void Run();
    // Reads one report under the channel lock; false when there was nothing to read from or the
    // read failed.
    bool ReadOnce(std::vector<std::uint8_t>& buffer, std::size_t& length);
    void Wake();

    DeviceLink& m_link;
    Deliver m_deliver;
    UniqueHandle m_wakeEvent;  // manual reset
    UniqueHandle m_thread;
    std::mutex m_channelLock;  // held while the thread reads, and while discovery runs
    std::atomic<bool> m_stopping = false;
};

}  // namespace ravix::win
