#include "linux/device/ReportDescriptor.h"

#include <algorithm>
#include <array>
#include <map>

namespace ravix::linux_hid {
namespace {

// Item types and tags of the short items this parser acts on.
enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag : std::uint8_t { kInput = 8, kOutput = 9, kCollection = 10, kFeature = 11, kEndCollection = 12 };
enum GlobalTag : std::uint8_t { kUsagePage = 0, kReportSize = 7, kReportId = 8, kReportCount = 9, kPush = 10, kPop = 11 };
enum LocalTag : std::uint8_t { kUsage = 0 };

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::size_t kMaxGlobalStack = 16;
constexpr std::size_t kMaxCollectionDepth = 32;
// A report longer than this cannot be described by the 16-bit lengths the ports carry.
constexpr std::uint64_t kMaxReportBits = 0xFFFEull * 8;

struct GlobalState {
    std::uint16_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

// Bits of each report, by kind and identifier, within one top-level collection.
using ReportBits = std::array<std::map<std::uint8_t, std::uint64_t>, 3>;

struct OpenCollection {
    TopLevelCollection collection;
    ReportBits bits;
};

class Parser {
public:
    explicit Parser(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::optional<ReportDescriptor> Run(std::string& error) {
        while (m_position < m_bytes.size()) {
            if (!Step()) {
                error = m_error + " at byte " + std::to_string(m_position);
                return std::nullopt;
            }
        }
        if (m_depth != 0) {
            error = "a collection is never closed";
            return std::nullopt;
        }
        if (m_result.collections.empty()) {
            error = "no top-level collection";
            return std::nullopt;
        }
        return std::move(m_result);
    }

private:
    bool Fail(std::string reason) {
        m_error = std::move(reason);
        return false;
    }

    bool Step() {
        const std::uint8_t prefix = m_bytes[m_position];
        if (prefix == kLongItemPrefix) return SkipLongItem();
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (m_bytes.size() - m_position - 1 < size) return Fail("item truncated");
        std::uint32_t data = 0;
        for (std::size_t i = 0; i < size; ++i) data |= std::uint32_t{m_bytes[m_position + 1 + i]} << (8 * i);
        const bool ok = Item((prefix >> 2) & 3, prefix >> 4, data, size);
        if (ok) m_position += 1 + size;
        return ok;
    }

    bool SkipLongItem() {
        if (m_bytes.size() - m_position < 3) return Fail("long item truncated");
        const std::size_t size = m_bytes[m_position + 1];
        if (m_bytes.size() - m_position - 3 < size) return Fail("long item truncated");
        m_position += 3 + size;
        return true;
    }

    bool Item(unsigned type, unsigned tag, std::uint32_t data, std::size_t size) {
        switch (type) {
            case kMain:
                return MainItem(tag, data);
            case kGlobal:
                return GlobalItem(tag, data);
            case kLocal:
                if (tag == kUsage && !m_usage) m_usage = size == 4 ? data : (std::uint32_t{m_global.usagePage} << 16) | data;
                return true;
            default:
                return true;  // reserved items carry nothing we need
        }
    }

    bool GlobalItem(unsigned tag, std::uint32_t data) {
        switch (tag) {
            case kUsagePage:
                m_global.usagePage = static_cast<std::uint16_t>(data);
                return true;
            case kReportSize:
                m_global.reportSize = data;
                return true;
            case kReportCount:
                m_global.reportCount = data;
                return true;
            case kReportId:
                if (data == 0 || data > 0xFF) return Fail("invalid report identifier");
                m_global.reportId = static_cast<std::uint8_t>(data);
                m_result.numberedReports = true;
                return true;
            case kPush:
                if (m_stack.size() == kMaxGlobalStack) return Fail("global items pushed too deep");
                m_stack.push_back(m_global);
                return true;
            case kPop:
                if (m_stack.empty()) return Fail("pop without push");
                m_global = m_stack.back();
                m_stack.pop_back();
                return true;
            default:
                return true;
        }
    }

    bool MainItem(unsigned tag, std::uint32_t data) {
        (void)data;
        const std::uint32_t usage = m_usage.value_or(0);
        m_usage.reset();  // local items end with every main item
        switch (tag) {
            case kCollection:
                if (m_depth == kMaxCollectionDepth) return Fail("collections nested too deep");
                if (m_depth++ == 0) {
                    m_open = OpenCollection{};
                    // A usage without its own page takes the page in force when it was given.
                    m_open.collection.usagePage = static_cast<std::uint16_t>(usage >> 16);
                    m_open.collection.usage = static_cast<std::uint16_t>(usage);
                }
                return true;
            case kEndCollection:
                if (m_depth == 0) return Fail("end of a collection that was never opened");
                if (--m_depth == 0) Close();
                return true;
            case kInput:
                return AddReport(0);
            case kOutput:
                return AddReport(1);
            case kFeature:
                return AddReport(2);
            default:
                return true;
        }
    }

    bool AddReport(std::size_t kind) {
        if (m_depth == 0) return Fail("report item outside a collection");
        std::uint64_t& bits = m_open.bits[kind][m_global.reportId];
        bits += std::uint64_t{m_global.reportSize} * m_global.reportCount;
        if (bits > kMaxReportBits) return Fail("report too long");
        return true;
    }

    void Close() {
        TopLevelCollection& collection = m_open.collection;
        std::uint16_t* lengths[] = {&collection.inputReportLength, &collection.outputReportLength,
                                    &collection.featureReportLength};
        for (std::size_t kind = 0; kind < 3; ++kind) {
            std::uint64_t longest = 0;
            for (const auto& [id, bits] : m_open.bits[kind]) longest = std::max(longest, bits);
            if (!m_open.bits[kind].empty()) *lengths[kind] = static_cast<std::uint16_t>((longest + 7) / 8 + 1);
        }
        for (const auto& [id, bits] : m_open.bits[0])
            if (id != 0) collection.inputReportIds.push_back(id);
        m_result.collections.push_back(std::move(collection));
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position = 0;
    std::string m_error;
    GlobalState m_global;
    std::vector<GlobalState> m_stack;
    std::optional<std::uint32_t> m_usage;  // the first usage since the last main item, page in the high half
    std::size_t m_depth = 0;
    OpenCollection m_open;
    ReportDescriptor m_result;
};

}  // namespace

std::optional<ReportDescriptor> ParseReportDescriptor(std::span<const std::uint8_t> bytes, std::string* error) {
    std::string reason;
    if (bytes.size() > kMaxReportDescriptorSize) {
        reason = "longer than a report descriptor can be";
    } else if (auto parsed = Parser(bytes).Run(reason)) {
        return parsed;
    }
    if (error) *error = reason;
    return std::nullopt;
}

}  // namespace ravix::linux_hid
