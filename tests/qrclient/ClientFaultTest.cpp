// ClsQrCode against a scripted server on 127.0.0.1: what it sends, and that every answer
// but a good one gives none or false, promptly.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "qrclient/ClsQrCode.h"
#include "qrclient/QrCodeDetail.h"
#include "tests/support/FaultHttpServer.h"

namespace tessivo {
namespace {

using testsupport::CannedReply;
using testsupport::FaultHttpServer;
using testsupport::HttpReply;
using testsupport::RecordedRequest;

Picture Sample() {
    Picture p = SolidPicture(3, 2, 0x102030);
    p.rgb[0] = 0xFF;
    return p;
}

std::string PngText(const Picture& p) {
    const std::vector<uint8_t> png = *EncodePng(p);
    return {png.begin(), png.end()};
}

// The PNG bytes inside an upload body.
std::vector<uint8_t> UploadedPng(const std::string& body) {
    const std::string empty = qrclient::MultipartBody({});
    const std::size_t head = empty.find("\r\n\r\n") + 4;
    if (body.size() < empty.size()) return {};
    return {body.begin() + head, body.end() - (empty.size() - head)};
}

FaultHttpServer::Handler Always(CannedReply reply) {
    return [reply](const RecordedRequest&) { return reply; };
}

ClsQrCode ClientOf(const FaultHttpServer& server) {
    return ClsQrCode(server.HostPort(), server.HostPort());
}

TEST(PictureRequest, SendsAPlainGetWithoutCacheAndDecodesThePng) {
    FaultHttpServer server(Always(HttpReply(200, PngText(Sample()), "image/png")));
    ClsQrCode client = ClientOf(server);
    EXPECT_EQ(client.GetPictureQrCode("a b", 3, 2, "UTF-8", "L", 0xFFFFFF, 0, 0), Sample());
    EXPECT_EQ(client.LastError(), "");
    const std::vector<RecordedRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/v1/create-qr-code/?data=a%20b&size=3x2");
    EXPECT_EQ(requests[0].version, "HTTP/1.1");
    EXPECT_EQ(requests[0].Header("User-Agent"), "IE");
    EXPECT_EQ(requests[0].Header("Cache-Control"), "no-cache");
    EXPECT_EQ(requests[0].Header("Pragma"), "no-cache");
}

TEST(PictureRequest, GivesNoneForEveryAnswerButA200Png) {
    const std::string png = PngText(Sample());
    const std::string huge((std::size_t{16} << 20) + 1, 'x');
    const struct {
        const char* name;
        CannedReply reply;
    } cases[] = {
        {"404", HttpReply(404, "not here")},
        {"302", HttpReply(302, "", "text/plain", {"Location: /elsewhere.png"})},
        {"500", HttpReply(500, png, "image/png")},
        {"text", HttpReply(200, "<html>busy</html>", "text/html")},
        {"truncated png", HttpReply(200, png.substr(0, png.size() - 20), "image/png")},
        {"empty 200", HttpReply(200, "", "image/png")},
        {"over 16 MiB, announced", HttpReply(200, huge, "image/png")},
        {"over 16 MiB, unannounced", {"HTTP/1.0 200 OK\r\n\r\n" + huge, {}, false}},
        {"not http", {"hello\r\n\r\n", {}, false}},
        {"closed", {"", {}, false}},
    };
    for (const auto& c : cases) {
        FaultHttpServer server(Always(c.reply));
        ClsQrCode client = ClientOf(server);
        EXPECT_FALSE(client.GetPictureQrCode("x", 3, 2, "UTF-8", "L", 0xFFFFFF, 0, 0)) << c.name;
        EXPECT_NE(client.LastError(), "") << c.name;
        EXPECT_EQ(server.Requests().size(), 1u) << c.name << ": a redirect was followed";
    }
}

TEST(PictureRequest, GivesUpOnAStallAtItsTimeOutAndOnARefusedConnection) {
    FaultHttpServer server(Always(testsupport::StallReply()));
    qrclient::HttpLimits shortLimits;
    shortLimits.totalTimeout = std::chrono::milliseconds(700);
    ClsQrCode stalled(server.HostPort(), server.HostPort(), shortLimits);
    EXPECT_FALSE(stalled.GetPictureQrCode("x", 3, 2, "UTF-8", "L", 0xFFFFFF, 0, 0));
    EXPECT_NE(stalled.LastError().find("imed out"), std::string::npos) << stalled.LastError();

    const std::string nobody = "127.0.0.1:" + std::to_string(testsupport::UnusedPort());
    ClsQrCode refused(nobody, nobody);
    EXPECT_FALSE(refused.GetPictureQrCode("x", 3, 2, "UTF-8", "L", 0xFFFFFF, 0, 0));
    EXPECT_EQ(refused.LastError().rfind(nobody, 0), 0u) << refused.LastError();
    std::string out = "before";
    EXPECT_FALSE(refused.DecodeFromStream({1, 2, 3}, out));
    EXPECT_FALSE(refused.DecodeFromUrl("http://x/", out));
}

TEST(Upload, SendsTheMultipartBodyByteForByteOverHttp10) {
    FaultHttpServer server(Always(HttpReply(200, "caf\xC3\xA9\r\nline 2")));
    ClsQrCode client = ClientOf(server);
    const std::vector<uint8_t> bytes = {0x89, 'P', 'N', 'G', 0, '\r', '\n', 0xFF};
    std::string out;
    ASSERT_TRUE(client.DecodeFromStream(bytes, out));
    EXPECT_EQ(out, "caf\xC3\xA9\r\nline 2");
    const RecordedRequest request = server.Requests().at(0);
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.target, "/w/decode?full=false");
    EXPECT_EQ(request.version, "HTTP/1.0");
    EXPECT_EQ(request.Header("Content-Type"),
              "multipart/form-data; boundary=---------------------------30862264243566");
    EXPECT_EQ(request.Header("User-Agent"), "IE");
    EXPECT_EQ(request.body, qrclient::MultipartBody(bytes));
}

TEST(Upload, LeavesTheOutputAloneWhenTheServiceRefuses) {
    for (const int status : {400, 404, 302, 500}) {
        FaultHttpServer server(Always(HttpReply(status, "no code")));
        ClsQrCode client = ClientOf(server);
        std::string out = "before";
        EXPECT_FALSE(client.DecodeFromStream({1}, out)) << status;
        EXPECT_EQ(out, "before") << status;
        EXPECT_EQ(server.Requests().size(), 1u) << status;
    }
}

TEST(Upload, PicturesAndFilesGoUpAsPngAndNoPictureSendsNothing) {
    FaultHttpServer server(Always(HttpReply(200, "ok")));
    ClsQrCode client = ClientOf(server);
    std::string out = "before";
    EXPECT_FALSE(client.DecodeFromPicture(std::nullopt, out));
    EXPECT_FALSE(client.DecodeFromPicture(Picture{2, 2, {0}}, out));
    EXPECT_FALSE(client.DecodeFromFile("/nonexistent/picture.png", out));
    EXPECT_EQ(out, "before");
    EXPECT_TRUE(server.Requests().empty());

    std::string folder = (std::filesystem::temp_directory_path() / "tessivo-up-XXXXXX").string();
    const std::filesystem::path dir = mkdtemp(folder.data());
    const Picture p = Sample();
    const std::vector<uint8_t> bmp = EncodeBmp(p);
    std::ofstream(dir / "code.BMP", std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    ASSERT_TRUE(client.DecodeFromPicture(p, out));
    ASSERT_TRUE(client.DecodeFromFile((dir / "code.BMP").string(), out));
    EXPECT_EQ(out, "ok");
    const std::vector<RecordedRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const RecordedRequest& r : requests) EXPECT_EQ(DecodePng(UploadedPng(r.body)).picture, p);
    std::filesystem::remove_all(dir);
}

TEST(DecodeByAddress, EncodesTheAddressAndTakesTheAnswerByteByByte) {
    FaultHttpServer server(Always(HttpReply(200, "\xC3\xA9")));
    ClsQrCode client = ClientOf(server);
    std::string out;
    ASSERT_TRUE(client.DecodeFromUrl("http://x.test/q.png", out));
    EXPECT_EQ(out, "\xC3\x83\xC2\xA9");  // "Ã©": two characters, not "é"
    const RecordedRequest request = server.Requests().at(0);
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.target, "/w/decode?full=false&u=http%3A%2F%2Fx%2Etest%2Fq%2Epng");
    EXPECT_EQ(request.version, "HTTP/1.1");

    FaultHttpServer refusing(Always(HttpReply(400, "no code")));
    ClsQrCode other = ClientOf(refusing);
    out = "before";
    EXPECT_FALSE(other.DecodeFromUrl("http://x.test/q.png", out));
    EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace tessivo
