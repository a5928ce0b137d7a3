#include "win/device/EventListener.h"

#include <algorithm>
#include <vector>

#include "core/device/EventReport.h"

namespace ravix::win {
namespace {

// Room for the event report's four meaningful bytes even if the interface states less.
constexpr std::size_t kMinimumReportLength = 4;

}  // namespace

EventListener::EventListener(DeviceLink& link, Deliver deliver) : m_link(link), m_deliver(std::move(deliver)) {}

EventListener::~EventListener() {
    if (!m_thread.Valid()) return;
    m_stopping = true;
    {
        ChannelHold hold(*this);  // ends a read in progress
    }
    for (DWORD previous = 2; previous != static_cast<DWORD>(-1) && previous > 1;)
        previous = ResumeThread(m_thread.Get());
    // The thread may be sending an event to a window of this thread: serve such messages while
    // waiting, or neither thread would go on.
    const HANDLE thread = m_thread.Get();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool EventListener::CreateWakeEvent() {
    m_wakeEvent = UniqueHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    return m_wakeEvent.Valid();
}

bool EventListener::CreateThread() {
    if (!m_wakeEvent.Valid()) return false;
    m_thread = UniqueHandle(::CreateThread(nullptr, 0, &ThreadProc, this, CREATE_SUSPENDED, nullptr));
    return m_thread.Valid();
}

void EventListener::Resume() {
    if (m_thread.Valid()) ResumeThread(m_thread.Get());
    Wake();
}

void EventListener::Wake() {
    if (m_wakeEvent.Valid()) SetEvent(m_wakeEvent.Get());
}

DWORD WINAPI EventListener::ThreadProc(void* self) {
    static_cast<EventListener*>(self)->Run();
    return 0;
}

void EventListener::Run() {
    std::vector<std::uint8_t> buffer;
    while (!m_stopping) {
        ResetEvent(m_wakeEvent.Get());
        std::size_t length = 0;
        if (!ReadOnce(buffer, length)) {
            if (m_stopping) break;
            // No mouse, or its interface failed: the next discovery wakes the thread.
            WaitForSingleObject(m_wakeEvent.Get(), INFINITE);
            continue;
        }
        if (!m_link.connected || m_stopping) continue;
        if (const auto event = ParseEventReport(std::span(buffer.data(), length)))
            m_deliver(event->code, event->value);
    }
}

bool EventListener::ReadOnce(std::vector<std::uint8_t>& buffer, std::size_t& length) {
    std::lock_guard hold(m_channelLock);
    EventChannel* channel = m_link.connected ? m_link.eventHandle.get() : nullptr;
    if (!channel || m_stopping) return false;
    // The length is taken before every read: discovery may have opened an interface with another.
    buffer.assign(std::max<std::size_t>(m_link.eventInputReportLength, kMinimumReportLength), 0);
    const auto read = channel->ReadReport(buffer, EventChannel::kWaitForever);
    if (!read) return false;
    length = std::min(*read, buffer.size());
    return true;
}

EventListener::ChannelHold::ChannelHold(EventListener& listener)
    : m_listener(listener), m_held(listener.m_link.eventHandle.get()) {
    if (m_held) m_held->Cancel();
    m_lock = std::unique_lock(m_listener.m_channelLock);
}

EventListener::ChannelHold::~ChannelHold() {
    // An interface that is still the link's after the hold is read again.
    EventChannel* now = m_listener.m_link.eventHandle.get();
    if (now && now == m_held) now->AllowReads();
    m_lock.unlock();
    m_listener.Wake();
}

}  // namespace ravix::win
