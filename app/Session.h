#pragma once
// Owns the one main window of the running program and the preview windows that outlive it:
// starts the main window after the splash, replaces it on "NEW", ends everything on "EXIT".

#include <QPointer>
#include <functional>

#include "app/AppServices.h"
#include "app/PreviewWindows.h"

namespace tessivo::app {

class MainQR;

class Session {
  public:
    // `base` carries the workspace, hosts, prompter and launcher; `quit` ends the event loop.
    Session(AppServices base, std::function<void()> quit);
    ~Session();

    void StartMainWindow();  // load MainQR (running its Form_Load) and show it, not modal
    void newSession();
    void exitProgram();

    MainQR* mainWindow() const;
    PreviewWindows& previews() { return previews_; }

  private:
    AppServices servicesForWindow();

    AppServices base_;
    std::function<void()> quit_;
    PreviewWindows previews_;
    QPointer<MainQR> main_;
};

}  // namespace tessivo::app
