#pragma once
// Hands files, folders and web pages to the user's default programs without waiting for them.
// Plain C++ so that the command-line modes and core callbacks can use it too.

#include <string>

namespace tessivo::app {

class Launcher {
  public:
    virtual ~Launcher() = default;
    virtual void openFile(const std::string& path) = 0;      // default viewer (PDF, HTML help)
    virtual void openFolder(const std::string& folder) = 0;  // file manager
    virtual void openUrl(const std::string& url) = 0;        // web browser
};

}  // namespace tessivo::app
