#pragma once
// What every mode of the program settles first: the workspace folder and the QR services.
// Plain C++ (no Qt), shared by the window and the command-line modes.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tessivo {
class QrService;
}

namespace tessivo::app {

// Options every mode understands; taken out of the argument list by TakeCommonOptions.
struct CommonOptions {
    std::optional<std::filesystem::path> workspace;  // --workspace DIR
    std::optional<std::string> qrHost;               // --qr-host HOST[:PORT]
    std::optional<std::string> decodeHost;           // --decode-host HOST[:PORT]
};

// Removes --workspace, --qr-host and --decode-host (as "--opt VALUE" or "--opt=VALUE") from
// `args`; a missing value is an error text.
std::optional<std::string> TakeCommonOptions(std::vector<std::string>& args,
                                             CommonOptions& options);

// The workspace: --workspace, else $TESSIVO_HOME, else the folder of the executable.
std::filesystem::path ProgramFolder(const CommonOptions& options);

// The QR services a run talks to. When no external host is named (option or
// TESSIVO_QR_HOST / TESSIVO_DECODE_HOST), the service is started here on 127.0.0.1 with a free
// port and stopped when this object goes.
class QrServices {
  public:
    // Throws std::runtime_error with a user-readable reason when the embedded service cannot
    // start.
    explicit QrServices(const CommonOptions& options);
    ~QrServices();
    QrServices(const QrServices&) = delete;
    QrServices& operator=(const QrServices&) = delete;

    const std::string& qrHost() const { return qrHost_; }
    const std::string& decodeHost() const { return decodeHost_; }
    bool embedded() const { return embedded_ != nullptr; }

  private:
    std::unique_ptr<QrService> embedded_;
    std::string qrHost_;
    std::string decodeHost_;
};

// Prepares the workspace for use: creates the kind folders and the list files that are
// missing. Returns one line per problem (empty when all is well).
std::vector<std::string> PrepareWorkspace(const std::filesystem::path& programDir);

inline constexpr const char* kVersion = "1.0.0";

}  // namespace tessivo::app
