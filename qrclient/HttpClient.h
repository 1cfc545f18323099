#pragma once
// One HTTP exchange over libcurl, bounded in time and size. Used by the QR client for its
// GETs and its upload, and by the QR service for fetching pictures by address.

#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessivo::qrclient {

// Time and size bounds of one exchange. The defaults are the product's; tests shorten them.
struct HttpLimits {
    std::chrono::milliseconds connectTimeout{10'000};  // to open the connection
    std::chrono::milliseconds totalTimeout{30'000};    // for the whole exchange
    std::size_t maxBodyBytes = std::size_t{16} << 20;  // a longer answer body is a failure
};

struct HttpRequest {
    std::string url;                      // http:// or https:// only; other schemes fail
    std::optional<std::string> postBody;  // set: a POST with exactly these bytes; else a GET
    std::vector<std::string> headers;     // extra header lines, "Name: value", no line ends
    std::string userAgent = "IE";
    bool direct = true;    // true: never through a proxy; false: the environment's proxy
                           // settings (http_proxy, no_proxy ...), loopback hosts always direct
    bool http10 = false;   // HTTP/1.0 on the request line instead of HTTP/1.1
    int maxRedirects = 0;  // 0: a redirect is an answer like any other, not followed;
                           // n > 0: up to n redirects, to http or https addresses only
    // When set, asked before every connection (redirects included) with the address about
    // to be connected to; false refuses the connection and the exchange fails.
    std::function<bool(const sockaddr* address, socklen_t length)> allowAddress;
    // When set and it turns true, the exchange is abandoned within a fraction of a second.
    const std::atomic<bool>* cancel = nullptr;
};

struct HttpAnswer {
    bool transferred = false;  // a complete answer arrived within the limits
    long status = 0;           // the status code of the (last) answer; 0 when none arrived
    std::string body;          // the body as received (cleared when the limits were broken)
    std::string error;         // why the exchange failed; empty when transferred

    // True for a complete answer with status 200, the only one the callers accept.
    bool Ok() const { return transferred && status == 200; }
};

// Keeps connections open between exchanges, so that a series of requests to one host (the
// usual case: the QR service) skips connection set-up after the first. The server decides
// how long a connection lives; a connection it has closed is replaced without the caller
// noticing. One session serves one thread at a time.
class HttpSession {
  public:
    HttpSession();
    ~HttpSession();
    HttpSession(HttpSession&& other) noexcept;
    HttpSession& operator=(HttpSession&& other) noexcept;

    // Performs the exchange; never throws for network trouble, never blocks past the limits.
    HttpAnswer Send(const HttpRequest& request, const HttpLimits& limits);

  private:
    void* curl_ = nullptr;  // the libcurl easy handle, which owns the open connections
};

// One exchange on a connection of its own.
HttpAnswer HttpSend(const HttpRequest& request, const HttpLimits& limits);

}  // namespace tessivo::qrclient
