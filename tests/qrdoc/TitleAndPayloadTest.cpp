#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qrdoc/Payload.h"
#include "qrdoc/QrKind.h"
#include "qrdoc/Title.h"

namespace tessivo::qrdoc {
namespace {

TEST(Title, SplitsAtTheLastSpaceWithin32Characters) {
    struct Case {
        const char* name;
        std::string title;
        TitleLines lines;
    };
    const std::vector<Case> cases = {
        // Spaces at positions 7, 12, 17, 25, 31 and 35 of a 38-character title.
        {"last space before 32",
         "Summer fair in the big tent on Sat, 10 am",
         {"Summer fair in the big tent on ", "Sat, 10 am"}},
        {"38 characters",
         "abcdef abcd abcd abcdefg abcde abc abc",
         {"abcdef abcd abcd abcdefg abcde ", "abc abc"}},
        {"space exactly at 32",
         std::string(31, 'a') + " tail",
         {std::string(31, 'a') + " ", "tail"}},
        {"only space at 33", std::string(32, 'a') + " tail", {"", ""}},
        {"one word", "Raffle", {"", ""}},
        {"empty", "", {"", ""}},
        {"short title, last space", "Bake sale today", {"Bake sale ", "today"}},
        {"trailing space", "Bake ", {"Bake ", ""}},
        {"leading space only", " Bake", {" ", "Bake"}},
        {"second line not split further",
         "a " + std::string(40, 'b') + " c",
         {"a ", std::string(40, 'b') + " c"}},
        // 31 two-byte characters and a space: position 32 counts characters, not bytes.
        {"characters not bytes",
         [] {
             std::string t;
             for (int i = 0; i < 31; ++i) t += "\xC3\xA9";
             return t + " x";
         }(),
         {[] {
              std::string t;
              for (int i = 0; i < 31; ++i) t += "\xC3\xA9";
              return t + " ";
          }(),
          "x"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitTitle(c.title), c.lines) << c.name;
}

TEST(Title, AllowsOnlyLettersDigitsCommaHyphenUnderscoreAndSpace) {
    EXPECT_EQ(kAllowedTitleCharacters.size(), 66u);
    EXPECT_TRUE(HoldsOnlyAllowedCharacters("Open Day, 2024_v-2"));
    EXPECT_TRUE(HoldsOnlyAllowedCharacters(""));
    for (const char* bad : {"a.b", "a/b", "a\\b", "a?", "#", "*", "\xC3\xA9", "a\tb", "\"", "'"}) {
        EXPECT_FALSE(HoldsOnlyAllowedCharacters(bad)) << bad;
    }
    EXPECT_EQ(TitleKeyPress("ab", 'c').iKeyAscii, 'c');
    EXPECT_FALSE(TitleKeyPress("ab", 'c').bShowInvalidCharacter);
    // The wrong character typed last stays until the next key, which becomes a Backspace.
    const TitleKeyOutcome next = TitleKeyPress("ab?", 'd');
    EXPECT_EQ(next.iKeyAscii, kBackspace);
    EXPECT_TRUE(next.bShowInvalidCharacter);
}

TEST(Title, CommandLineRefusesWhatTheWindowWouldNotTake) {
    struct Case {
        QrKind kind;
        std::string title;
        std::optional<std::string> refusal;
    };
    const std::vector<Case> cases = {
        {QrKind::Email, "Open Day", std::nullopt},
        {QrKind::Email, "", "A title needs to be entered"},
        {QrKind::Info, "Open.Day",
         "The title may hold only letters, digits, spaces, \",\", \"-\" and \"_\"."},
        {QrKind::Email, std::string(64, 'a'), std::nullopt},
        {QrKind::Email, std::string(65, 'a'), "The title may hold at most 64 characters."},
        {QrKind::Info, std::string(65, 'a'), "The title may hold at most 64 characters."},
        {QrKind::Phone, std::string(65, 'a'), std::nullopt},
        {QrKind::Web, std::string(251, 'a'), std::nullopt},
        {QrKind::Web, std::string(252, 'a'),
         "The title is too long to be used as a file name: with \".bmp\" it takes 256 bytes, "
         "and a file name may take at most 255. Please shorten it."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TitleRefusal(c.kind, c.title), c.refusal) << c.title;
    }
    EXPECT_FALSE(ContentRefusal(QrKind::Phone, "+44 1632 960"));
    EXPECT_TRUE(ContentRefusal(QrKind::Phone, "+44 1632 9600"));  // 13 characters
    EXPECT_EQ(ContentRefusal(QrKind::Web, ""), std::string("A web link need to be entered"));
    for (QrKind kind : kAllKinds) EXPECT_TRUE(ContentRefusal(kind, "")) << KindInfo(kind).sKey;
}

TEST(Payload, ComposesEachKindExactly) {
    const std::string body = EmailBody("FOR SALE", "Old bike", "Call after 6.");
    EXPECT_EQ(body, "FOR SALE - Old bike. Call after 6.");
    EXPECT_EQ(EmailBody("", "T", ""), " - T. ");
    EXPECT_EQ(EmailBody("", "", ""), " - . ");

    PayloadFields fields;
    fields.sTitle = "Old bike";
    fields.sAddress = "me@example.org";
    fields.sBanner = "FOR SALE";
    fields.sExtra = "Call after 6.";
    fields.sContent = " +44 7700 900123 ";
    EXPECT_EQ(ComposePayload(QrKind::Email, fields),
              "mailto:me@example.org?subject=Old bike&body=FOR SALE - Old bike. Call after 6.");
    EXPECT_EQ(ComposePayload(QrKind::Phone, fields), " +44 7700 900123 ");
    EXPECT_EQ(ComposePayload(QrKind::Info, fields), fields.sContent);
    EXPECT_EQ(ComposePayload(QrKind::Web, fields), fields.sContent);
    EXPECT_EQ(ComposePayload(QrKind::Email, PayloadFields{}), "mailto:?subject=&body= - . ");
}

TEST(Payload, OffersThePdfByTheKindsGuardField) {
    EXPECT_TRUE(OffersPdf(QrKind::Email, "T", ""));
    EXPECT_FALSE(OffersPdf(QrKind::Email, "", "content"));
    EXPECT_FALSE(OffersPdf(QrKind::Info, "", "text"));
    EXPECT_TRUE(OffersPdf(QrKind::Phone, "", "0123"));
    EXPECT_FALSE(OffersPdf(QrKind::Web, "T", ""));
}

TEST(Payload, RequestsAtTheRoundedInnerSize) {
    const std::vector<std::pair<double, int>> cases = {
        {152.0, 152}, {152.4, 152}, {152.5, 152}, {153.5, 154}, {152.6, 153},
        {-0.5, 0},    {0.5, 0},     {1.5, 2},     {1e12, 0},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(RoundHalfToEven(in), out) << in;
    const QrRequestArguments args = RequestArguments(152.5, 151.5);
    EXPECT_EQ(args.Width, 152);
    EXPECT_EQ(args.Height, 152);
    EXPECT_EQ(args.Encoding, "UTF-8");
    EXPECT_EQ(args.ErrCorrectionLevel, "L");
    EXPECT_EQ(args.ForeColor, 16777215u);
    EXPECT_EQ(args.BackColor, 0u);
    EXPECT_EQ(args.Margin, 0);
}

TEST(QrKind, TableHoldsEachKindsFoldersAndTexts) {
    for (QrKind kind : kAllKinds) {
        const QrKindInfo& info = KindInfo(kind);
        EXPECT_EQ(info.kind, kind);
        EXPECT_EQ(KindFromKey(info.sKey), kind);
        EXPECT_EQ(std::string(info.sCodeFolder), std::string(info.sPdfFolder) + "Codes\\");
    }
    EXPECT_FALSE(KindFromKey("Email"));
    const QrKindInfo& phone = KindInfo(QrKind::Phone);
    EXPECT_EQ(phone.sTitleField, "Text8");
    EXPECT_EQ(phone.guard, PdfGuard::PayloadField);
    EXPECT_EQ(phone.iTitleLimit, 0);
    EXPECT_EQ(ImageStatusText(QrKind::Phone, "Call me"),
              "QR Image Saved As: \\PHONE\\Codes\\Call me.bmp");
    EXPECT_EQ(PdfStatusText(QrKind::Info, "X"), "QR PDF Saved As: \\INFO\\X.pdf");
    EXPECT_EQ(KindInfo(QrKind::Email).sPdfFolder, "\\Emails\\");
    EXPECT_EQ(KindInfo(QrKind::Web).sSentence, "QR Code provides web site link for the user");
    EXPECT_EQ(KindInfo(QrKind::Info).iTitleLimit, kInfoTitleLimit);
    EXPECT_EQ(InformationText(QrKind::Email),
              "The PDF displayed has been saved automatically in the folder Emails and named the "
              "same as the Title entered, also a picture of the code only has been saved "
              "automatically in the folder EMAILS\\CODES.\r\n\r\nTo Print the visible PDF, click "
              "on the Print File icon which will send the PDF file to your default printer. ");
}

}  // namespace
}  // namespace tessivo::qrdoc
