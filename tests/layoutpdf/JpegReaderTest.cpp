#include <gtest/gtest.h>

#include "layoutpdf/JpegReader.h"
#include "tests/layoutpdf/LayoutPdfTestSupport.h"

namespace tessivo::layoutpdf {
namespace {

using testing::EncodeJpeg;

// Position of the first marker FF <code> after the start of image.
std::size_t MarkerAt(const std::string& jpeg, unsigned char code) {
    for (std::size_t i = 2; i + 1 < jpeg.size(); ++i) {
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF &&
            static_cast<unsigned char>(jpeg[i + 1]) == code) {
            return i;
        }
    }
    return std::string::npos;
}

TEST(JpegReader, ReadsSizeAndColourSpaceOfEachKind) {
    const struct {
        int components;
        const char* space;
    } cases[] = {{1, "DeviceGray"}, {3, "DeviceRGB"}, {4, "DeviceCMYK"}};
    for (const auto& c : cases) {
        const std::string jpeg = EncodeJpeg(64, 40, c.components);
        const JpegInfo info = ReadJpeg(jpeg);
        EXPECT_EQ(info.rejection, JpegRejection::None) << c.space;
        EXPECT_EQ(info.width, 64);
        EXPECT_EQ(info.height, 40);
        EXPECT_EQ(info.colorSpace, c.space);
        EXPECT_EQ(info.bitsPerComponent, 8);
        EXPECT_EQ(info.data, jpeg);
    }
}

TEST(JpegReader, RefusesDamagedFilesWithTheirReason) {
    const std::string good = EncodeJpeg(32, 32, 3);
    const std::size_t app0 = MarkerAt(good, 0xE0);
    const std::size_t frame = MarkerAt(good, 0xC0);
    ASSERT_NE(app0, std::string::npos);
    ASSERT_NE(frame, std::string::npos);

    const auto with = [&](std::size_t at, std::string_view bytes) {
        std::string copy = good;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    const struct {
        const char* name;
        std::string bytes;
        JpegRejection rejection;
        int unit;
    } cases[] = {
        {"249 bytes", std::string("\xFF\xD8") + std::string(245, '\0') + "\xFF\xD9",
         JpegRejection::TooSmall, 0},
        {"no start marker", with(0, "\xFF\xD9"), JpegRejection::BadMarker, 0},
        {"bytes after the end marker", good + "x", JpegRejection::BadMarker, 0},
        {"segment running past the end", with(app0 + 2, "\xFF\xF0"), JpegRejection::BadMarker, 0},
        {"segment length below 2", with(app0 + 2, std::string("\x00\x01", 2)),
         JpegRejection::BadMarker, 0},
        {"no frame header", with(frame + 1, "\xC9"), JpegRejection::BadMarker, 0},
        {"two components", with(frame + 9, "\x02"), JpegRejection::BadMarker, 0},
        {"density unit 3", with(app0 + 11, "\x03"), JpegRejection::BadResolution, 3},
    };
    for (const auto& c : cases) {
        const JpegInfo info = ReadJpeg(c.bytes);
        EXPECT_EQ(info.rejection, c.rejection) << c.name;
        EXPECT_EQ(info.unitValue, c.unit) << c.name;
        EXPECT_TRUE(info.data.empty()) << c.name;
    }
}

TEST(JpegReader, SkipsFillBytesAndNeverReadsScanDataAsMarkers) {
    const std::string good = EncodeJpeg(48, 16, 1);
    const std::size_t frame = MarkerAt(good, 0xC0);
    std::string filled = good;
    filled.insert(frame, "\xFF\xFF\xFF");
    EXPECT_EQ(ReadJpeg(filled).width, 48);

    // A "JFIF" segment with a bad unit inside the scan data is image data, not a marker.
    const std::size_t scan = MarkerAt(good, 0xDA);
    std::string scanWithLookalike = good;
    scanWithLookalike.insert(scanWithLookalike.size() - 2,
                             std::string("\xFF\xE0\x00\x10JFIF\x00\x01\x01\x07", 13));
    const JpegInfo info = ReadJpeg(scanWithLookalike);
    EXPECT_EQ(info.rejection, JpegRejection::None);
    EXPECT_GT(scan, frame);

    // An APP0 that is not JFIF (a JFXX extension) has no density unit to check.
    std::string jfxx = good;
    const std::size_t app0 = MarkerAt(good, 0xE0);
    jfxx.replace(app0 + 4, 4, "JFXX");
    jfxx[app0 + 11] = 9;
    EXPECT_EQ(ReadJpeg(jfxx).rejection, JpegRejection::None);
}

TEST(JpegReader, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
    const std::string good = EncodeJpeg(40, 30, 3);
    const std::size_t scan = MarkerAt(good, 0xDA);
    for (std::size_t length = 250; length < good.size(); ++length) {
        const std::string cut = good.substr(0, length) + "\xFF\xD9";
        JpegInfo info;
        ASSERT_NO_THROW(info = ReadJpeg(cut)) << length;
        // Cut inside the headers: refused; cut inside the scan data: headers are whole.
        if (length < scan) {
            EXPECT_EQ(info.rejection, JpegRejection::BadMarker) << length;
        }
    }
}

}  // namespace
}  // namespace tessivo::layoutpdf
