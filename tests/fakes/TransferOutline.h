#pragma once

#include <string>
#include <vector>

namespace ravix::testing_support {

inline std::string HexByte(unsigned value) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(value >> 4) & 0xF], digits[value & 0xF]};
}

// A transfer log in short: "CMD" and the first three frame bytes for each command, "W" for each
// output report and "S<ms>" for each pause.
inline std::vector<std::string> Outline(const std::vector<std::string>& log) {
    std::vector<std::string> outline;
    for (const std::string& line : log) {
        std::string item;
        if (line.rfind("SET_FEATURE ", 0) == 0)
            item.append("CMD ").append(line, 15, 8);
        else if (line.rfind("WRITE ", 0) == 0)
            item = "W";
        else if (line.rfind("SLEEP ", 0) == 0)
            item.append("S").append(line, 6);
        else
            item = line;
        outline.push_back(item);
    }
    return outline;
}

// What a full write of `profile` with report rate `rate` sends, in order: the profile, its report
// rate, its block, the button map and the twelve macro slots, each with its pauses.
inline std::vector<std::string> FullWriteOutline(unsigned profile, unsigned rate) {
    const std::string p = HexByte(profile);
    std::vector<std::string> outline = {"CMD 02 " + p + " 00",
                                        "S10",
                                        "CMD 03 " + p + " " + HexByte(rate),
                                        "S10",
                                        "CMD 0C 00 80",
                                        "W",
                                        "S20",
                                        "W",
                                        "S20",
                                        "S10",
                                        "CMD 0D " + p + " 80",
                                        "W",
                                        "S20",
                                        "W",
                                        "S20",
                                        "S2"};
    for (unsigned slot = 1; slot <= 12; ++slot) {
        for (const std::string& item :
             {"CMD 0F " + HexByte(slot) + " 80", std::string("W"), std::string("S20"), std::string("W"),
              std::string("S20"), std::string("S20")})
            outline.push_back(item);
    }
    return outline;
}

}  // namespace ravix::testing_support
