#include "core/device/DiscoveryText.h"

#include <cstdio>

#include "core/platform/TextEncoding.h"

namespace ravix {
namespace {

std::string Hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
    return text;
}

std::string_view DescribeRole(InterfaceRole role) {
    switch (role) {
        case InterfaceRole::OtherDevice:
            return "not the mouse";
        case InterfaceRole::OtherCollection:
            return "mouse, other collection";
        case InterfaceRole::EventInterface:
            return "mouse, event interface";
        case InterfaceRole::CommandInterface:
            return "mouse, command interface";
    }
    return "";
}

}  // namespace

std::string DescribeInterface(const ExaminedInterface& examined) {
    std::string line = ToUtf8(examined.path);
    if (examined.attributes)
        line += "  vendor " + Hex4(examined.attributes->vendorId) + " product " +
                Hex4(examined.attributes->productId);
    else
        line += "  attributes unreadable";
    if (examined.caps) {
        const HidCaps& caps = *examined.caps;
        line += "  usage page " + Hex4(caps.usagePage) + " usage " + Hex4(caps.usage) + "  input " +
                std::to_string(caps.inputReportLength) + " output " +
                std::to_string(caps.outputReportLength) + " feature " +
                std::to_string(caps.featureReportLength);
    }
    line += "  (";
    line += DescribeRole(examined.role);
    line += ')';
    return line;
}

std::string_view DescribeOutcome(DiscoveryOutcome outcome) {
    switch (outcome) {
        case DiscoveryOutcome::Found:
            return "mouse found";
        case DiscoveryOutcome::NoInterfaceSet:
            return "mouse not found: the HID interfaces could not be listed";
        case DiscoveryOutcome::NotFound:
            return "mouse not found";
        case DiscoveryOutcome::InterfaceUnreadable:
            return "mouse not found: the path of an interface could not be read";
        case DiscoveryOutcome::ProbeFailed:
            return "mouse not found: an interface could not be opened to be examined";
        case DiscoveryOutcome::CapabilitiesUnreadable:
            return "mouse not found: the capabilities of one of its interfaces could not be read";
        case DiscoveryOutcome::EventOpenFailed:
            return "mouse not found: its event interface could not be opened";
        case DiscoveryOutcome::CommandOpenFailed:
            return "mouse not found: its command interface could not be opened";
    }
    return "";
}

}  // namespace ravix
