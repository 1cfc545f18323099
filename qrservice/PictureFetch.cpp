#include "qrservice/PictureFetch.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <cctype>
#include <cstring>

namespace tessivo::qrservice {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

bool IsLocalV4(in_addr_t networkOrder) {
    const uint32_t a = ntohl(networkOrder);
    return a == INADDR_ANY || (a >> 24) == 127;
}

// True when one of this machine's interfaces carries the address.
bool IsInterfaceAddress(const sockaddr* address) {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return false;
    bool found = false;
    for (const ifaddrs* i = list; i && !found; i = i->ifa_next) {
        const sockaddr* own = i->ifa_addr;
        if (!own || own->sa_family != address->sa_family) continue;
        if (own->sa_family == AF_INET)
            found = reinterpret_cast<const sockaddr_in*>(own)->sin_addr.s_addr ==
                    reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr;
        else if (own->sa_family == AF_INET6)
            found = std::memcmp(&reinterpret_cast<const sockaddr_in6*>(own)->sin6_addr,
                                &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr,
                                sizeof(in6_addr)) == 0;
    }
    ::freeifaddrs(list);
    return found;
}

}  // namespace

bool IsOwnEndpoint(const sockaddr* address, socklen_t length, uint16_t port) {
    if (address->sa_family == AF_INET && length >= sizeof(sockaddr_in)) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(address);
        if (ntohs(v4->sin_port) != port) return false;
        return IsLocalV4(v4->sin_addr.s_addr) || IsInterfaceAddress(address);
    }
    if (address->sa_family == AF_INET6 && length >= sizeof(sockaddr_in6)) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(address);
        if (ntohs(v6->sin6_port) != port) return false;
        const in6_addr& a = v6->sin6_addr;
        if (IN6_IS_ADDR_LOOPBACK(&a) || IN6_IS_ADDR_UNSPECIFIED(&a)) return true;
        if (IN6_IS_ADDR_V4MAPPED(&a)) {
            in_addr_t v4;
            std::memcpy(&v4, &a.s6_addr[12], sizeof v4);
            if (IsLocalV4(v4)) return true;
        }
        return IsInterfaceAddress(address);
    }
    return false;  // not an internet address: curl will not connect there anyway
}

FetchResult FetchPicture(const std::string& url, uint16_t ownPort, const FetchOptions& options) {
    if (!StartsWithNoCase(url, "http://") && !StartsWithNoCase(url, "https://"))
        return {std::nullopt, "only http and https addresses can be fetched"};
    qrclient::HttpRequest request;
    request.url = url;
    request.userAgent = "tessivo-qrservice";
    request.headers = {std::string(kFetchMarkHeader) + ": 1"};
    request.maxRedirects = options.maxRedirects;
    request.cancel = options.cancel;
    request.allowAddress = [ownPort](const sockaddr* address, socklen_t length) {
        return !IsOwnEndpoint(address, length, ownPort);
    };
    qrclient::HttpAnswer answer = qrclient::HttpSend(request, options.limits);
    if (!answer.transferred) return {std::nullopt, "cannot fetch the picture: " + answer.error};
    if (answer.status != 200)
        return {std::nullopt,
                "cannot fetch the picture: the server answered " + std::to_string(answer.status)};
    return {std::move(answer.body), {}};
}

}  // namespace tessivo::qrservice
