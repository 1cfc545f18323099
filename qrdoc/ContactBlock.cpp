#include "qrdoc/ContactBlock.h"

#include <utility>

namespace tessivo::qrdoc {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Field text with every line break written as CR LF.
std::string WithCrLf(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\r' || field[i] == '\n') {
            if (field[i] == '\r' && i + 1 < field.size() && field[i + 1] == '\n') ++i;
            out += kLineBreak;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

std::vector<std::string> SplitAtLineBreaks(std::string_view block) {
    std::vector<std::string> lines;
    while (true) {
        const std::size_t cut = block.find(kLineBreak);
        lines.emplace_back(block.substr(0, cut));
        if (cut == std::string_view::npos) break;
        block.remove_prefix(cut + kLineBreak.size());
    }
    return lines;
}

struct TickName {
    std::string_view sName;
    bool ContactTicks::*tick;
};
constexpr std::array<TickName, 7> kTickNames = {{
    {"name", &ContactTicks::chkDisplayName},
    {"address", &ContactTicks::chkDisplayAddress},
    {"postcode", &ContactTicks::chkPostCode},
    {"telephone", &ContactTicks::chkTelephone},
    {"mobile", &ContactTicks::chkMobile},
    {"email", &ContactTicks::chkEmail},
    {"web", &ContactTicks::chkWeb},
}};

}  // namespace

ContactBlock BuildContactBlock(const lists::ContactRecord& fields, const ContactTicks& ticks) {
    struct Line {
        bool ticked;
        std::string_view prefix;
        const std::string& text;
        bool lineBreak;
    };
    const std::array<Line, 7> lines = {{
        {ticks.chkDisplayName, "", fields.sName, true},
        {ticks.chkDisplayAddress, "", fields.sAddress, true},
        {ticks.chkPostCode, "", fields.sPostCode, true},
        {ticks.chkTelephone, "Telephone: ", fields.sTelephone, true},
        {ticks.chkMobile, "Mobile: ", fields.sMobile, true},
        {ticks.chkEmail, "Email: ", fields.sEmail, true},
        {ticks.chkWeb, "Web: ", fields.sWeb, false},
    }};
    ContactBlock block;
    for (const Line& line : lines) {
        if (!line.ticked) continue;
        block.sBlock += line.prefix;
        block.sBlock += WithCrLf(line.text);
        if (line.lineBreak) block.sBlock += kLineBreak;
    }
    block.lines = SplitAtLineBreaks(block.sBlock);
    block.iLineBreaks = static_cast<int>(block.lines.size()) - 1;
    for (std::size_t i = 0; i < block.Text2.size() && i < block.lines.size(); ++i) {
        block.Text2[i] = block.lines[i];
    }
    for (std::size_t i = 0; i < block.Text2.size(); ++i)
        block.bVisible[i] = !block.Text2[i].empty();
    return block;
}

std::optional<ContactTicks> TicksFromNames(std::string_view names) {
    ContactTicks ticks{false, false, false, false, false, false, false};
    while (!names.empty()) {
        const std::size_t cut = names.find(',');
        const std::string_view name = names.substr(0, cut);
        names = cut == std::string_view::npos ? std::string_view() : names.substr(cut + 1);
        bool known = false;
        for (const TickName& tick : kTickNames) {
            if (tick.sName == name) {
                ticks.*tick.tick = true;
                known = true;
            }
        }
        if (!known) return std::nullopt;
    }
    return ticks;
}

}  // namespace tessivo::qrdoc
