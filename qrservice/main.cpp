// tessivo-qrservice: the QR image and decoding web service on its own, for sharing one
// service between several machines or for trying it with a browser or curl.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "qrservice/QrService.h"

namespace {

constexpr const char* kUsage =
    "usage: tessivo-qrservice --listen HOST:PORT\n"
    "Serves QR code pictures (GET /v1/create-qr-code/?data=...&size=WxH) and decodes them\n"
    "(POST /w/decode?full=false, GET /w/decode?full=false&u=URL) until stopped.\n"
    "HOST may be an IPv6 address in brackets, e.g. [::1]:8090; PORT 0 picks a free port.\n";

// Splits "host:port" or "[v6]:port"; false when malformed.
bool SplitListen(const std::string& text, std::string& host, uint16_t& port) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size()) return false;
    host = text.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    const std::string digits = text.substr(colon + 1);
    if (digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long value = std::stoul(digits);
    if (value > 65535) return false;
    port = static_cast<uint16_t>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string listen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--listen" && i + 1 < argc) {
            listen = argv[++i];
        } else if (arg.rfind("--listen=", 0) == 0) {
            listen = arg.substr(9);
        } else {
            std::fprintf(stderr, "tessivo-qrservice: unknown argument \"%s\"\n%s", arg.c_str(),
                         kUsage);
            return 2;
        }
    }
    std::string host;
    uint16_t port = 0;
    if (!SplitListen(listen, host, port)) {
        std::fprintf(stderr, "tessivo-qrservice: --listen HOST:PORT is required\n%s", kUsage);
        return 2;
    }

    // Block the stop signals before any thread starts, so that only sigwait() sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    try {
        tessivo::QrService service(host, port);
        std::printf("tessivo-qrservice: listening on http://%s/\n", service.HostPort().c_str());
        std::fflush(stdout);
        int received = 0;
        sigwait(&stopSignals, &received);
        service.Stop();
    } catch (const tessivo::QrServiceError& e) {
        std::fprintf(stderr, "tessivo-qrservice: %s\n", e.what());
        return 1;
    }
    return 0;
}
