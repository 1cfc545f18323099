// The command-line modes: tessivo make, decode and catalogue, run in-process against the
// embedded QR service, and the real program answering --help without a display.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "AppTestSupport.h"
#include "app/CommandLine.h"
#include "qrclient/Picture.h"
#include "tests/support/FaultHttpServer.h"
#include "tests/support/OutsideTools.h"

namespace tessivo::app::testing {
namespace {

using testsupport::PdfText;
using testsupport::QpdfCheck;
using testsupport::ScanImageFile;
using testsupport::ScanPoster;

struct Outcome {
    int code = -1;
    std::string out, err;
};

Outcome Tessivo(std::vector<std::string> args) {
    std::ostringstream out, err;
    Outcome run;
    const auto code = RunCommandLine(args, out, err);
    run.code = code.value_or(-100);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::string ProgramPath() {
    const char* programDir = std::getenv("TESSIVO_PROGRAM_DIR");
    return std::string(programDir ? programDir : TESSIVO_PROGRAM_DIR) + "/tessivo";
}

// The real program, which finds the font metric files that ship beside it.
Outcome TessivoProgram(const std::string& arguments) {
    Outcome outcome;
    std::string command = "'";
    command += ProgramPath();
    command += "' ";
    command += arguments;
    command += " 2>/dev/null";
    outcome.out = RunProgram(command, &outcome.code);
    return outcome;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class CommandLine : public ::testing::Test {
  protected:
    void SetUp() override {
        ::unsetenv("TESSIVO_QR_HOST");
        ::unsetenv("TESSIVO_DECODE_HOST");
        ws.write("Contact.txt", ListLine({"Zo\xEB Kay", "3 Mews", "ZZ1", "0101", "0777",
                                          "zoe@example.com", "zoe.example"}));
    }
    Outcome make(std::vector<std::string> args) {
        args.insert(args.begin(), {"make", "--workspace", ws.path().string()});
        return Tessivo(args);
    }
    TempWorkspace ws;
};

TEST_F(CommandLine, HelpAndVersionAnswerWithoutAWindow) {
    EXPECT_EQ(Tessivo({"--help"}).code, 0);
    EXPECT_NE(Tessivo({"--help"}).out.find("tessivo make"), std::string::npos);
    EXPECT_EQ(Tessivo({"--version"}).out, "tessivo 1.0.0\n");
    const Outcome makeHelp = Tessivo({"make", "--help"});
    EXPECT_EQ(makeHelp.code, 0);
    for (const char* option : {"--kind", "--title", "--to", "--extra", "--number", "--text",
                               "--link", "--banner", "--background", "--font-colour", "--border",
                               "--contact", "--show", "--workspace", "--qr-host", "--open"}) {
        EXPECT_NE(makeHelp.out.find(option), std::string::npos) << option;
    }
    EXPECT_FALSE(RunCommandLine({}, std::cout, std::cerr).has_value());  // the window's turn

    // The real program, with no display at all.
    const std::string program = ProgramPath();
    int status = -1;
    const std::string out = RunProgram(
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" + program + "' --help", &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("Usage: tessivo"), std::string::npos);
}

TEST_F(CommandLine, MakeWritesBothFilesForEachKindAndTheCodeScansToThePayload) {
    struct Case {
        std::vector<std::string> args;
        std::string folder;
        std::string payload;
    };
    const Case cases[] = {
        {{"--kind", "email", "--title", "Spring fair", "--contact", "zo\xC3\xAB kay", "--banner",
          "Open Day", "--extra", "Bring a friend"},
         "EMAILS",
         "mailto:zoe@example.com?subject=Spring fair&body=Open Day - Spring fair. Bring a friend"},
        {{"--kind", "phone", "--title", "Call us", "--number", "01632960587"},
         "PHONE",
         "01632960587"},
        {{"--kind", "info", "--title", "Opening times", "--text", "Caf\xC3\xA9 9-5\nSat 10-4"},
         "INFO",
         "Caf\xC3\xA9 9-5\nSat 10-4"},
        {{"--kind", "web", "--title", "Our shop", "--link", "https://example.org/shop",
          "--background", "blue", "--font-colour", "White", "--border", "Red"},
         "WEB",
         "https://example.org/shop"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const Outcome run = make(c.args);
        ASSERT_EQ(run.code, 0) << run.err;
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 2u) << run.out;
        EXPECT_EQ(std::filesystem::path(lines[0]).parent_path(), ws.path() / c.folder / "Codes");
        EXPECT_EQ(std::filesystem::path(lines[1]).parent_path(), ws.path() / c.folder);
        EXPECT_EQ(ScanImageFile(lines[0]), c.payload);
        EXPECT_EQ(QpdfCheck(lines[1]).exitCode, 0);
        EXPECT_EQ(ScanPoster(lines[1], ws.path()), c.payload);
    }
    // The contact block shows the default details, and the e-mail went to the contact.
    const std::string text = PdfText(ws.path() / "EMAILS" / "Spring fair.pdf").output;
    EXPECT_NE(text.find("Telephone: 0101"), std::string::npos) << text;
    EXPECT_NE(text.find("Email: zoe@example.com"), std::string::npos);
    EXPECT_EQ(text.find("Zo\xC3\xAB Kay"), std::string::npos);  // the name is not shown by default
}

TEST_F(CommandLine, MakeShowsTheChosenDetails) {
    const Outcome run = make({"--kind", "phone", "--title", "Ring", "--number", "0101", "--contact",
                              "ZOË KAY", "--show", "name,postcode,web"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string text = PdfText(ws.path() / "PHONE" / "Ring.pdf").output;
    for (const char* shown : {"Zo\xC3\xAB Kay", "ZZ1", "Web: zoe.example"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown;
    EXPECT_EQ(text.find("Telephone:"), std::string::npos);
}

TEST_F(CommandLine, MakeRefusesWhatTheWindowWouldNotMakeWithAOneLineReason) {
    const std::pair<std::vector<std::string>, int> refused[] = {
        {{"--title", "No kind"}, 2},
        {{"--kind", "fax", "--title", "X"}, 2},
        {{"--kind", "web", "--link", "https://a.example"}, 2},
        {{"--kind", "web", "--title", "Bad.title", "--link", "https://a.example"}, 1},
        {{"--kind", "web", "--title", "", "--link", "https://a.example"}, 1},
        {{"--kind", "web", "--title", "No link"}, 1},
        {{"--kind", "email", "--title", std::string(65, 'e'), "--to", "a@example.com"}, 1},
        {{"--kind", "email", "--title", "Nobody to send to"}, 1},
        {{"--kind", "phone", "--title", "Long", "--number", "0123456789012"}, 1},
        {{"--kind", "web", "--title", "Mixed", "--number", "0101", "--link", "https://a.example"},
         2},
        {{"--kind", "web", "--title", "Colour", "--link", "https://a.example", "--border",
          "Purple"},
         2},
        {{"--kind", "web", "--title", "Who", "--link", "https://a.example", "--contact", "Nobody"},
         2},
        {{"--kind", "web", "--title", "Show", "--link", "https://a.example", "--show", "shoe size"},
         2},
        {{"--kind", "web", "--title", "Strange", "--link", "https://a.example", "--colour", "Red"},
         2},
        {{"--kind", "web", "--title", "Offline", "--link", "https://a.example", "--qr-host",
          "127.0.0.1:9"},
         1},
    };
    for (const auto& [args, expected] : refused) {
        const Outcome run = make(args);
        EXPECT_EQ(run.code, expected) << run.err;
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    for (const char* kind : {"EMAILS", "INFO", "PHONE", "WEB"}) {
        EXPECT_TRUE(std::filesystem::is_empty(ws.path() / kind / "Codes")) << kind;
    }
}

TEST_F(CommandLine, ATitleAsLongAsAFileNameMayBeStillMakesBothFiles) {
    // 251 characters and ".bmp" or ".pdf" fill the file system's 255-byte names exactly; the
    // temporary files of the safe saves must not build on that name.
    const std::string longest(251, 'w');
    const Outcome made =
        make({"--kind", "web", "--title", longest, "--link", "https://example.org"});
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_TRUE(std::filesystem::exists(ws.path() / "WEB" / (longest + ".pdf")));
    EXPECT_TRUE(std::filesystem::exists(ws.path() / "WEB" / "Codes" / (longest + ".bmp")));
    const Outcome refused =
        make({"--kind", "web", "--title", longest + "w", "--link", "https://example.org"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(Lines(refused.err).size(), 1u);
}

TEST_F(CommandLine, DecodeReadsFilesAndWebAddressesAndFailsWithAReason) {
    ASSERT_EQ(make({"--kind", "info", "--title", "Menu", "--text",
                    "Soup \xE2\x82\xAC"
                    "4"})
                  .code,
              0);
    const auto bmp = ws.path() / "INFO" / "Codes" / "Menu.bmp";
    Outcome run = Tessivo({"decode", bmp.string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "Soup \xE2\x82\xAC"
              "4\n");

    // The same picture as PNG and JPEG.
    const Picture picture = *ReadImageFile(bmp).picture;
    const auto png = *EncodePng(picture);
    std::ofstream(ws.path() / "menu.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    const auto jpeg = EncodeJpeg(picture, 95);
    std::ofstream(ws.path() / "menu.jpg", std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg.data()),
               static_cast<std::streamsize>(jpeg.size()));
    for (const char* file : {"menu.png", "menu.jpg"}) {
        run = Tessivo({"decode", (ws.path() / file).string()});
        EXPECT_EQ(run.out,
                  "Soup \xE2\x82\xAC"
                  "4\n")
            << file << run.err;
    }

    // A web address: the service fetches the picture; the text comes back whole.
    testsupport::FaultHttpServer server([&](const testsupport::RecordedRequest&) {
        return testsupport::HttpReply(
            200, std::string_view(reinterpret_cast<const char*>(png.data()), png.size()),
            "image/png");
    });
    run = Tessivo({"decode", "http://" + server.HostPort() + "/menu.png"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "Soup \xE2\x82\xAC"
              "4\n");

    ws.write(
        "blank.png",
        std::string(
            reinterpret_cast<const char*>(EncodePng(SolidPicture(60, 60, 0xFFFFFF))->data()), 0));
    for (const std::string& target :
         {(ws.path() / "missing.png").string(), (ws.path() / "Contact.txt").string()}) {
        run = Tessivo({"decode", target});
        EXPECT_EQ(run.code, 1) << target;
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_EQ(Tessivo({"decode"}).code, 2);
}

TEST_F(CommandLine, CatalogueListsEveryPosterWithItsTextPictureAndLink) {
    ASSERT_EQ(make({"--kind", "web", "--title", "Shop", "--link", "https://example.org/shop"}).code,
              0);
    // A poster the user copied under a name the window would not take.
    std::filesystem::copy_file(ws.path() / "WEB" / "Shop.pdf",
                               ws.path() / "WEB" / "Shop (old).pdf");
    ASSERT_EQ(
        make({"--kind", "info", "--title", "Hours", "--text", std::string(900, 'a') + " end"}).code,
        0);
    ASSERT_EQ(make({"--kind", "phone", "--title", "Ring", "--number", "0101"}).code, 0);
    ASSERT_EQ(make({"--kind", "email", "--title", "Write", "--to", "a@example.com"}).code, 0);
    std::filesystem::remove(ws.path() / "PHONE" / "Codes" /
                            "Ring.bmp");  // a poster whose picture went

    const Outcome run = TessivoProgram("catalogue --workspace '" + ws.path().string() + "'");
    ASSERT_EQ(run.code, 0);
    const auto pdf = ws.path() / "catalogue.pdf";
    EXPECT_EQ(run.out, pdf.string() + "\n");
    EXPECT_EQ(QpdfCheck(pdf).exitCode, 0);
    const std::string text = PdfText(pdf).output;
    for (const char* expected :
         {"Tessivo catalogue", "E-mail posters", "Web link posters", "Shop (old)",
          "https://example.org/shop", "mailto:a@example.com?subject=Write", "Ring",
          "no code picture", "Open the poster Hours.pdf", "..."}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    const std::string bytes = ws.read("catalogue.pdf");
    EXPECT_NE(bytes.find("/Outlines"), std::string::npos);
    EXPECT_NE(bytes.find("(Web link posters)"), std::string::npos);
    EXPECT_NE(bytes.find("/URI (file://"), std::string::npos);
    EXPECT_NE(bytes.find("Shop%20%28old%29.pdf"), std::string::npos);
    EXPECT_NE(bytes.find("/Subtype /Image"), std::string::npos);

    EXPECT_EQ(Tessivo({"catalogue", "--workspace", (ws.path() / "nowhere").string()}).code, 1);
    EXPECT_EQ(Tessivo({"catalogue", "--bogus"}).code, 2);
}

}  // namespace
}  // namespace tessivo::app::testing
