#include "tests/qrservice/ServiceHelpers.h"

#include <filesystem>

#include "tests/support/Files.h"
#include "tests/support/OutsideTools.h"

namespace tessivo::servicetest {

qrclient::HttpAnswer Get(const QrService& service, const std::string& target) {
    qrclient::HttpRequest request;
    request.url = "http://" + service.HostPort() + target;
    return qrclient::HttpSend(request, {});
}

std::string ZbarRead(const Picture& picture) {
    const testsupport::ScratchFolder folder;
    return testsupport::ScanPicture(picture, folder.path());
}

}  // namespace tessivo::servicetest
