#include "tests/support/FaultHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <stdexcept>

namespace tessivo::testsupport {
namespace {

constexpr std::size_t kMaxHeaderBytes = 1 << 20;
constexpr std::size_t kMaxBodyBytes = std::size_t{64} << 20;

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return std::string(s);
}

sockaddr_in Loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Waits until fd is readable (true) or the stop flag / deadline comes (false).
bool WaitReadable(int fd, const std::atomic<bool>& stop,
                  std::chrono::steady_clock::time_point deadline) {
    while (!stop && std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, 50);
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
    return false;
}

void SendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // the peer gave up; that is its right
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

// Parses the request line and headers; false when they are not HTTP.
bool ParseHead(const std::string& head, RecordedRequest& request) {
    std::size_t lineEnd = head.find("\r\n");
    const std::string line = head.substr(0, lineEnd);
    const std::size_t a = line.find(' '), b = line.rfind(' ');
    if (a == std::string::npos || b == a) return false;
    request.method = line.substr(0, a);
    request.target = line.substr(a + 1, b - a - 1);
    request.version = line.substr(b + 1);
    while (lineEnd != std::string::npos && lineEnd + 2 < head.size()) {
        const std::size_t start = lineEnd + 2;
        lineEnd = head.find("\r\n", start);
        const std::string header = head.substr(start, lineEnd - start);
        const std::size_t colon = header.find(':');
        if (colon == std::string::npos) continue;
        request.headers.emplace_back(header.substr(0, colon), Trim(header.substr(colon + 1)));
    }
    return true;
}

// True once the text holds a whole answer with a Content-Length, so that a server keeping
// the connection open for the next request does not hold the caller up.
bool CompleteAnswer(const std::string& answer) {
    const std::size_t headEnd = answer.find("\r\n\r\n");
    if (headEnd == std::string::npos) return false;
    RecordedRequest head;
    if (!ParseHead(answer.substr(0, headEnd), head)) return false;
    const std::string length = head.Header("Content-Length");
    std::size_t bodyLength = 0;
    if (std::from_chars(length.data(), length.data() + length.size(), bodyLength).ec != std::errc())
        return false;
    return answer.size() >= headEnd + 4 + bodyLength;
}

}  // namespace

std::string RecordedRequest::Header(std::string_view name) const {
    for (const auto& [key, value] : headers)
        if (SameNoCase(key, name)) return value;
    return {};
}

CannedReply HttpReply(int status, std::string_view body, std::string_view contentType,
                      const std::vector<std::string>& extraHeaders) {
    std::string bytes = "HTTP/1.1 " + std::to_string(status) + " Canned\r\n";
    bytes += "Content-Type: " + std::string(contentType) + "\r\n";
    bytes += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    for (const std::string& header : extraHeaders) bytes += header + "\r\n";
    bytes += "Connection: close\r\n\r\n";
    bytes += body;
    return {std::move(bytes), {}, false};
}

CannedReply StallReply() {
    return {{}, {}, true};
}

FaultHttpServer::FaultHttpServer(Handler handler) : handler_(std::move(handler)) {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listenFd_, 16) != 0 ||
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listenFd_ >= 0) ::close(listenFd_);
        throw std::runtime_error("test server: cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    acceptThread_ = std::thread([this] { AcceptLoop(); });
}

FaultHttpServer::~FaultHttpServer() {
    Stop();
}

std::vector<RecordedRequest> FaultHttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void FaultHttpServer::Stop() {
    if (stopping_.exchange(true)) return;
    acceptThread_.join();
    ::close(listenFd_);
    std::vector<std::thread> connections;
    {
        std::lock_guard lock(mutex_);
        connections.swap(connections_);
    }
    for (std::thread& t : connections) t.join();
}

void FaultHttpServer::AcceptLoop() {
    const auto never = std::chrono::steady_clock::time_point::max();
    while (WaitReadable(listenFd_, stopping_, never)) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        std::lock_guard lock(mutex_);
        connections_.emplace_back([this, fd] {
            Serve(fd);
            ::close(fd);
        });
    }
}

void FaultHttpServer::Serve(int fd) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    std::string data;
    std::size_t headEnd = std::string::npos;
    std::size_t wanted = 0;
    RecordedRequest request;
    char chunk[64 * 1024];
    while (true) {
        if (headEnd == std::string::npos) {
            headEnd = data.find("\r\n\r\n");
            if (headEnd != std::string::npos) {
                if (!ParseHead(data.substr(0, headEnd), request)) return;
                const std::string length = request.Header("Content-Length");
                std::size_t bodyLength = 0;
                std::from_chars(length.data(), length.data() + length.size(), bodyLength);
                wanted = headEnd + 4 + bodyLength;
                if (wanted > kMaxHeaderBytes + kMaxBodyBytes) return;
            } else if (data.size() > kMaxHeaderBytes) {
                return;
            }
        }
        if (headEnd != std::string::npos && data.size() >= wanted) break;
        if (!WaitReadable(fd, stopping_, deadline)) return;
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) return;
        data.append(chunk, static_cast<std::size_t>(n));
    }
    request.body = data.substr(headEnd + 4, wanted - headEnd - 4);
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }
    const CannedReply reply = handler_(request);
    if (reply.stall) {
        // Hold the line until the client hangs up (it reads as end of stream) or Stop().
        while (WaitReadable(fd, stopping_, std::chrono::steady_clock::time_point::max()))
            if (::recv(fd, chunk, sizeof chunk, 0) <= 0) return;
        return;
    }
    if (reply.delay.count() > 0) std::this_thread::sleep_for(reply.delay);
    SendAll(fd, reply.bytes);
    // Closing with unread bytes would reset the connection and could cost the client the
    // answer, so half-close and let the client hang up first.
    ::shutdown(fd, SHUT_WR);
    const auto grace = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (WaitReadable(fd, stopping_, grace))
        if (::recv(fd, chunk, sizeof chunk, 0) <= 0) return;
}

uint16_t UnusedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

std::string RawExchange(uint16_t port, std::string_view request,
                        std::chrono::milliseconds timeout) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = Loopback(port);
    std::string answer;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        SendAll(fd, request);
        const std::atomic<bool> never{false};
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        char chunk[16 * 1024];
        while (!CompleteAnswer(answer) && WaitReadable(fd, never, deadline)) {
            const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n <= 0) break;
            answer.append(chunk, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return answer;
}

}  // namespace tessivo::testsupport
