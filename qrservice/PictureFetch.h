#pragma once
// Fetching a picture by address for the decoding service, bounded in size and time, and
// unable to call the service itself.

#include <sys/socket.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "qrclient/HttpClient.h"

namespace tessivo::qrservice {

struct FetchOptions {
    qrclient::HttpLimits limits{std::chrono::seconds(5), std::chrono::seconds(20),
                                std::size_t{16} << 20};
    int maxRedirects = 5;
    const std::atomic<bool>* cancel = nullptr;  // turning true abandons the fetch
};

// Sent with every fetch. A decoding service refuses a by-address request that carries it,
// so two services cannot keep asking each other.
inline constexpr std::string_view kFetchMarkHeader = "X-Tessivo-Fetch";

struct FetchResult {
    std::optional<std::string> bytes;
    std::string error;  // one line, for a 400 answer
};

// GETs the address. Only http:// and https:// addresses are fetched, redirects are followed
// (up to maxRedirects) only to such addresses, and the answer must be a 200. No connection
// is ever opened to ownPort on an address of this machine, whatever the host name or
// redirect says.
FetchResult FetchPicture(const std::string& url, uint16_t ownPort, const FetchOptions& options);

// True when the address is this machine's (loopback, the unspecified address, or one of
// its interfaces) and its port is `port`.
bool IsOwnEndpoint(const sockaddr* address, socklen_t length, uint16_t port);

}  // namespace tessivo::qrservice
