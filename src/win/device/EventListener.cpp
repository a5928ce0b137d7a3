#include "win/device/EventListener.h"

#include <algorithm>
#include <vector>

#include "core/device/EventReport.h"

namespace ravix::win {
namespace {

// Room for the event report's four meaningful bytes even if the interface states less.
constexpr std::size_t kMinimumReportLength = 4;

}  // namespace

EventListener::EventListener(DeviceLink& link, Deliver deliver) : link_(link), deliver_(std::move(deliver)) {}

EventListener::~EventListener() {
    if (!thread_.Valid()) return;
    stopping_ = true;
    {
        ChannelHold hold(*this);  // ends a read in progress
    }
    for (DWORD previous = 2; previous != static_cast<DWORD>(-1) && previous > 1;)
        previous = ResumeThread(thread_.Get());
    // The thread may be sending an event to a window of this thread: serve such messages while
    // waiting, or neither thread would go on.
    const HANDLE thread = thread_.Get();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool EventListener::CreateWakeEvent() {
    wakeEvent_ = UniqueHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    return wakeEvent_.Valid();
}

bool EventListener::CreateThread() {
    if (!wakeEvent_.Valid()) return false;
    thread_ = UniqueHandle(::CreateThread(nullptr, 0, &ThreadProc, this, CREATE_SUSPENDED, nullptr));
    return thread_.Valid();
}

void EventListener::Resume() {
    if (thread_.Valid()) ResumeThread(thread_.Get());
    Wake();
}

void EventListener::Wake() {
    if (wakeEvent_.Valid()) SetEvent(wakeEvent_.Get());
}

DWORD WINAPI EventListener::ThreadProc(void* self) {
    static_cast<EventListener*>(self)->Run();
    return 0;
}

void EventListener::Run() {
    std::vector<std::uint8_t> buffer;
    while (!stopping_) {
        ResetEvent(wakeEvent_.Get());
        std::size_t length = 0;
        if (!ReadOnce(buffer, length)) {
            if (stopping_) break;
            // No mouse, or its interface failed: the next discovery wakes the thread.
            WaitForSingleObject(wakeEvent_.Get(), INFINITE);
            continue;
        }
        if (!link_.connected || stopping_) continue;
        if (const auto event = ParseEventReport(std::span(buffer.data(), length)))
            deliver_(event->code, event->value);
    }
}

bool EventListener::ReadOnce(std::vector<std::uint8_t>& buffer, std::size_t& length) {
    std::lock_guard hold(channelLock_);
    EventChannel* channel = link_.connected ? link_.eventHandle.get() : nullptr;
    if (!channel || stopping_) return false;
    // The length is taken before every read: discovery may have opened an interface with another.
    buffer.assign(std::max<std::size_t>(link_.eventInputReportLength, kMinimumReportLength), 0);
    const auto read = channel->ReadReport(buffer, EventChannel::kWaitForever);
    if (!read) return false;
    length = std::min(*read, buffer.size());
    return true;
}

EventListener::ChannelHold::ChannelHold(EventListener& listener)
    : listener_(listener), held_(listener.link_.eventHandle.get()) {
    if (held_) held_->Cancel();
    lock_ = std::unique_lock(listener_.channelLock_);
}

EventListener::ChannelHold::~ChannelHold() {
    // An interface that is still the link's after the hold is read again.
    EventChannel* now = listener_.link_.eventHandle.get();
    if (now && now == held_) now->AllowReads();
    lock_.unlock();
    listener_.Wake();
}

}  // namespace ravix::win
