#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qrdoc/BannerPreview.h"
#include "qrdoc/ContactBlock.h"

namespace tessivo::qrdoc {
namespace {

const lists::ContactRecord kFields{"Ann Lee",        "14 Larchmere Road", "OD1 2XY",
                                   "01632 960001",   "07700 900001",      "ann@example.org",
                                   "www.example.org"};
constexpr ContactTicks kAllTicks{true, true, true, true, true, true, true};

struct BlockCase {
    const char* name;
    lists::ContactRecord fields;
    ContactTicks ticks;
    int lineBreaks;
    std::vector<std::string> text2;  // members 0..6
};

TEST(ContactBlock, BuildsLinesFromTheTickedFields) {
    lists::ContactRecord threeLines = kFields;
    threeLines.sAddress = "14 Larchmere Road\r\nOndwell\r\nBrackshire";
    lists::ContactRecord typedWithLf = kFields;
    typedWithLf.sAddress = "14 Larchmere Road\nOndwell";
    ContactTicks webOnly{false, false, false, false, false, false, true};
    ContactTicks allButWeb = kAllTicks;
    allButWeb.chkWeb = false;
    ContactTicks addressAndMobile{false, true, false, false, true, false, false};

    const std::vector<BlockCase> cases = {
        {"all ticks",
         kFields,
         kAllTicks,
         6,
         {"Ann Lee", "14 Larchmere Road", "OD1 2XY", "Telephone: 01632 960001",
          "Mobile: 07700 900001", "Email: ann@example.org", "Web: www.example.org"}},
        {"web only", kFields, webOnly, 0, {"Web: www.example.org", "", "", "", "", "", ""}},
        {"all but web ends in a line break",
         kFields,
         allButWeb,
         6,
         {"Ann Lee", "14 Larchmere Road", "OD1 2XY", "Telephone: 01632 960001",
          "Mobile: 07700 900001", "Email: ann@example.org", ""}},
        {"three-line address drops the last two lines",
         threeLines,
         kAllTicks,
         8,
         {"Ann Lee", "14 Larchmere Road", "Ondwell", "Brackshire", "OD1 2XY",
          "Telephone: 01632 960001", "Mobile: 07700 900001"}},
        {"a line feed typed in a field is a line break",
         typedWithLf,
         addressAndMobile,
         3,
         {"14 Larchmere Road", "Ondwell", "Mobile: 07700 900001", "", "", "", ""}},
        {"default ticks",
         kFields,
         ContactTicks{},
         3,
         {"Telephone: 01632 960001", "Mobile: 07700 900001", "Email: ann@example.org", "", "", "",
          ""}},
        {"no ticks",
         kFields,
         ContactTicks{false, false, false, false, false, false, false},
         0,
         {"", "", "", "", "", "", ""}},
    };
    for (const BlockCase& c : cases) {
        const ContactBlock block = BuildContactBlock(c.fields, c.ticks);
        EXPECT_EQ(block.iLineBreaks, c.lineBreaks) << c.name;
        EXPECT_EQ(std::vector<std::string>(block.Text2.begin(), block.Text2.end()), c.text2)
            << c.name;
        for (std::size_t i = 0; i < block.Text2.size(); ++i) {
            EXPECT_EQ(block.bVisible[i], !c.text2[i].empty()) << c.name << " member " << i;
        }
    }
    const ContactBlock three = BuildContactBlock(threeLines, kAllTicks);
    EXPECT_EQ(three.lines.size(), 9u);
    EXPECT_EQ(three.lines.back(), "Web: www.example.org");
    EXPECT_EQ(BuildContactBlock(kFields, webOnly).sBlock, "Web: www.example.org");
    EXPECT_EQ(BuildContactBlock(kFields, addressAndMobile).sBlock,
              "14 Larchmere Road\r\nMobile: 07700 900001\r\n");
}

TEST(ContactBlock, ReadsTicksFromNames) {
    const std::optional<ContactTicks> ticks = TicksFromNames("name,web");
    ASSERT_TRUE(ticks);
    EXPECT_TRUE(ticks->chkDisplayName && ticks->chkWeb);
    EXPECT_FALSE(ticks->chkTelephone || ticks->chkMobile || ticks->chkEmail);
    const std::optional<ContactTicks> all =
        TicksFromNames("name,address,postcode,telephone,mobile,email,web");
    ASSERT_TRUE(all);
    EXPECT_EQ(BuildContactBlock(kFields, *all).sBlock,
              BuildContactBlock(kFields, kAllTicks).sBlock);
    EXPECT_FALSE(TicksFromNames("name,fax"));
    EXPECT_FALSE(TicksFromNames("Name"));
    ASSERT_TRUE(TicksFromNames(""));
    EXPECT_EQ(BuildContactBlock(kFields, *TicksFromNames("")).sBlock, "");
}

TEST(BannerPreview, AppliesTheFirstSelectedOptionOfEachGroup) {
    EXPECT_EQ(kBannerColours[1].lValue, 0x0000FFu);  // red in the low byte
    EXPECT_EQ(kBannerColours[5].sName, "Blue");
    EXPECT_EQ(kBannerColours[5].lValue, 0xFF0000u);
    EXPECT_EQ(BannerColourIndex("magenta"), 6);
    EXPECT_EQ(BannerColourIndex("WHITE"), 7);
    EXPECT_FALSE(BannerColourIndex("Orange"));

    // Red background, White font, Black border.
    const BannerOptions chosen{OptionGroupWith(1), OptionGroupWith(7), OptionGroupWith(0)};
    const BannerPreview shown = ShowBanner(InitialBannerPreview(), "FOR SALE", chosen);
    EXPECT_EQ(shown, (BannerPreview{"FOR SALE", 0xFFFFFF, 0x0000FF, 0x000000, 1}));

    // No font option: the caption and its colour stay as they were.
    BannerOptions noFont = chosen;
    noFont.font = {};
    noFont.background = OptionGroupWith(4);
    const BannerPreview kept = ShowBanner(shown, "TO LET", noFont);
    EXPECT_EQ(kept.sCaption, "FOR SALE");
    EXPECT_EQ(kept.lForeColor, 0xFFFFFFu);
    EXPECT_EQ(kept.lFillColor, 0xFFFF00u);

    // Several selected (not possible on the window, possible in a caller): the first wins.
    OptionGroup two{};
    two[6] = two[2] = true;
    EXPECT_EQ(FirstSelectedOption(two), 2);
    EXPECT_FALSE(FirstSelectedOption(OptionGroup{}));
    EXPECT_EQ(FirstSelectedOption(OptionGroupWith(9)), std::nullopt);

    BannerPreview dashed = shown;
    dashed.iBorderStyle = 0;
    EXPECT_EQ(ShowBanner(dashed, "X", BannerOptions{{}, {}, OptionGroupWith(3)}).iBorderStyle, 1);
    EXPECT_EQ(InitialBannerPreview(), (BannerPreview{"", 0x00FFFF, 0x0000FF, 0x000000, 1}));
}

}  // namespace
}  // namespace tessivo::qrdoc
