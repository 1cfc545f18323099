// tessivo catalogue: one PDF listing every poster of the workspace.

#include <iostream>
#include <ostream>

#include "app/Commands.h"
#include "app/Startup.h"
#include "app/XdgLauncher.h"
#include "qrclient/ClsQrCode.h"
#include "qrdoc/Catalogue.h"

namespace tessivo::app {

std::string CatalogueUsage() {
    return "Usage: tessivo catalogue [--workspace DIR] [--open] [--decode-host HOST]\n"
           "\n"
           "Writes catalogue.pdf in the workspace: a title page, then for each kind of poster a\n"
           "bookmark and, for every poster, its title, the text its code carries (read back from\n"
           "the saved code picture), the code picture and a link to the poster file. Prints the\n"
           "path of the catalogue; exits with 1 and a reason when it cannot be written.\n";
}

int RunCatalogue(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = arguments;
    CommonOptions common;
    if (const auto problem = TakeCommonOptions(args, common)) {
        err << "tessivo catalogue: " << *problem << "\n";
        return 2;
    }
    bool open = false;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << CatalogueUsage();
            return 0;
        }
        if (arg == "--open") {
            open = true;
            continue;
        }
        err << "tessivo catalogue: unknown argument \"" << arg
            << "\" (see tessivo catalogue --help)\n";
        return 2;
    }

    try {
        const qrdoc::Workspace workspace(ProgramFolder(common));
        if (!std::filesystem::is_directory(workspace.ProgramFolder())) {
            err << "tessivo catalogue: the workspace " << workspace.ProgramFolder().string()
                << " does not exist\n";
            return 1;
        }
        QrServices services(common);
        ClsQrCode client(services.qrHost(), services.decodeHost());
        const auto entries = qrdoc::CollectCatalogue(
            workspace,
            [&client](const std::filesystem::path& picture) -> std::optional<std::string> {
                std::string text;
                if (!client.DecodeFromFile(picture.string(), text)) return std::nullopt;
                return text;
            });

        LumStreamMessageSink messages(err);
        qrdoc::CatalogueOptions options;
        // options.programFolder stays empty: the metric files ship beside the executable.
        options.workspaceFolder = workspace.ProgramFolder();
        if (open)
            options.viewer = [](const std::filesystem::path& file) {
                XdgLauncher().openFile(file.string());
            };
        const auto pdf = workspace.ProgramFolder() / "catalogue.pdf";
        if (const auto problem = qrdoc::WriteCatalogue(entries, pdf, messages, options)) {
            err << "tessivo catalogue: " << *problem << "\n";
            return 1;
        }
        out << pdf.string() << "\n";
        return 0;
    } catch (const std::exception& error) {
        err << "tessivo catalogue: " << error.what() << "\n";
        return 1;
    }
}

}  // namespace tessivo::app
