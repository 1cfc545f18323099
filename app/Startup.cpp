#include "app/Startup.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <functional>

#include "qrdoc/Workspace.h"
#include "qrservice/QrService.h"

namespace tessivo::app {
namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path();
    return self.parent_path();
}

}  // namespace

std::optional<std::string> TakeCommonOptions(std::vector<std::string>& args,
                                             CommonOptions& options) {
    struct Known {
        const char* name;
        std::function<void(const std::string&)> store;
    };
    const std::array<Known, 3> known = {{
        {"--workspace", [&](const std::string& v) { options.workspace = v; }},
        {"--qr-host", [&](const std::string& v) { options.qrHost = v; }},
        {"--decode-host", [&](const std::string& v) { options.decodeHost = v; }},
    }};
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool taken = false;
        for (const Known& option : known) {
            const std::string name = option.name;
            if (arg == name) {
                if (i + 1 >= args.size() || args[i + 1].empty()) return name + " needs a value";
                option.store(args[++i]);
                taken = true;
            } else if (arg.rfind(name + "=", 0) == 0) {
                const std::string value = arg.substr(name.size() + 1);
                if (value.empty()) return name + " needs a value";
                option.store(value);
                taken = true;
            }
        }
        if (!taken) rest.push_back(arg);
    }
    args = std::move(rest);
    return std::nullopt;
}

std::filesystem::path ProgramFolder(const CommonOptions& options) {
    if (options.workspace) return std::filesystem::absolute(*options.workspace);
    if (const auto home = Environment("TESSIVO_HOME")) return std::filesystem::absolute(*home);
    return ExecutableFolder();
}

QrServices::QrServices(const CommonOptions& options) {
    const auto qrHost = options.qrHost ? options.qrHost : Environment("TESSIVO_QR_HOST");
    const auto decodeHost =
        options.decodeHost ? options.decodeHost : Environment("TESSIVO_DECODE_HOST");
    if (!qrHost || !decodeHost) {
        try {
            embedded_ = std::make_unique<QrService>("127.0.0.1", 0);
        } catch (const std::exception& error) {
            throw std::runtime_error(error.what());
        }
    }
    qrHost_ = qrHost ? *qrHost : embedded_->HostPort();
    decodeHost_ = decodeHost ? *decodeHost : embedded_->HostPort();
}

QrServices::~QrServices() = default;

std::vector<std::string> PrepareWorkspace(const std::filesystem::path& programDir) {
    return qrdoc::Workspace(programDir).CreateMissingParts().problems;
}

}  // namespace tessivo::app
