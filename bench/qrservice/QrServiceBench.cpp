// The QR services over loopback beside the same work done in-process, in one run:
//   picture request: ClsQrCode::GetPictureQrCode through the embedded service vs drawing
//   the code (libqrencode) and encoding it (libpng) in-process — target within 3x;
//   decoding: ClsQrCode::DecodeFromStream through the service vs ZXing in-process — target
//   within 2x;
//   and cDibBuffer::Resample from 1000x1000 to 1500x1500.
#include <benchmark/benchmark.h>

// ZXing 1.4 gives text() as UTF-8 std::string only when asked to.
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include "qrclient/ClsQrCode.h"
#include "qrclient/cDibBuffer.h"
#include "qrservice/CodePicture.h"
#include "qrservice/QrService.h"

namespace tessivo {
namespace {

// What the e-mail tab sends: "mailto:" + address + "?subject=" + title + "&body=" + body.
const std::string kEmailPayload =
    "mailto:info@example.com?subject=OPEN DAY SATURDAY 10 MAY&body=Please send me more "
    "information about: OPEN DAY SATURDAY 10 MAY";
constexpr int32_t kSide = 152;

QrService& Service() {
    static QrService service("127.0.0.1", 0);
    return service;
}

Picture EmailCode() {
    qrservice::CodeRequest request;
    request.data = kEmailPayload;
    request.width = request.height = kSide;
    return *qrservice::DrawCode(request).picture;
}

void BM_PictureRequestThroughService(benchmark::State& state) {
    ClsQrCode client(Service().HostPort(), Service().HostPort());
    for (auto _ : state) {
        std::optional<Picture> picture =
            client.GetPictureQrCode(kEmailPayload, kSide, kSide, "UTF-8", "L", 0xFFFFFF, 0, 0);
        if (!picture) state.SkipWithError(client.LastError().c_str());
        benchmark::DoNotOptimize(picture);
    }
}

void BM_PictureInProcessFloor(benchmark::State& state) {
    qrservice::CodeRequest request;
    request.data = kEmailPayload;
    request.width = request.height = kSide;
    for (auto _ : state) {
        qrservice::CodePictureResult drawn = qrservice::DrawCode(request);
        std::optional<std::vector<uint8_t>> png = EncodePng(*drawn.picture);
        benchmark::DoNotOptimize(png);
    }
}

void BM_DecodeThroughService(benchmark::State& state) {
    ClsQrCode client(Service().HostPort(), Service().HostPort());
    const std::vector<uint8_t> png = *EncodePng(EmailCode());
    std::string text;
    for (auto _ : state) {
        if (!client.DecodeFromStream(png, text)) state.SkipWithError(client.LastError().c_str());
        benchmark::DoNotOptimize(text);
    }
    if (text != kEmailPayload) state.SkipWithError("decoded the wrong text");
}

ZXing::Result ReadWithZXing(const Picture& code) {
    ZXing::DecodeHints hints;  // as the service asks
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    return ZXing::ReadBarcode(
        ZXing::ImageView(code.rgb.data(), code.width, code.height, ZXing::ImageFormat::RGB), hints);
}

// The floor: ZXing alone, on pixels already in memory.
void BM_DecodeInProcessZXing(benchmark::State& state) {
    const Picture code = EmailCode();
    for (auto _ : state) {
        ZXing::Result result = ReadWithZXing(code);
        if (result.text() != kEmailPayload) state.SkipWithError("ZXing found no code");
        benchmark::DoNotOptimize(result);
    }
}

// For context: the same input as the service gets (PNG bytes), decoded in-process.
void BM_DecodeInProcessPngAndZXing(benchmark::State& state) {
    const std::vector<uint8_t> png = *EncodePng(EmailCode());
    for (auto _ : state) {
        ZXing::Result result = ReadWithZXing(*DecodePng(png).picture);
        if (result.text() != kEmailPayload) state.SkipWithError("ZXing found no code");
        benchmark::DoNotOptimize(result);
    }
}

void BM_Resample1000To1500(benchmark::State& state) {
    cDibBuffer source;
    source.Create(1000, 1000);
    source.RandomiseBits(false, 1);
    for (auto _ : state) {
        std::unique_ptr<cDibBuffer> resampled = source.Resample(1500, 1500);
        benchmark::DoNotOptimize(resampled);
    }
}

// Round trips involve other threads: wall-clock time, repeated for a median.
BENCHMARK(BM_PictureRequestThroughService)
    ->UseRealTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PictureInProcessFloor)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecodeThroughService)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecodeInProcessZXing)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecodeInProcessPngAndZXing)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_Resample1000To1500)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tessivo

BENCHMARK_MAIN();
