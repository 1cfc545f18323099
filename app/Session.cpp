#include "app/Session.h"

#include "app/MainQR.h"

namespace tessivo::app {

Session::Session(AppServices base, std::function<void()> quit)
    : base_(std::move(base)), quit_(std::move(quit)) {}

Session::~Session() {
    delete main_;
    previews_.closeAll();
}

AppServices Session::servicesForWindow() {
    AppServices services = base_;
    services.previews = &previews_;
    services.newSession = [this] { newSession(); };
    services.exitProgram = [this] { exitProgram(); };
    return services;
}

MainQR* Session::mainWindow() const {
    return main_;
}

void Session::StartMainWindow() {
    main_ = new MainQR(servicesForWindow());
    main_->setAttribute(Qt::WA_DeleteOnClose, false);
    main_->show();
}

void Session::newSession() {
    // The old window goes without closing events (its handler is still on the stack, so it
    // is deleted once control returns to the event loop); the previews stay as they are.
    if (main_) {
        MainQR* old = main_;
        main_ = nullptr;
        old->hide();
        old->deleteLater();
    }
    StartMainWindow();
}

void Session::exitProgram() {
    previews_.closeAll();
    if (main_) {
        main_->hide();
        main_->deleteLater();
        main_ = nullptr;
    }
    if (quit_) quit_();
}

}  // namespace tessivo::app
