#include "app/GuiMain.h"

#include <QApplication>
#include <QTimer>
#include <iostream>

#include "app/QtLauncher.h"
#include "app/QtPrompter.h"
#include "app/Session.h"
#include "app/Splash.h"
#include "app/Startup.h"

namespace tessivo::app {

int RunWindow(int argc, char** argv, const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    CommonOptions options;
    if (auto error = TakeCommonOptions(rest, options)) {
        std::cerr << "tessivo: " << *error << "\n";
        return 2;
    }
    if (!rest.empty()) {
        std::cerr << "tessivo: unknown argument \"" << rest.front() << "\" (see tessivo --help)\n";
        return 2;
    }

    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Tessivo"));
    application.setQuitOnLastWindowClosed(false);

    QtPrompter prompter;
    QtLauncher launcher;
    const std::filesystem::path programDir = ProgramFolder(options);
    const std::vector<std::string> problems = PrepareWorkspace(programDir);

    std::unique_ptr<QrServices> services;
    std::string serviceProblem;
    try {
        services = std::make_unique<QrServices>(options);
    } catch (const std::exception& error) {
        serviceProblem = error.what();
    }

    AppServices base;
    base.programDir = programDir;
    base.qrHost = services ? services->qrHost() : std::string();
    base.decodeHost = services ? services->decodeHost() : std::string();
    base.prompter = &prompter;
    base.launcher = &launcher;
    Session session(base, [] { QCoreApplication::quit(); });

    auto* splash = new Splash([&] {
        session.StartMainWindow();
        for (const std::string& problem : problems) {
            prompter.tell(QString::fromStdString(problem), MsgIcon::Exclamation);
        }
        if (!serviceProblem.empty()) {
            prompter.tell(QStringLiteral("The QR code service could not be started: %1\nQR codes "
                                         "cannot be made in this session.")
                              .arg(QString::fromStdString(serviceProblem)),
                          MsgIcon::Critical);
        }
    });
    splash->show();
    return application.exec();
}

}  // namespace tessivo::app
