#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/platform/PointerSettings.h"

namespace ravix {

// Records each pointer setting as "NAME value..." in call order; the names in `refuse` fail.
class FakePointerSettings final : public PointerSettings {
public:
    bool SetMouse(int threshold1, int threshold2, int acceleration) override {
        return Record("SETMOUSE " + std::to_string(threshold1) + " " + std::to_string(threshold2) + " " +
                      std::to_string(acceleration));
    }
    bool SetMouseSpeed(int speed) override { return Record("SETMOUSESPEED " + std::to_string(speed)); }
    bool SetWheelScrollLines(std::uint32_t lines) override {
        return Record("SETWHEELSCROLLLINES " + std::to_string(lines));
    }
    bool SetDoubleClickTime(std::uint32_t milliseconds) override {
        return Record("SETDOUBLECLICKTIME " + std::to_string(milliseconds));
    }

    std::vector<std::string> calls;
    std::set<std::string> refuse;

private:
    bool Record(const std::string& call) {
        calls.push_back(call);
        return refuse.count(call.substr(0, call.find(' '))) == 0;
    }
};

}  // namespace ravix
