#pragma once
// Shared by the QR service suites: requests to a running service and an outside reader
// (zbarimg, through the shared outside-tool helpers) for the pictures it draws.

#include <string>

#include "qrclient/HttpClient.h"
#include "qrclient/Picture.h"
#include "qrservice/QrService.h"

namespace tessivo::servicetest {

// GET http://<service>/<target>.
qrclient::HttpAnswer Get(const QrService& service, const std::string& target);

// The bytes zbarimg reads from the picture (given a white border first, since codes come
// without a quiet zone), or "" when it finds nothing.
std::string ZbarRead(const Picture& picture);

}  // namespace tessivo::servicetest
