#pragma once

#include <string>
#include <vector>

namespace tessivo::app {

// Starts the desktop program: workspace, QR services, splash, then the main window.
int RunWindow(int argc, char** argv, const std::vector<std::string>& args);

}  // namespace tessivo::app
