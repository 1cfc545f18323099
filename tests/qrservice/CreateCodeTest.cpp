// The picture side of the QR service over real HTTP, checked with zbarimg.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "qrclient/ClsQrCode.h"
#include "tests/qrservice/ServiceHelpers.h"
#include "tests/support/FaultHttpServer.h"

namespace tessivo {
namespace {

using servicetest::Get;
using servicetest::ZbarRead;

class CreateCode : public ::testing::Test {
  protected:
    QrService service{"127.0.0.1", 0};
    ClsQrCode client{service.HostPort(), service.HostPort()};

    std::optional<Picture> Fetch(const std::string& query) {
        const qrclient::HttpAnswer answer = Get(service, "/v1/create-qr-code/?" + query);
        if (!answer.Ok()) return std::nullopt;
        return DecodePng({reinterpret_cast<const uint8_t*>(answer.body.data()), answer.body.size()})
            .picture;
    }
};

bool IsDark(const Picture& p, int32_t x, int32_t y) {
    return p.rgb[(y * p.width + x) * 3] < 128;
}

TEST_F(CreateCode, AnswersAPngOfExactlyTheRequestedSize) {
    const struct {
        int32_t width, height, margin;
    } cases[] = {{152, 152, 0}, {153, 97, 0}, {21, 21, 0}, {2000, 2000, 0}, {300, 200, 4}};
    for (const auto& c : cases) {
        const std::optional<Picture> p = client.GetPictureQrCode(
            "hello world", c.width, c.height, "UTF-8", "L", 0xFFFFFF, 0, c.margin);
        ASSERT_TRUE(p) << c.width << "x" << c.height << ": " << client.LastError();
        EXPECT_EQ(p->width, c.width);
        EXPECT_EQ(p->height, c.height);
        // zbarimg needs modules of two pixels or more.
        if (c.width > 21) {
            EXPECT_EQ(ZbarRead(*p), "hello world") << c.width << "x" << c.height;
        }
    }
    // Narrower than the smallest code's 21 modules.
    EXPECT_FALSE(client.GetPictureQrCode("1", 10, 2000, "UTF-8", "L", 0xFFFFFF, 0, 0));
}

TEST_F(CreateCode, DrawsWholePixelModulesCentredWithTheOddPixelRightAndBelow) {
    // "hello world" fits version 1: 21 modules of 7 pixels = 147, leaving 5: 2 left, 3 right.
    const std::optional<Picture> p = Fetch("data=hello%20world&size=152x152");
    ASSERT_TRUE(p);
    for (int32_t i = 0; i < 152; ++i) {
        EXPECT_FALSE(IsDark(*p, 1, i));
        EXPECT_FALSE(IsDark(*p, i, 1));
        EXPECT_FALSE(IsDark(*p, 149, i));
        EXPECT_FALSE(IsDark(*p, i, 149));
    }
    // The finder patterns' outer rings: dark from pixel 2 to 148 along the edges.
    for (const auto& [x, y] : {std::pair{2, 2}, {148, 2}, {2, 148}, {2 + 48, 2}, {148 - 48, 2}})
        EXPECT_TRUE(IsDark(*p, x, y)) << x << "," << y;
    // A module is 7 pixels: the ring (modules 0 and 6) is dark, modules 1 and 5 light.
    EXPECT_TRUE(IsDark(*p, 8, 8));
    EXPECT_FALSE(IsDark(*p, 9, 9));
    EXPECT_FALSE(IsDark(*p, 2 + 5 * 7 + 6, 2 + 5 * 7 + 6));
    EXPECT_TRUE(IsDark(*p, 2 + 6 * 7, 2 + 6 * 7));
}

TEST_F(CreateCode, CodesReadBackExactlyWithZbar) {
    const struct {
        std::string text, encoding, level, expected;
    } cases[] = {
        {"mailto:ann@example.com?subject=Open day&body=Dear Ann,\r\nSee you!", "UTF-8", "L", ""},
        {"caf\xC3\xA9 \xE2\x82\xAC 5", "UTF-8", "M", ""},
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "UTF-8", "H", ""},  // 日本語
        {"caf\xC3\xA9", "ISO-8859-1", "Q", "caf\xE9"},
        {"0123456789012345678901234567890123456789", "UTF-8", "L", ""},
        {std::string(2000, 'a'), "UTF-8", "L", ""},
    };
    for (const auto& c : cases) {
        const std::optional<Picture> p =
            client.GetPictureQrCode(c.text, 600, 600, c.encoding, c.level, 0xFFFFFF, 0, 0);
        ASSERT_TRUE(p) << client.LastError();
        EXPECT_EQ(ZbarRead(*p), c.expected.empty() ? c.text : c.expected) << c.text.substr(0, 40);
    }
}

TEST_F(CreateCode, PaintsTheAskedColoursAndQuietZone) {
    const std::optional<Picture> p = client.GetPictureQrCode(
        "x", 100, 100, "UTF-8", "L", 0x800000 /* dark blue */, 0xE0FFFF /* light yellow */, 2);
    ASSERT_TRUE(p);
    // 25 modules of 4 pixels: a 2-module quiet zone (8 pixels) after a 0 pixel leftover.
    EXPECT_EQ(std::vector<uint8_t>(p->rgb.begin(), p->rgb.begin() + 3),
              (std::vector<uint8_t>{0xFF, 0xFF, 0xE0}));
    const uint8_t* corner = &p->rgb[(8 * 100 + 8) * 3];
    EXPECT_EQ(std::vector<uint8_t>(corner, corner + 3), (std::vector<uint8_t>{0, 0, 0x80}));
    const uint8_t* zone = &p->rgb[(7 * 100 + 7) * 3];
    EXPECT_EQ(zone[2], 0xE0);
}

TEST_F(CreateCode, RefusesEveryBadRequestWithAOneLineReasonAndKeepsServing) {
    const std::string big(8193, 'a');
    const std::string cases[] = {
        "size=152x152",
        "data=x",
        "data=&size=152x152",
        "data=x&data=y&size=152x152",
        "data=x&size=152",
        "data=x&size=152x",
        "data=x&size=x152",
        "data=x&size=-5x10",
        "data=x&size=9x100",
        "data=x&size=100x9",
        "data=x&size=2001x100",
        "data=x&size=100x2001",
        "data=x&size=1e3x100",
        "data=x&size=%2B100x100",
        "data=x&size=100x100x3",
        "data=x&size=100x100&size=200x200",
        "data=x&size=20x20",
        "data=x&size=21x21&qzone=4",
        "data=x&size=100x100&qzone=-1",
        "data=x&size=100x100&qzone=101",
        "data=x&size=100x100&qzone=two",
        "data=x&size=100x100&ecc=X",
        "data=x&size=100x100&color=12345",
        "data=x&size=100x100&color=GGGGGG",
        "data=x&size=100x100&bgcolor=%23FFFFFF",
        "data=x&size=100x100&charset-target=Shift_JIS",
        "data=%E6%97%A5&size=100x100&charset-target=ISO-8859-1",
        "data=%FF&size=100x100",
        "data=" + std::string(1300, 'a') + "&size=2000x2000&ecc=H",
        "data=" + big + "&size=2000x2000",
        "data=" + std::string(3000, 'a') + "&size=2000x2000",
    };
    for (const std::string& query : cases) {
        const qrclient::HttpAnswer answer = Get(service, "/v1/create-qr-code/?" + query);
        EXPECT_EQ(answer.status, 400) << query.substr(0, 60);
        ASSERT_FALSE(answer.body.empty()) << query.substr(0, 60);
        EXPECT_EQ(answer.body.find('\n'), answer.body.size() - 1) << answer.body;
    }
    EXPECT_TRUE(Fetch("data=still%20here&size=100x100"));
    EXPECT_EQ(Get(service, "/v1/no-such-thing").status, 404);
}

TEST_F(CreateCode, SurvivesMalformedHttp) {
    const std::string cases[] = {
        "GARBAGE\r\n\r\n",
        "GET /v1/create-qr-code/?data=a&size=100x100 HTTP/9.9\r\n\r\n",
        "GET /v1/create-qr-code/?data=a&size=100x100 HTTP/1.1\r\nX: " + std::string(9000, 'y') +
            "\r\n\r\n",
        "GET /v1/create-qr-code/?data=" + std::string(9000, 'z') + "&size=100x100 HTTP/1.1\r\n\r\n",
        "POST /w/decode?full=false HTTP/1.1\r\nContent-Length: 99999999999\r\n\r\nabc",
        "POST /w/decode?full=false HTTP/1.1\r\nContent-Type: multipart/form-data; "
        "boundary=zz\r\nContent-Length: 16\r\n\r\n--zz\r\nbroken\r\n\r\n",
        std::string("\0\xFF\r\n\r\n", 6),
    };
    for (const std::string& raw : cases) {
        const std::string answer = testsupport::RawExchange(service.Port(), raw);
        EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 400") << raw.substr(0, 40) << " -> " << answer;
    }
    // Clients that hang up before the answer is written (a broken pipe must not end the
    // process the service runs in).
    for (int i = 0; i < 5; ++i) {
        testsupport::RawExchange(service.Port(),
                                 "GET /v1/create-qr-code/?data=" + std::string(2000, 'a') +
                                     "&size=2000x2000 HTTP/1.1\r\n\r\n",
                                 std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(Fetch("data=still%20here&size=100x100"));
}

TEST(QrServiceLife, PicksFreePortsStopsAndRefusesATakenPort) {
    QrService first("127.0.0.1", 0);
    QrService second("127.0.0.1", 0);
    EXPECT_NE(first.Port(), 0);
    EXPECT_NE(first.Port(), second.Port());
    EXPECT_EQ(first.HostPort(), "127.0.0.1:" + std::to_string(first.Port()));
    EXPECT_THROW(QrService("127.0.0.1", first.Port()), QrServiceError);
    first.Stop();
    first.Stop();
    EXPECT_EQ(Get(first, "/v1/create-qr-code/?data=a&size=50x50").status, 0);
    EXPECT_EQ(Get(second, "/v1/create-qr-code/?data=a&size=50x50").status, 200);
    EXPECT_THROW(QrService("192.0.2.1", 0), QrServiceError);  // not an address of this machine
}

TEST(QrServiceProgram, ServesHelloWorldUntilTerminated) {
    const char* programDir = std::getenv("TESSIVO_PROGRAM_DIR");
    ASSERT_NE(programDir, nullptr);
    const std::string program = std::string(programDir) + "/tessivo-qrservice";
    const uint16_t port = testsupport::UnusedPort();
    const std::string listen = "127.0.0.1:" + std::to_string(port);
    const char* argv[] = {program.c_str(), "--listen", listen.c_str(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(
        posix_spawn(&pid, program.c_str(), nullptr, nullptr, const_cast<char**>(argv), environ), 0);
    ClsQrCode client(listen, listen);
    std::optional<Picture> p;
    for (int attempt = 0; attempt < 100 && !p; ++attempt) {
        p = client.GetPictureQrCode("hello world", 152, 152, "UTF-8", "L", 0xFFFFFF, 0, 0);
        if (!p) usleep(50'000);
    }
    ASSERT_TRUE(p) << client.LastError();
    EXPECT_EQ(ZbarRead(*p), "hello world");
    kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

    const char* bad[] = {program.c_str(), "--listen", "nonsense", nullptr};
    ASSERT_EQ(
        posix_spawn(&pid, program.c_str(), nullptr, nullptr, const_cast<char**>(bad), environ), 0);
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace tessivo
