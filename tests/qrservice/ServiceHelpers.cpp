#include "tests/qrservice/ServiceHelpers.h"

#include <stdlib.h>

#include <filesystem>

#include "tests/support/OutsideTools.h"

namespace tessivo::servicetest {

qrclient::HttpAnswer Get(const QrService& service, const std::string& target) {
    qrclient::HttpRequest request;
    request.url = "http://" + service.HostPort() + target;
    return qrclient::HttpSend(request, {});
}

std::string ZbarRead(const Picture& picture) {
    const std::filesystem::path folder = TempFolder();
    std::string read = testsupport::ScanPicture(picture, folder);
    std::filesystem::remove_all(folder);
    return read;
}

std::string TempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "tessivo-svc-XXXXXX").string();
    return ::mkdtemp(name.data());
}

}  // namespace tessivo::servicetest
