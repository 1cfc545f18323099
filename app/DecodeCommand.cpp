// tessivo decode FILE|URL: prints the text a QR code picture carries.

#include <ostream>

#include "app/Commands.h"
#include "app/Startup.h"
#include "qrclient/ClsQrCode.h"
#include "text/Cp1252.h"

namespace tessivo::app {
namespace {

bool IsWebAddress(const std::string& target) {
    return target.rfind("http://", 0) == 0 || target.rfind("https://", 0) == 0;
}

}  // namespace

std::string DecodeUsage() {
    return "Usage: tessivo decode FILE|URL [--decode-host HOST]\n"
           "\n"
           "Prints the text of the QR code in a picture: a PNG, BMP or JPEG file, or the\n"
           "address of a picture on the web (fetched by the decoding service). Exits with 1\n"
           "and a reason when no code can be read.\n";
}

int RunDecode(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = arguments;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << DecodeUsage();
            return 0;
        }
    }
    CommonOptions options;
    if (const auto problem = TakeCommonOptions(args, options)) {
        err << "tessivo decode: " << *problem << "\n";
        return 2;
    }
    if (args.size() != 1 || args.front().empty() || args.front().front() == '-') {
        err << "tessivo decode: name one picture file or web address (see tessivo decode --help)\n";
        return 2;
    }
    const std::string& target = args.front();

    try {
        QrServices services(options);
        ClsQrCode client(services.qrHost(), services.decodeHost());
        std::string text;
        if (IsWebAddress(target)) {
            if (!client.DecodeFromUrl(target, text)) {
                err << "tessivo decode: no QR code read from " << target << ": "
                    << client.LastError() << "\n";
                return 1;
            }
            // The address download hands back each byte as a character of its own; the
            // service's bytes are UTF-8, so put them back together for printing.
            text = text::Utf8ToCp1252(text);
        } else if (!client.DecodeFromFile(target, text)) {
            err << "tessivo decode: no QR code read from " << target << ": " << client.LastError()
                << "\n";
            return 1;
        }
        out << text << "\n";
        return 0;
    } catch (const std::exception& error) {
        err << "tessivo decode: " << error.what() << "\n";
        return 1;
    }
}

}  // namespace tessivo::app
