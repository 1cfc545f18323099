#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: it records every request byte for byte and
// answers with whatever the test scripts, including answers no real server would give
// (a truncated body, a stall, a body far over any limit). One request per connection.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace tessivo::testsupport {

struct RecordedRequest {
    std::string method;                                        // "GET"
    std::string target;                                        // "/v1/create-qr-code/?data=..."
    std::string version;                                       // "HTTP/1.1"
    std::vector<std::pair<std::string, std::string>> headers;  // in the order received
    std::string body;  // Content-Length bytes after the header block

    // The value of the first header of that name (any case); empty when absent.
    std::string Header(std::string_view name) const;
};

struct CannedReply {
    std::string bytes;                   // sent exactly as given, then the connection closes
    std::chrono::milliseconds delay{0};  // wait this long before sending
    bool stall = false;  // send nothing; hold the connection until the peer or Stop() ends it
};

// A well-formed answer with Content-Length and "Connection: close".
CannedReply HttpReply(int status, std::string_view body,
                      std::string_view contentType = "text/plain",
                      const std::vector<std::string>& extraHeaders = {});
CannedReply StallReply();

class FaultHttpServer {
  public:
    using Handler = std::function<CannedReply(const RecordedRequest&)>;

    // Listens on 127.0.0.1 at a free port; the handler runs on the connection's thread.
    explicit FaultHttpServer(Handler handler);
    ~FaultHttpServer();
    FaultHttpServer(const FaultHttpServer&) = delete;
    FaultHttpServer& operator=(const FaultHttpServer&) = delete;

    uint16_t Port() const { return port_; }
    std::string HostPort() const { return "127.0.0.1:" + std::to_string(port_); }
    // Every complete request received so far, oldest first.
    std::vector<RecordedRequest> Requests() const;
    // Stops listening and ends every open connection; waits for their threads.
    void Stop();

  private:
    void AcceptLoop();
    void Serve(int fd);

    Handler handler_;
    int listenFd_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptThread_;
    mutable std::mutex mutex_;
    std::vector<RecordedRequest> requests_;
    std::vector<std::thread> connections_;
};

// A loopback port nothing listens on (it was free a moment ago), for connection-refused tests.
uint16_t UnusedPort();

// Sends raw bytes to 127.0.0.1:port and returns what the server sends back: up to the end
// of the first answer when it carries a Content-Length, else until the server closes the
// connection or `timeout` passes.
std::string RawExchange(uint16_t port, std::string_view request,
                        std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace tessivo::testsupport
