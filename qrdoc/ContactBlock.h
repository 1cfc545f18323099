#pragma once
// The contact block of a poster: the lines made from the ticked contact fields, shown on the
// window in the seven preview lines Text2(0..6), of which the poster prints 0 to 4.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/ContactList.h"

namespace tessivo::qrdoc {

// The "display" ticks, in block order. Only a fully set tick counts; the app passes false for
// a cleared or greyed one. Defaults: telephone, mobile and e-mail shown.
struct ContactTicks {
    bool chkDisplayName = false;
    bool chkDisplayAddress = false;
    bool chkPostCode = false;
    bool chkTelephone = true;
    bool chkMobile = true;
    bool chkEmail = true;
    bool chkWeb = false;
};

inline constexpr int kContactLineCount = 7;    // Text2(0) to Text2(6)
inline constexpr int kPosterContactLines = 5;  // members 0 to 4 reach the poster

struct ContactBlock {
    // The whole block (txtContactDetails, RichTextBox2): per ticked field in order name,
    // address, post code, "Telephone: ", "Mobile: ", "Email: " + text and CR LF, then
    // "Web: " + text without a line break. Line breaks typed inside a field (CR LF, CR or
    // LF) are written as CR LF.
    std::string sBlock;
    // Text1: the number of CR LF pairs in the block.
    int iLineBreaks = 0;
    // The block split at every CR LF; a block ending in CR LF has an empty last line, and an
    // empty block is one empty line.
    std::vector<std::string> lines;
    // Text2(0..6): the first seven lines; members past the last line are empty (not left
    // holding the text of an earlier display). Lines past the seventh are dropped.
    std::array<std::string, kContactLineCount> Text2;
    // A member is shown when its text is not empty.
    std::array<bool, kContactLineCount> bVisible{};
};

// Builds the block from the seven detail fields (UTF-8) and the ticks.
ContactBlock BuildContactBlock(const lists::ContactRecord& fields, const ContactTicks& ticks);

// Ticks from a comma-separated list of the names name, address, postcode, telephone, mobile,
// email, web (the command line's --show); the named ticks set, all others clear. An empty
// list sets none; an unknown name gives nothing.
std::optional<ContactTicks> TicksFromNames(std::string_view names);

}  // namespace tessivo::qrdoc
