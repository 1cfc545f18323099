// A whole QR button click in the real window, offscreen: compose the payload, request the code
// from the embedded service over loopback, show it in the picture box and save the bitmap.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <random>

#include "app/Launcher.h"
#include "app/MainQR.h"
#include "app/Prompter.h"
#include "app/Session.h"
#include "qrdoc/Workspace.h"
#include "qrservice/QrService.h"

namespace {

using namespace tessivo;
using namespace tessivo::app;

class SilentPrompter final : public Prompter {
  public:
    MsgAnswer message(const MessageRequest&) override { return MsgAnswer::Ok; }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
};

class IdleLauncher final : public Launcher {
  public:
    void openFile(const std::string&) override {}
    void openFolder(const std::string&) override {}
    void openUrl(const std::string&) override {}
};

void WebQrButtonClick(benchmark::State& state) {
    std::random_device random;
    const auto folder =
        std::filesystem::temp_directory_path() / ("tessivo-click-" + std::to_string(random()));
    qrdoc::Workspace(folder).CreateMissingParts();
    QrService service("127.0.0.1", 0);
    SilentPrompter prompter;
    IdleLauncher launcher;
    AppServices base;
    base.programDir = folder;
    base.qrHost = base.decodeHost = service.HostPort();
    base.prompter = &prompter;
    base.launcher = &launcher;
    Session session(base, [] {});
    session.StartMainWindow();
    MainQR& window = *session.mainWindow();
    window.Text15->setText("Our shop");
    window.WebLinkArea->setPlainText("https://example.org/shop/opening-times?from=poster");

    for (auto _ : state) {
        window.cmdWebQR_Click();
        if (!window.Picture1Picture) state.SkipWithError("no code picture");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(WebQrButtonClick)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
