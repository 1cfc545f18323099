#include "qrservice/QrService.h"

#include <httplib.h>
#include <sys/socket.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <thread>

#include "qrclient/Picture.h"
#include "qrservice/CodePicture.h"
#include "qrservice/CodeReader.h"

namespace tessivo {
namespace {

constexpr const char* kTextType = "text/plain; charset=utf-8";
// The upload limit plus room for the multipart framing around the picture.
constexpr std::size_t kMaxPictureBytes = std::size_t{16} << 20;
constexpr std::size_t kMaxBodyBytes = kMaxPictureBytes + 64 * 1024;

// The reason as one line: an echoed part of the request may hold line breaks.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text + "\n";
}

void Refuse(httplib::Response& res, const std::string& why) {
    res.status = 400;
    res.set_content(OneLine(why), kTextType);
}

void AnswerRead(httplib::Response& res, const qrservice::ReadResult& read) {
    if (!read.text) return Refuse(res, read.error);
    res.status = 200;
    res.set_content(*read.text, kTextType);
}

// The decoding endpoints serve the plain answer only.
bool PlainAnswerAsked(const httplib::Request& req, httplib::Response& res) {
    if (!req.has_param("full")) return true;
    std::string full = req.get_param_value("full");
    for (char& c : full) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (req.get_param_value_count("full") == 1 && full == "false") return true;
    Refuse(res, "only full=false is served");
    return false;
}

}  // namespace

struct QrService::Impl {
    httplib::Server server;
    std::thread thread;
    std::atomic<bool> finished{false};
    std::atomic<bool> stopping{false};
    QrServiceOptions options;
    uint16_t port = 0;

    void CreateCode(const httplib::Request& req, httplib::Response& res) const;
    void DecodeUpload(const httplib::Request& req, httplib::Response& res) const;
    void DecodeByAddress(const httplib::Request& req, httplib::Response& res) const;
    void Configure();
};

void QrService::Impl::CreateCode(const httplib::Request& req, httplib::Response& res) const {
    const qrservice::CodeRequestResult parsed = qrservice::ParseCodeRequest(req.params);
    if (!parsed.request) return Refuse(res, parsed.error);
    const qrservice::CodePictureResult drawn = qrservice::DrawCode(*parsed.request);
    if (!drawn.picture) return Refuse(res, drawn.error);
    const std::optional<std::vector<uint8_t>> png = EncodePng(*drawn.picture);
    if (!png) throw std::runtime_error("the picture could not be encoded");
    res.status = 200;
    res.set_header("Cache-Control", "no-cache");
    res.set_content(reinterpret_cast<const char*>(png->data()), png->size(), "image/png");
}

void QrService::Impl::DecodeUpload(const httplib::Request& req, httplib::Response& res) const {
    if (!PlainAnswerAsked(req, res)) return;
    if (!req.is_multipart_form_data())
        return Refuse(res, "send the picture as multipart/form-data in part f");
    if (!req.has_file("f")) return Refuse(res, "part f (the picture) is missing");
    const std::string picture = req.get_file_value("f").content;
    if (picture.size() > kMaxPictureBytes) return Refuse(res, "the picture is over 16 MiB");
    AnswerRead(res, qrservice::ReadCodeInImage(
                        {reinterpret_cast<const uint8_t*>(picture.data()), picture.size()}));
}

void QrService::Impl::DecodeByAddress(const httplib::Request& req, httplib::Response& res) const {
    if (!PlainAnswerAsked(req, res)) return;
    if (req.has_header(std::string(qrservice::kFetchMarkHeader).c_str()))
        return Refuse(res, "a QR service may not ask a QR service to fetch a picture");
    if (!req.has_param("u")) return Refuse(res, "the u key (the picture's address) is missing");
    if (req.get_param_value_count("u") > 1) return Refuse(res, "u is given more than once");
    qrservice::FetchOptions fetch = options.fetch;
    fetch.cancel = &stopping;
    const qrservice::FetchResult fetched =
        qrservice::FetchPicture(req.get_param_value("u"), port, fetch);
    if (!fetched.bytes) return Refuse(res, fetched.error);
    AnswerRead(
        res, qrservice::ReadCodeInImage(
                 {reinterpret_cast<const uint8_t*>(fetched.bytes->data()), fetched.bytes->size()}));
}

void QrService::Impl::Configure() {
    const std::size_t threads = std::max<std::size_t>(1, options.threads);
    server.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    // Answers are small and the client waits for each: no Nagle delay.
    server.set_tcp_nodelay(true);
    server.set_read_timeout(options.readTimeout);
    server.set_write_timeout(options.writeTimeout);
    // Clients keep their connection for the next request; an idle one is dropped after a
    // second, which also bounds how long Stop() waits for it.
    server.set_keep_alive_timeout(1);
    server.set_keep_alive_max_count(1000);
    server.set_payload_max_length(kMaxBodyBytes);

    // The defaults would also set SO_REUSEPORT, which lets a second service share a port
    // that is already taken instead of failing.
    server.set_socket_options([](socket_t sock) {
        const int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    // A body announced as too large is refused before a byte of it is read.
    server.set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
        const std::string length = req.get_header_value("Content-Length");
        uint64_t announced = 0;
        const auto parsed =
            std::from_chars(length.data(), length.data() + length.size(), announced);
        if (!length.empty() && (parsed.ec != std::errc() || announced > kMaxBodyBytes)) {
            Refuse(res, "the request body is too large (at most 16 MiB) or of no readable length");
            res.set_header("Connection", "close");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.Get("/v1/create-qr-code/?", [this](const httplib::Request& req, httplib::Response& res) {
        CreateCode(req, res);
    });
    server.Post("/w/decode", [this](const httplib::Request& req, httplib::Response& res) {
        DecodeUpload(req, res);
    });
    server.Get("/w/decode", [this](const httplib::Request& req, httplib::Response& res) {
        DecodeByAddress(req, res);
    });
    server.set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr error) {
            std::string why = "internal error";
            try {
                std::rethrow_exception(error);
            } catch (const std::exception& e) {
                why += std::string(": ") + e.what();
            } catch (...) {
            }
            res.status = 500;
            res.set_content(OneLine(why), kTextType);
        });
    // Answers the HTTP layer makes by itself get a reason too; its "too large" answers
    // (413, 414, 431) become 400 like every other bad request.
    server.set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request& req, httplib::Response& res) {
            if (!res.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
            if (res.status == 404) {
                res.set_content(OneLine("no such page: " + req.path), kTextType);
            } else if (res.status == 413 || res.status == 414 || res.status == 431) {
                Refuse(res, "the request is too large (at most 8 KiB of address, 16 MiB of body)");
            } else if (res.status < 500) {
                Refuse(res, "malformed request");
            }
            return httplib::Server::HandlerResponse::Handled;
        }));
}

QrService::QrService(const std::string& host, uint16_t port, QrServiceOptions options)
    : host_(host), impl_(std::make_unique<Impl>()) {
    impl_->options = std::move(options);
    impl_->Configure();
    errno = 0;
    const int bound = port == 0 ? impl_->server.bind_to_any_port(host)
                                : (impl_->server.bind_to_port(host, port) ? port : -1);
    if (bound <= 0) {
        throw QrServiceError("cannot listen on " + host + ":" + std::to_string(port) + ": " +
                             (errno ? std::strerror(errno) : "address not usable"));
    }
    port_ = static_cast<uint16_t>(bound);
    impl_->port = port_;
    Impl* impl = impl_.get();
    impl_->thread = std::thread([impl] {
        impl->server.listen_after_bind();
        impl->finished = true;
    });
    // stop() is ignored until the server loop runs, so wait for it before handing out.
    while (!impl_->server.is_running() && !impl_->finished)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

QrService::~QrService() {
    Stop();
}

std::string QrService::HostPort() const {
    const bool v6 = host_.find(':') != std::string::npos;
    return (v6 ? "[" + host_ + "]" : host_) + ":" + std::to_string(port_);
}

void QrService::Stop() {
    if (!impl_->thread.joinable()) return;
    impl_->stopping = true;
    impl_->server.stop();
    impl_->thread.join();
}

}  // namespace tessivo
