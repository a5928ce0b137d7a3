#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/device/HidBus.h"
#include "sim/SimulatedMouse.h"

namespace ravix {

// The mouse's three top-level collections as the bus lists them.
enum class SimulatedInterface { Pointer, Event, Command };

// A HID bus on which the simulated mouse is the only device. The mouse's interfaces are listed in
// a chosen order; unplugging empties the bus and kills every channel opened before, as a real
// unplug does. Command channels record their transfers in the mouse's log. The mouse must outlive
// the bus and everything opened from it.
class SimulatedBus final : public HidBus {
public:
    explicit SimulatedBus(SimulatedMouse& mouse);

    void SetInterfaceOrder(std::vector<SimulatedInterface> order) { m_order = std::move(order); }
    void Plug();
    void Unplug();
    bool Plugged() const { return m_plugged; }

    // True while a channel opened at `generation` still reaches the mouse.
    bool Reaches(std::uint32_t generation) const { return m_plugged && generation == m_generation; }

    static std::wstring PathOf(SimulatedInterface which);
    static HidCaps CapsOf(SimulatedInterface which);

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override;
    std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) override;
    std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) override;
    std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) override;

private:
    std::optional<SimulatedInterface> Find(const std::wstring& path) const;

    SimulatedMouse& m_mouse;
    std::vector<SimulatedInterface> m_order{SimulatedInterface::Pointer, SimulatedInterface::Event,
                                           SimulatedInterface::Command};
    // Read by the listener thread through the event channel.
    std::atomic<bool> m_plugged = true;
    std::atomic<std::uint32_t> m_generation = 0;
};

}  // namespace ravix
