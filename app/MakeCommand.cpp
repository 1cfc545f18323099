// tessivo make: one poster without the window, through the same steps as its buttons.

#include <algorithm>
#include <map>
#include <ostream>

#include "app/Commands.h"
#include "app/Startup.h"
#include "app/XdgLauncher.h"
#include "lists/ContactList.h"
#include "qrdoc/MakePoster.h"

namespace tessivo::app {
namespace {

// Which kind each content option belongs to; an option for another kind is refused rather
// than silently left out of the poster.
const std::map<std::string, qrdoc::QrKind> kContentOptions = {
    {"--to", qrdoc::QrKind::Email},     {"--extra", qrdoc::QrKind::Email},
    {"--number", qrdoc::QrKind::Phone}, {"--text", qrdoc::QrKind::Info},
    {"--link", qrdoc::QrKind::Web},
};

const char* const kValueOptions[] = {
    "--kind",   "--title",      "--to",          "--extra",  "--number",  "--text", "--link",
    "--banner", "--background", "--font-colour", "--border", "--contact", "--show"};

struct ParsedMake {
    std::map<std::string, std::string> values;
    bool open = false;
    bool help = false;
};

std::optional<std::string> Parse(std::vector<std::string> args, ParsedMake& parsed,
                                 CommonOptions& common) {
    if (auto problem = TakeCommonOptions(args, common)) return problem;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto equals = name.find('=');
            name.rfind("--", 0) == 0 && equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "--help" || name == "-h") {
            parsed.help = true;
            continue;
        }
        if (name == "--open") {
            parsed.open = true;
            continue;
        }
        const bool known = std::find(std::begin(kValueOptions), std::end(kValueOptions), name) !=
                           std::end(kValueOptions);
        if (!known) return "unknown option \"" + name + "\"";
        if (inlineValue) {
            parsed.values[name] = *inlineValue;
        } else if (i + 1 < args.size()) {
            parsed.values[name] = args[++i];
        } else {
            return name + " needs a value";
        }
    }
    return std::nullopt;
}

std::optional<std::string> Value(const ParsedMake& parsed, const std::string& name) {
    const auto found = parsed.values.find(name);
    if (found == parsed.values.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> ColourOption(const ParsedMake& parsed, const std::string& name,
                                        int& index) {
    const auto value = Value(parsed, name);
    if (!value) return std::nullopt;
    const auto found = qrdoc::BannerColourIndex(*value);
    if (!found) {
        return name +
               " must be one of Black, Red, Yellow, Green, Cyan, Blue, Magenta, White (not \"" +
               *value + "\")";
    }
    index = *found;
    return std::nullopt;
}

// Fills the input from the options; the reason when they do not make a poster request.
std::optional<std::string> BuildInput(const ParsedMake& parsed, const qrdoc::Workspace& workspace,
                                      qrdoc::MakePosterInput& input) {
    const auto kindName = Value(parsed, "--kind");
    if (!kindName) return std::string("--kind is required (email, phone, info or web)");
    const auto kind = qrdoc::KindFromKey(*kindName);
    if (!kind) return "--kind must be email, phone, info or web (not \"" + *kindName + "\")";
    const auto title = Value(parsed, "--title");
    if (!title) return std::string("--title is required");
    for (const auto& [option, owner] : kContentOptions) {
        if (parsed.values.count(option) != 0 && owner != *kind) {
            return option + " does not go with --kind " + *kindName;
        }
    }
    input.kind = *kind;
    input.sTitle = *title;
    input.sEmailExtra = Value(parsed, "--extra").value_or("");
    input.sPhoneNumber = Value(parsed, "--number").value_or("");
    input.sInfoText = Value(parsed, "--text").value_or("");
    input.sWebLink = Value(parsed, "--link").value_or("");
    input.sBanner = Value(parsed, "--banner").value_or("");
    if (auto problem = ColourOption(parsed, "--background", input.iBackground)) return problem;
    if (auto problem = ColourOption(parsed, "--font-colour", input.iFontColour)) return problem;
    if (auto problem = ColourOption(parsed, "--border", input.iBorder)) return problem;

    if (const auto shown = Value(parsed, "--show")) {
        const auto ticks = qrdoc::TicksFromNames(*shown);
        if (!ticks) {
            return "--show takes a comma-separated list of name, address, postcode, telephone, "
                   "mobile, email, web (not \"" +
                   *shown + "\")";
        }
        input.ticks = *ticks;
    }
    if (const auto contactName = Value(parsed, "--contact")) {
        const auto load = lists::LoadContactList(workspace.ContactListFile());
        if (load.report.error) return load.report.error->sMessage;
        const auto found = load.list.Find(*contactName);
        if (!found) return "no contact named \"" + *contactName + "\" in Contact.txt";
        input.contact = load.list.At(*found);
    }
    // The recipient is the chosen contact's address unless one is given.
    input.sEmailAddress = Value(parsed, "--to").value_or(input.contact.sEmail);
    return std::nullopt;
}

}  // namespace

std::string MakeUsage() {
    return "Usage: tessivo make --kind email|phone|info|web --title TITLE [options]\n"
           "\n"
           "Makes one QR code and its A4 poster without the window, exactly as the window's\n"
           "buttons would, and prints the paths of the saved code picture and poster.\n"
           "\n"
           "  --kind KIND            email, phone, info or web\n"
           "  --title TITLE          heads the poster and names both files; letters, digits,\n"
           "                         spaces, commas, hyphens and underscores (64 characters at\n"
           "                         most for email and info)\n"
           "  --to ADDRESS           email: the recipient (default: the contact's e-mail)\n"
           "  --extra TEXT           email: extra text at the end of the message\n"
           "  --number NUMBER        phone: the number to ring (12 characters at most)\n"
           "  --text TEXT            info: the text the code shows\n"
           "  --link URL             web: the address the code opens\n"
           "  --banner TEXT          the banner text (default: none)\n"
           "  --background COLOUR    banner colours: Black, Red, Yellow, Green, Cyan, Blue,\n"
           "  --font-colour COLOUR   Magenta or White (defaults Red, Yellow and Black)\n"
           "  --border COLOUR\n"
           "  --contact NAME         a contact of Contact.txt, found by name as the window does\n"
           "  --show LIST            contact details on the poster, from name, address, postcode,\n"
           "                         telephone, mobile, email, web (default: "
           "telephone,mobile,email)\n"
           "  --workspace DIR        the workspace folder (default: $TESSIVO_HOME or the "
           "program's)\n"
           "  --qr-host HOST         an external QR image service instead of the built-in one\n"
           "  --open                 open the poster in the default PDF viewer\n"
           "\n"
           "Exits with 0 when both files are saved, 1 with a reason when the poster cannot be\n"
           "made, 2 for unusable options.\n";
}

int RunMake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedMake parsed;
    CommonOptions common;
    if (const auto problem = Parse(args, parsed, common)) {
        err << "tessivo make: " << *problem << " (see tessivo make --help)\n";
        return 2;
    }
    if (parsed.help) {
        out << MakeUsage();
        return 0;
    }
    const qrdoc::Workspace workspace(ProgramFolder(common));
    qrdoc::MakePosterInput input;
    if (const auto problem = BuildInput(parsed, workspace, input)) {
        err << "tessivo make: " << *problem << "\n";
        return 2;
    }
    try {
        for (const std::string& problem : workspace.CreateMissingParts().problems) {
            err << "tessivo make: " << problem << "\n";
        }
        QrServices services(common);
        ClsQrCode client(services.qrHost(), services.decodeHost());
        const qrdoc::MakePosterResult result = qrdoc::MakePoster(input, workspace, client);
        if (!result.Ok()) {
            err << "tessivo make: " << result.sError << "\n";
            return 1;
        }
        out << result.codePicture.string() << "\n" << result.poster.string() << "\n";
        if (parsed.open) XdgLauncher().openFile(result.poster.string());
        return 0;
    } catch (const std::exception& error) {
        err << "tessivo make: " << error.what() << "\n";
        return 1;
    }
}

}  // namespace tessivo::app
