// The decoding side of the QR service, through ClsQrCode and over raw HTTP, with a scripted
// server standing in for the web sites pictures are fetched from.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "qrclient/ClsQrCode.h"
#include "qrclient/QrCodeDetail.h"
#include "qrclient/cDibBuffer.h"
#include "tests/qrservice/ServiceHelpers.h"
#include "tests/support/FaultHttpServer.h"
#include "tests/support/Files.h"

namespace tessivo {
namespace {

using servicetest::Get;
using testsupport::CannedReply;
using testsupport::FaultHttpServer;
using testsupport::HttpReply;
using testsupport::RecordedRequest;

std::string AsText(const std::vector<uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

QrServiceOptions QuickFetches() {
    QrServiceOptions options;
    options.fetch.limits.connectTimeout = std::chrono::milliseconds(800);
    options.fetch.limits.totalTimeout = std::chrono::milliseconds(800);
    return options;
}

class Decode : public ::testing::Test {
  protected:
    QrService service{"127.0.0.1", 0, QuickFetches()};
    ClsQrCode client{service.HostPort(), service.HostPort()};

    Picture Code(const std::string& text, const std::string& encoding = "UTF-8") {
        std::optional<Picture> p =
            client.GetPictureQrCode(text, 152, 152, encoding, "L", 0xFFFFFF, 0, 0);
        EXPECT_TRUE(p) << client.LastError();
        return p ? *p : SolidPicture(1, 1, 0);
    }
};

TEST_F(Decode, PicturesRoundTripThroughBothServices) {
    const std::string texts[] = {
        "hello world",
        "\xC3\xA9",
        "two\r\nlines\nand a third",
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E",
        "mailto:ann@example.com?subject=Open day&body=Hi",
    };
    for (const std::string& text : texts) {
        std::string out;
        ASSERT_TRUE(client.DecodeFromPicture(Code(text), out)) << client.LastError();
        EXPECT_EQ(out, text);
    }
    std::string latin;
    ASSERT_TRUE(client.DecodeFromPicture(Code("caf\xC3\xA9", "ISO-8859-1"), latin));
    EXPECT_EQ(latin, "caf\xC3\xA9");
}

TEST_F(Decode, ReadsCodesFromEachFileFormatAndFromAResampledBuffer) {
    const Picture code = Code("from a file");
    const testsupport::ScratchFolder scratch;
    const std::filesystem::path& dir = scratch.path();
    const std::pair<const char*, std::vector<uint8_t>> files[] = {
        {"code.png", *EncodePng(code)},
        {"code.bmp", EncodeBmp(code)},
        {"code.jpg", EncodeJpeg(code)},
    };
    for (const auto& [name, bytes] : files) {
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        std::string out;
        EXPECT_TRUE(client.DecodeFromFile((dir / name).string(), out))
            << name << client.LastError();
        EXPECT_EQ(out, "from a file") << name;
    }

    cDibBuffer buffer;
    buffer.CreateFromPicture(code);
    const std::unique_ptr<cDibBuffer> larger = buffer.Resample(229, 229);
    ASSERT_TRUE(larger);
    Picture resampled = SolidPicture(229, 229, 0);
    PictureSurface surface(resampled);
    larger->PaintPicture(surface);
    std::string out;
    EXPECT_TRUE(client.DecodeFromPicture(resampled, out)) << client.LastError();
    EXPECT_EQ(out, "from a file");
}

TEST_F(Decode, KeepsWorkingAfterTheServiceDropsAnIdleConnection) {
    const Picture code = Code("first");
    std::this_thread::sleep_for(std::chrono::milliseconds(1300));  // past the 1 s keep-alive
    std::string out;
    EXPECT_TRUE(client.DecodeFromPicture(code, out)) << client.LastError();
    EXPECT_EQ(out, "first");
}

TEST_F(Decode, UploadsWithoutACodeAreRefusedAndLeaveTheOutputAlone) {
    const std::vector<uint8_t> png = *EncodePng(Code("x"));
    Picture noise = SolidPicture(64, 64, 0);
    for (std::size_t i = 0; i < noise.rgb.size(); ++i)
        noise.rgb[i] = static_cast<uint8_t>(i * 7919 >> 3);
    const std::vector<uint8_t> cases[] = {
        {},
        {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'},
        std::vector<uint8_t>(png.begin(), png.begin() + png.size() / 2),
        *EncodePng(SolidPicture(152, 152, 0xFFFFFF)),
        *EncodePng(noise),
        std::vector<uint8_t>((std::size_t{16} << 20) + 1, 0x89),
    };
    for (const std::vector<uint8_t>& bytes : cases) {
        std::string out = "before";
        EXPECT_FALSE(client.DecodeFromStream(bytes, out)) << bytes.size();
        EXPECT_EQ(out, "before");
        EXPECT_NE(client.LastError().find("400"), std::string::npos) << client.LastError();
    }
}

TEST_F(Decode, OnlyThePlainMultipartUploadIsServed) {
    qrclient::HttpRequest request;
    request.url = "http://" + service.HostPort() + "/w/decode?full=true";
    request.postBody = qrclient::MultipartBody(*EncodePng(Code("x")));
    request.headers = {qrclient::MultipartContentType()};
    EXPECT_EQ(qrclient::HttpSend(request, {}).status, 400);

    request.url = "http://" + service.HostPort() + "/w/decode?full=false";
    std::string renamed = *request.postBody;
    renamed.replace(renamed.find("name=\"f\""), 8, "name=\"g\"");
    request.postBody = renamed;
    EXPECT_EQ(qrclient::HttpSend(request, {}).status, 400);

    request.headers = {"Content-Type: image/png"};
    request.postBody = AsText(*EncodePng(Code("x")));
    const qrclient::HttpAnswer answer = qrclient::HttpSend(request, {});
    EXPECT_EQ(answer.status, 400);
    EXPECT_NE(answer.body.find("multipart"), std::string::npos);
}

class DecodeByAddress : public Decode {
  protected:
    std::string codePng = AsText(*EncodePng(Code("caf\xC3\xA9 by address")));
    // A web site with a few pictures and a few traps.
    FaultHttpServer site{[this](const RecordedRequest& r) { return Page(r.target); }};

    CannedReply Page(const std::string& path) const {
        if (path == "/code.png") return HttpReply(200, codePng, "image/png");
        if (path == "/moved") return HttpReply(302, "", "text/plain", {"Location: /code.png"});
        if (path == "/to-file")
            return HttpReply(302, "", "text/plain", {"Location: file:///etc/passwd"});
        if (path == "/to-service")
            return HttpReply(
                302, "", "text/plain",
                {"Location: http://" + service.HostPort() + "/w/decode?full=false&u=x"});
        if (path == "/blank.png")
            return HttpReply(200, AsText(*EncodePng(SolidPicture(50, 50, 0xFFFFFF))), "image/png");
        if (path == "/text") return HttpReply(200, "<html></html>", "text/html");
        if (path == "/huge") return HttpReply(200, std::string((std::size_t{16} << 20) + 1, 'x'));
        if (path == "/stall") return testsupport::StallReply();
        return HttpReply(404, "not here");
    }
    std::string On(const std::string& path) const { return "http://" + site.HostPort() + path; }
};

TEST_F(DecodeByAddress, FetchesDecodesAndHandsBackTheBytesAsCharacters) {
    for (const char* path : {"/code.png", "/moved"}) {
        std::string out = "before";
        ASSERT_TRUE(client.DecodeFromUrl(On(path), out)) << client.LastError();
        EXPECT_EQ(out, "caf\xC3\x83\xC2\xA9 by address");  // "é" as its two bytes: "Ã©"
    }
    const RecordedRequest fetch = site.Requests().at(0);
    EXPECT_EQ(fetch.target, "/code.png");
    EXPECT_EQ(fetch.Header("X-Tessivo-Fetch"), "1");
}

TEST_F(DecodeByAddress, RefusesWhatItCannotOrMustNotFetch) {
    const std::string self = std::to_string(service.Port());
    const struct {
        std::string url, reason;
    } cases[] = {
        {"file:///etc/passwd", "only http and https"},
        {"ftp://127.0.0.1/x.png", "only http and https"},
        {"http://127.0.0.1:" + self + "/w/decode?full=false&u=x", "not allowed"},
        {"http://localhost:" + self + "/v1/create-qr-code/?data=x&size=50x50", "not allowed"},
        {"http://0.0.0.0:" + self + "/", "not allowed"},
        {"http://127.0.0.2:" + self + "/", "not allowed"},
        {On("/to-service"), "not allowed"},
        {On("/to-file"), "cannot fetch"},
        {On("/missing"), "404"},
        {On("/stall"), "cannot fetch"},
        {On("/huge"), "cannot fetch"},
        {On("/text"), "not a PNG, BMP or JPEG"},
        {On("/blank.png"), "no QR code"},
    };
    for (const auto& c : cases) {
        const qrclient::HttpAnswer answer =
            Get(service, "/w/decode?full=false&u=" + qrclient::UrlEncode(c.url));
        EXPECT_EQ(answer.status, 400) << c.url;
        EXPECT_NE(answer.body.find(c.reason), std::string::npos) << c.url << ": " << answer.body;
    }
    EXPECT_EQ(Get(service, "/w/decode?full=false").status, 400);

    qrclient::HttpRequest relayed;
    relayed.url = "http://" + service.HostPort() +
                  "/w/decode?full=false&u=" + qrclient::UrlEncode(On("/code.png"));
    relayed.headers = {"X-Tessivo-Fetch: 1"};
    EXPECT_EQ(qrclient::HttpSend(relayed, {}).status, 400);
    std::string out;
    EXPECT_TRUE(client.DecodeFromUrl(On("/code.png"), out));  // and it still serves
}

}  // namespace
}  // namespace tessivo
