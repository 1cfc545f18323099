#include "app/CommandLine.h"

#include <ostream>

#include "app/Commands.h"
#include "app/Startup.h"

namespace tessivo::app {

std::string UsageText() {
    return "Usage: tessivo [--workspace DIR] [--qr-host HOST] [--decode-host HOST]\n"
           "       tessivo make --kind email|phone|info|web --title TITLE [options]\n"
           "       tessivo decode FILE|URL\n"
           "       tessivo catalogue [--workspace DIR] [--open]\n"
           "       tessivo --help | --version\n"
           "\n"
           "Without a command Tessivo opens its window. Tessivo turns an e-mail message, a\n"
           "telephone number, a block of information or a web link into a QR code and prints it\n"
           "on a one-page A4 PDF poster.\n"
           "\n"
           "  make        makes one poster without the window (tessivo make --help)\n"
           "  decode      prints the text a QR code picture carries\n"
           "  catalogue   writes catalogue.pdf listing every poster of the workspace\n"
           "\n"
           "  --workspace DIR     the folder holding Contact.txt, banner.txt and the posters\n"
           "                      (default: $TESSIVO_HOME, else the program's folder)\n"
           "  --qr-host HOST      QR image service to use instead of the built-in one\n"
           "                      (also $TESSIVO_QR_HOST)\n"
           "  --decode-host HOST  QR decoding service to use instead of the built-in one\n"
           "                      (also $TESSIVO_DECODE_HOST)\n";
}

std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                  std::ostream& err) {
    if (args.empty()) return std::nullopt;
    const std::string& first = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (first == "make") return RunMake(rest, out, err);
    if (first == "decode") return RunDecode(rest, out, err);
    if (first == "catalogue") return RunCatalogue(rest, out, err);
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h" || arg == "help") {
            out << UsageText();
            return 0;
        }
        if (arg == "--version") {
            out << "tessivo " << kVersion << "\n";
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace tessivo::app
