#pragma once
// The QR image and QR decoding web service, running on its own threads.
//
//   GET  /v1/create-qr-code/?data=TEXT&size=WxH[&qzone=N][&ecc=L|M|Q|H][&color=RRGGBB]
//        [&bgcolor=RRGGBB][&charset-target=UTF-8|ISO-8859-1]
//        200 image/png of exactly W x H pixels (see DrawCode for how the code is placed:
//        whole-pixel modules, centred, an odd leftover pixel to the right or bottom).
//        Defaults: black on white, level L, UTF-8, no quiet zone.
//   POST /w/decode?full=false   multipart/form-data, the picture (PNG, BMP or JPEG) in
//        part "f", at most 16 MiB.
//   GET  /w/decode?full=false&u=URL   the service fetches the picture (http or https, at
//        most 16 MiB, time-outs of FetchOptions) and decodes it.
//        Both: 200 text/plain; charset=utf-8 with the code's text, nothing added.
//
// Every bad request gets 400 with a one-line plain-text reason: missing or malformed keys,
// data over 8 KiB, sides outside 10..2000 pixels, a size smaller than the code's module
// count, data too long for a QR code or not holdable in the target character set, a request
// line over 8 KiB or a body over 16 MiB, an unreadable picture, a picture without a code,
// an address that cannot be fetched or that points at this service itself (or a by-address
// request that comes from another QR service). Unknown paths get 404. A request that
// breaks something inside gets 500; the service keeps serving either way. A connection that
// stalls in mid-request for 10 s is closed; an idle kept-alive one after 1 s.

#include <chrono>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "qrservice/PictureFetch.h"

namespace tessivo {

struct QrServiceOptions {
    std::size_t threads = 8;  // requests served at once
    std::chrono::seconds readTimeout{10};
    std::chrono::seconds writeTimeout{10};
    qrservice::FetchOptions fetch;  // for GET /w/decode?u=
};

// Thrown by the constructor when the service cannot listen; what() names the address.
class QrServiceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class QrService {
  public:
    // Starts listening on host ("127.0.0.1", "::1", "0.0.0.0", a host name) and port; port
    // 0 picks a free one. Serving has begun when the constructor returns. The process
    // ignores SIGPIPE from then on, so that a client hanging up cannot end it.
    QrService(const std::string& host, uint16_t port, QrServiceOptions options = {});
    // Stop().
    ~QrService();
    QrService(const QrService&) = delete;
    QrService& operator=(const QrService&) = delete;

    // The port listened on (the chosen one when 0 was asked for).
    uint16_t Port() const { return port_; }
    const std::string& Host() const { return host_; }
    // "host:port" as ClsQrCode takes it ("[::1]:port" for an IPv6 address).
    std::string HostPort() const;

    // Stops listening, abandons fetches in progress, and waits for the requests in flight
    // (each bounded by the time-outs) and for connections kept open between requests (idle
    // ones close within a second). Idempotent.
    void Stop();

  private:
    struct Impl;
    std::string host_;
    uint16_t port_ = 0;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tessivo
