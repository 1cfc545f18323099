#pragma once

#include "app/Launcher.h"

namespace tessivo::app {

// Opens through the desktop's default handlers (xdg-open and friends); never waits.
class QtLauncher final : public Launcher {
  public:
    void openFile(const std::string& path) override;
    void openFolder(const std::string& folder) override;
    void openUrl(const std::string& url) override;
};

}  // namespace tessivo::app
