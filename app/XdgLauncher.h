#pragma once

#include "app/Launcher.h"

namespace tessivo::app {

// Opens with `xdg-open` in a detached child, for the command-line modes, which run without a
// desktop session of Qt's own. Never waits for the program it starts.
class XdgLauncher final : public Launcher {
  public:
    void openFile(const std::string& path) override { open(path); }
    void openFolder(const std::string& folder) override { open(folder); }
    void openUrl(const std::string& url) override { open(url); }

  private:
    static void open(const std::string& target);
};

}  // namespace tessivo::app
