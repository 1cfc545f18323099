#pragma once
// What the main window needs from outside itself: where the workspace is, which QR services
// to talk to, how to ask the user, how to open things, and the preview windows that outlive it.

#include <filesystem>
#include <functional>
#include <string>

namespace tessivo::app {

class Prompter;
class Launcher;
class PreviewWindows;

struct AppServices {
    std::filesystem::path programDir;  // the workspace: lists, kind folders, HELP
    std::string qrHost;                // "host:port" of the QR image service
    std::string decodeHost;            // "host:port" of the QR decoding service
    Prompter* prompter = nullptr;
    Launcher* launcher = nullptr;
    PreviewWindows* previews = nullptr;
    std::function<void()> newSession;   // "NEW": replace the main window by a fresh one
    std::function<void()> exitProgram;  // "EXIT": end at once
};

}  // namespace tessivo::app
