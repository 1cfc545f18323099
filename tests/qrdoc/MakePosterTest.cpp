#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "qrdoc/MakePoster.h"
#include "qrdoc/Title.h"
#include "qrservice/QrService.h"
#include "tests/qrdoc/PosterTestSupport.h"
#include "tests/support/FaultHttpServer.h"
#include "text/Utf8.h"

namespace tessivo::qrdoc {
namespace {

namespace fs = std::filesystem;
using namespace postertest;

const lists::ContactRecord kAnn{"Zo\u00eb Lee",   "14 Larchmere Road", "OD1 2XY",
                                "01632 960001",   "07700 900001",      "ann@example.org",
                                "www.example.org"};
constexpr ContactTicks kAllTicks{true, true, true, true, true, true, true};

// One real QR service on loopback for the whole suite, as the program embeds it.
class MakePosterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { service_ = std::make_unique<QrService>("127.0.0.1", 0); }
    static void TearDownTestSuite() { service_.reset(); }

    ClsQrCode Client() const { return ClsQrCode(service_->HostPort(), service_->HostPort()); }

    static std::unique_ptr<QrService> service_;
};
std::unique_ptr<QrService> MakePosterTest::service_;

// An input of the kind with every content field filled, then changed by `change`.
template <typename Change>
MakePosterInput Input(QrKind kind, std::string title, Change change) {
    MakePosterInput input;
    input.kind = kind;
    input.sTitle = std::move(title);
    input.sEmailAddress = "shop@example.org";
    input.sPhoneNumber = "01632 960002";
    input.sInfoText = "Open daily";
    input.sWebLink = "https://example.org/";
    input.sBanner = "SALE";
    change(input);
    return input;
}
MakePosterInput Input(QrKind kind, std::string title) {
    return Input(kind, std::move(title), [](MakePosterInput&) {});
}

struct KindCase {
    QrKind kind;
    MakePosterInput input;
    std::string payload;
    std::string line1, line2;  // as pdftotext shows them
    const char* folder;        // the kind's folder in the workspace
};

std::vector<KindCase> KindCases() {
    const std::string info = "Caf\u00e9 ouvert \u00e9t\u00e9 comme hiver\nDaily 9-17";
    const std::string link = "https://example.org/menu?day=1&lang=en";
    return {
        {QrKind::Email,
         Input(QrKind::Email, "Summer Sale at the Harbour Market this weekend",
               [](auto& i) { i.sEmailExtra = "Bring a friend"; }),
         "mailto:shop@example.org?subject=Summer Sale at the Harbour Market this weekend"
         "&body=SALE - Summer Sale at the Harbour Market this weekend. Bring a friend",
         "Summer Sale at the Harbour", "Market this weekend", "EMAILS"},
        {QrKind::Phone,
         Input(QrKind::Phone, "Call Us", [](auto& i) { i.sPhoneNumber = "+44 1632 960"; }),
         "+44 1632 960", "Call", "Us", "PHONE"},
        {QrKind::Info,
         Input(QrKind::Info, "Opening hours of the cafe", [&](auto& i) { i.sInfoText = info; }),
         info, "Opening hours of the", "cafe", "INFO"},
        {QrKind::Web, Input(QrKind::Web, "Our menu online", [&](auto& i) { i.sWebLink = link; }),
         link, "Our menu", "online", "WEB"},
    };
}

TEST_F(MakePosterTest, MakesAPosterOfEachKindThatOutsideToolsRead) {
    for (KindCase& c : KindCases()) {
        SCOPED_TRACE(std::string(KindInfo(c.kind).sKey));
        ScratchFolder workspace;
        c.input.contact = kAnn;
        c.input.ticks = kAllTicks;
        ClsQrCode client = Client();
        const MakePosterResult result = MakePoster(c.input, Workspace(workspace.path()), client);
        ASSERT_TRUE(result.Ok()) << result.sError;
        EXPECT_EQ(result.sPayload, c.payload);
        EXPECT_EQ(result.codePicture,
                  workspace.path() / c.folder / "Codes" / (c.input.sTitle + ".bmp"));
        EXPECT_EQ(result.poster, workspace.path() / c.folder / (c.input.sTitle + ".pdf"));

        const ToolResult check = QpdfCheck(result.poster);
        EXPECT_EQ(check.exitCode, 0) << check.output;

        const std::string text = PdfText(result.poster).output;
        const std::vector<std::string> shown = {c.line1,
                                                c.line2,
                                                std::string(KindInfo(c.kind).sSentence),
                                                c.input.sBanner,
                                                "Zo\u00eb Lee",
                                                "14 Larchmere Road",
                                                "OD1 2XY",
                                                "Telephone: 01632 960001",
                                                "Mobile: 07700 900001"};
        for (const std::string& line : shown) {
            EXPECT_NE(text.find(line), std::string::npos) << line << " not in:\n" << text;
        }
        // Contact lines 5 and 6 stay on the window.
        EXPECT_EQ(text.find("Email: "), std::string::npos) << text;
        EXPECT_EQ(text.find("Web: "), std::string::npos) << text;

        const std::string scanned = ScanPoster(result.poster, workspace.path());
        EXPECT_TRUE(text::IsValidUtf8(scanned)) << scanned;
        EXPECT_EQ(scanned, c.payload);
    }
}

TEST_F(MakePosterTest, ReplacesTheFilesOfAnEarlierPosterWithTheSameTitle) {
    ScratchFolder workspace;
    ClsQrCode client = Client();
    MakePosterInput input = Input(QrKind::Web, "Menu");
    ASSERT_TRUE(MakePoster(input, Workspace(workspace.path()), client).Ok());
    input.sWebLink = "https://example.org/menu-two";
    const MakePosterResult second = MakePoster(input, Workspace(workspace.path()), client);
    ASSERT_TRUE(second.Ok()) << second.sError;
    EXPECT_EQ(ScanPoster(second.poster, workspace.path()), input.sWebLink);
}

TEST_F(MakePosterTest, RefusesWhatTheWindowRefusesBeforeAskingForACode) {
    struct Case {
        const char* name;
        MakePosterInput input;
        std::string error;  // the start of the message
    };
    const std::vector<Case> cases = {
        {"empty title", Input(QrKind::Info, ""), std::string(kTitleNeededText)},
        {"character outside the set", Input(QrKind::Email, "Sale!"), "The title may hold only"},
        {"path in the title", Input(QrKind::Phone, "../Sale"), "The title may hold only"},
        {"title over 64 characters", Input(QrKind::Email, std::string(65, 'a')),
         "The title may hold at most 64"},
        {"empty address", Input(QrKind::Email, "Sale", [](auto& i) { i.sEmailAddress.clear(); }),
         "An email address needs to be entered"},
        {"empty number", Input(QrKind::Phone, "Sale", [](auto& i) { i.sPhoneNumber.clear(); }),
         "A telephone number needs to be entered"},
        {"number over 12 characters",
         Input(QrKind::Phone, "Sale", [](auto& i) { i.sPhoneNumber = "0163296000123"; }),
         "The telephone number may hold at most 12"},
        {"empty info text", Input(QrKind::Info, "Sale", [](auto& i) { i.sInfoText.clear(); }),
         "The information text needs to be entered"},
        {"empty web link", Input(QrKind::Web, "Sale", [](auto& i) { i.sWebLink.clear(); }),
         std::string(kWebLinkNeededText)},
        {"banner colour out of range", Input(QrKind::Web, "Sale", [](auto& i) { i.iBorder = 8; }),
         "A banner colour must be"},
        {"negative banner colour", Input(QrKind::Web, "Sale", [](auto& i) { i.iFontColour = -1; }),
         "A banner colour must be"},
        {"accepted as a check of the table", Input(QrKind::Web, "Sale"), ""},
    };
    // A client of a host nothing listens on: any request would fail with another message.
    ClsQrCode nowhere("127.0.0.1:" + std::to_string(testsupport::UnusedPort()), "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder workspace;
        const MakePosterResult result = MakePoster(c.input, Workspace(workspace.path()), nowhere);
        if (c.error.empty()) {
            EXPECT_NE(result.sError.find("gave no code picture"), std::string::npos);
            continue;
        }
        EXPECT_EQ(result.sError.substr(0, c.error.size()), c.error) << result.sError;
        EXPECT_TRUE(result.codePicture.empty());
        EXPECT_TRUE(fs::is_empty(workspace.path()));
    }
}

TEST_F(MakePosterTest, NamesTheServiceHostWhenNoPictureComesBack) {
    testsupport::FaultHttpServer failing(
        [](const testsupport::RecordedRequest&) { return testsupport::HttpReply(500, "down"); });
    ClsQrCode client(failing.HostPort(), failing.HostPort());
    ScratchFolder workspace;
    const MakePosterResult result =
        MakePoster(Input(QrKind::Phone, "Call Us"), Workspace(workspace.path()), client);
    EXPECT_NE(result.sError.find("The QR service at " + failing.HostPort()), std::string::npos)
        << result.sError;
    EXPECT_NE(result.sError.find(client.LastError()), std::string::npos) << result.sError;
    EXPECT_TRUE(fs::is_empty(workspace.path()));
    ASSERT_EQ(failing.Requests().size(), 1u);
    EXPECT_NE(failing.Requests()[0].target.find("&size=152x152"), std::string::npos);
}

TEST_F(MakePosterTest, NamesThePosterWhenItsFolderIsReadOnly) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    ScratchFolder workspace;
    const fs::path web = workspace.path() / "WEB";
    fs::create_directories(web / "Codes");
    WriteFileBytes(web / "Menu.pdf", "the earlier poster");
    fs::permissions(web, fs::perms::owner_read | fs::perms::owner_exec);

    ClsQrCode client = Client();
    const MakePosterResult result =
        MakePoster(Input(QrKind::Web, "Menu"), Workspace(workspace.path()), client);
    fs::permissions(web, fs::perms::owner_all);

    EXPECT_NE(result.sError.find((web / "Menu.pdf").string()), std::string::npos) << result.sError;
    EXPECT_EQ(result.sError.find('\n'), std::string::npos) << result.sError;
    EXPECT_TRUE(result.poster.empty());
    EXPECT_EQ(result.codePicture, web / "Codes" / "Menu.bmp");
    EXPECT_EQ(ReadFileBytes(web / "Menu.pdf"), "the earlier poster");
}

}  // namespace
}  // namespace tessivo::qrdoc
