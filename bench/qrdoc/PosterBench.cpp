// One whole poster as `tessivo make` makes it: compose, request the code over loopback from
// the embedded QR service, save the bitmap, write the PDF. The parts are measured on their own
// beside it, so the run shows where the time of a poster goes. Wall-clock time: the service
// answers on its own threads.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "qrclient/ClsQrCode.h"
#include "qrdoc/MakePoster.h"
#include "qrdoc/Poster.h"
#include "qrservice/QrService.h"

namespace {

namespace fs = std::filesystem;
using namespace tessivo;
using namespace tessivo::qrdoc;

// The service, a client and a scratch workspace, shared by every benchmark of the run.
struct Setting {
    QrService service{"127.0.0.1", 0};
    ClsQrCode client{service.HostPort(), service.HostPort()};
    fs::path workspace;

    Setting() {
        std::string name = (fs::temp_directory_path() / "tessivo-bench-XXXXXX").string();
        if (::mkdtemp(name.data()) != nullptr) workspace = name;
    }
    ~Setting() {
        std::error_code ignored;
        fs::remove_all(workspace, ignored);
    }
};

Setting& Shared() {
    static Setting setting;
    return setting;
}

MakePosterInput SampleInput() {
    MakePosterInput input;
    input.kind = QrKind::Email;
    input.sTitle = "Summer Sale at the Harbour Market this weekend";
    input.sEmailAddress = "shop@example.org";
    input.sEmailExtra = "Bring a friend, there is something for everyone.";
    input.sBanner = "SALE";
    input.contact = {"Ann Lee",      "14 Larchmere Road", "OD1 2XY",        "01632 960001",
                     "07700 900001", "ann@example.org",   "www.example.org"};
    return input;
}

void BM_WholePoster(benchmark::State& state) {
    Setting& setting = Shared();
    const MakePosterInput input = SampleInput();
    const Workspace workspace(setting.workspace);
    MakePosterResult result;
    for (auto _ : state) {
        result = MakePoster(input, workspace, setting.client);
        if (!result.Ok()) {
            state.SkipWithError(result.sError.c_str());
            return;
        }
    }
    state.counters["pdf_bytes"] = static_cast<double>(fs::file_size(result.poster));
    state.counters["bmp_bytes"] = static_cast<double>(fs::file_size(result.codePicture));
}

void BM_RequestCodeOnly(benchmark::State& state) {
    Setting& setting = Shared();
    const std::string payload =
        "mailto:shop@example.org?subject=Summer Sale at the Harbour Market this weekend&body=SALE"
        " - Summer Sale at the Harbour Market this weekend. Bring a friend, there is something for "
        "everyone.";
    for (auto _ : state) {
        std::optional<Picture> picture = setting.client.GetPictureQrCode(
            payload, kPicture1InsideWidth, kPicture1InsideHeight, "UTF-8", "L", 0xFFFFFF, 0, 0);
        if (!picture) {
            state.SkipWithError(setting.client.LastError().c_str());
            return;
        }
        benchmark::DoNotOptimize(picture);
    }
}

void BM_SaveCodePictureOnly(benchmark::State& state) {
    const Picture picture = SolidPicture(kPicture1InsideWidth, kPicture1InsideHeight, 0xFFFFFF);
    const fs::path file = Shared().workspace / "save-only.bmp";
    for (auto _ : state) {
        if (!SavePicture(picture, file).ok) {
            state.SkipWithError("the picture could not be saved");
            return;
        }
    }
}

void BM_WritePosterOnly(benchmark::State& state) {
    const fs::path picture = Shared().workspace / "write-only.bmp";
    if (!SavePicture(SolidPicture(kPicture1InsideWidth, kPicture1InsideHeight, 0xFFFFFF), picture)
             .ok) {
        state.SkipWithError("the picture could not be saved");
        return;
    }
    PosterContent content;
    content.sTitleLine1 = "Summer Sale at the Harbour ";
    content.sTitleLine2 = "Market this weekend";
    content.codePicture = picture;
    content.banner = InitialBannerPreview();
    content.banner.sCaption = "SALE";
    content.contactLines = {"Ann Lee", "14 Larchmere Road", "OD1 2XY", "Telephone: 01632 960001",
                            "Mobile: 07700 900001"};
    const fs::path pdf = Shared().workspace / "write-only.pdf";
    for (auto _ : state) {
        if (std::optional<std::string> problem = WritePoster(content, pdf)) {
            state.SkipWithError(problem->c_str());
            return;
        }
    }
}

constexpr int kRepetitions = 15;
BENCHMARK(BM_WholePoster)->UseRealTime()->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_RequestCodeOnly)->UseRealTime()->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveCodePictureOnly)
    ->UseRealTime()
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WritePosterOnly)->UseRealTime()->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
