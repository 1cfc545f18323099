#include "qrclient/HttpClient.h"

#include <curl/curl.h>
#include <sys/socket.h>

#include <cstdlib>
#include <memory>
#include <mutex>

namespace tessivo::qrclient {
namespace {

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// What the callbacks share with the exchange.
struct Transfer {
    const HttpRequest* request = nullptr;
    std::size_t maxBody = 0;
    std::string body;
    bool tooLong = false;
    bool addressRefused = false;
    bool cancelled = false;
};

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    t->cancelled = t->request->cancel && t->request->cancel->load();
    return t->cancelled ? 1 : 0;  // non-zero aborts the transfer
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    if (t->body.size() + n > t->maxBody) {
        t->tooLong = true;
        return 0;  // anything but n makes curl stop with a write error
    }
    t->body.append(data, n);
    return n;
}

curl_socket_t OnOpenSocket(void* user, curlsocktype, curl_sockaddr* address) {
    auto* t = static_cast<Transfer*>(user);
    if (t->request->allowAddress && !t->request->allowAddress(&address->addr, address->addrlen)) {
        t->addressRefused = true;
        return CURL_SOCKET_BAD;
    }
    return ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
}

// The proxy exceptions for an exchange that may use a proxy: whatever the environment
// names, plus the loopback host, which a proxy elsewhere could never reach.
std::string NoProxyList() {
    std::string list = "localhost,127.0.0.1,::1";
    for (const char* name : {"no_proxy", "NO_PROXY"}) {
        if (const char* value = std::getenv(name); value && *value) {
            list = std::string(value) + "," + list;
            break;
        }
    }
    return list;
}

}  // namespace

HttpSession::HttpSession() = default;

HttpSession::~HttpSession() {
    if (curl_) curl_easy_cleanup(static_cast<CURL*>(curl_));
}

HttpSession::HttpSession(HttpSession&& other) noexcept : curl_(other.curl_) {
    other.curl_ = nullptr;
}

HttpSession& HttpSession::operator=(HttpSession&& other) noexcept {
    std::swap(curl_, other.curl_);
    return *this;
}

HttpAnswer HttpSend(const HttpRequest& request, const HttpLimits& limits) {
    return HttpSession().Send(request, limits);
}

HttpAnswer HttpSession::Send(const HttpRequest& request, const HttpLimits& limits) {
    InitCurlOnce();
    HttpAnswer answer;
    if (!curl_ && !(curl_ = curl_easy_init())) {
        answer.error = "cannot start an HTTP exchange";
        return answer;
    }
    CURL* h = static_cast<CURL*>(curl_);
    Transfer transfer;
    transfer.request = &request;
    transfer.maxBody = limits.maxBodyBytes;
    char errorText[CURL_ERROR_SIZE] = {};

    std::unique_ptr<curl_slist, ListDeleter> headers;
    // The handle outlives this call but the buffers it is given do not: forget them all
    // (connections stay open) before they go.
    struct ForgetOptions {
        CURL* h;
        ~ForgetOptions() { curl_easy_reset(h); }
    } forget{h};
    for (const std::string& line : request.headers) {
        curl_slist* grown = curl_slist_append(headers.get(), line.c_str());
        if (!grown) {
            answer.error = "out of memory";
            return answer;
        }
        (void)headers.release();
        headers.reset(grown);
    }
    const std::string noProxy = request.direct ? "*" : NoProxyList();

    curl_easy_setopt(h, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(h, CURLOPT_USERAGENT, request.userAgent.c_str());
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_NOPROXY, noProxy.c_str());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limits.connectTimeout.count()));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeout.count()));
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBodyBytes));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_OPENSOCKETFUNCTION, OnOpenSocket);
    curl_easy_setopt(h, CURLOPT_OPENSOCKETDATA, &transfer);
    if (request.cancel) {
        curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, OnProgress);
        curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
    }
    if (request.maxRedirects > 0) {
        curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(h, CURLOPT_MAXREDIRS, static_cast<long>(request.maxRedirects));
        curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    } else {
        curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    }
    if (request.http10) curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    if (request.postBody) {
        curl_easy_setopt(h, CURLOPT_POST, 1L);
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, request.postBody->data());
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.postBody->size()));
    }

    const CURLcode code = curl_easy_perform(h);
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &answer.status);
    if (code == CURLE_OK) {
        answer.transferred = true;
        answer.body = std::move(transfer.body);
        return answer;
    }
    if (transfer.tooLong || code == CURLE_FILESIZE_EXCEEDED) {
        answer.error =
            "the answer is longer than " + std::to_string(limits.maxBodyBytes) + " bytes";
    } else if (transfer.cancelled) {
        answer.error = "cancelled";
    } else if (transfer.addressRefused) {
        answer.error = "the address is not allowed";
    } else {
        answer.error = errorText[0] ? errorText : curl_easy_strerror(code);
    }
    return answer;
}

}  // namespace tessivo::qrclient
