// Images and form objects of clsPosterPDF.
#include "posterpdf/clsPosterPDF.h"

#include <stdexcept>

#include "posterpdf/Ascii85.h"
#include "posterpdf/BmpReader.h"
#include "posterpdf/PdfLine.h"

namespace tessivo {
namespace {

std::size_t ExpectedPixelBytes(std::int32_t width, std::int32_t height, int bits, bool grey) {
    const std::size_t row = bits == 24 ? static_cast<std::size_t>(width) * (grey ? 1 : 3)
                                       : (static_cast<std::size_t>(width) * bits + 7) / 8;
    return row * static_cast<std::size_t>(height);
}

// Form objects drawn at the start of page p: 7 on every page, bit 2 on even pages, bit 4 on
// odd pages, except the first one when bit 8 is set too.
bool DrawnOnPage(std::int32_t options, std::int32_t page) {
    if ((options & 7) == 7) return true;
    if (page % 2 == 0) return (options & 2) != 0;
    return (options & 4) != 0 && !((options & 8) != 0 && page == 1);
}

// What a stream holds for data: its ASCII85 text (kept in storage) or the bytes themselves.
std::string_view StreamBytes(std::span<const std::uint8_t> data, bool ascii85,
                             std::string& storage) {
    if (ascii85) {
        storage = posterpdf::EncodeA85(data);
        return storage;
    }
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}  // namespace

bool clsPosterPDF::LoadImgFromBMPFile(std::string_view Name, const std::filesystem::path& fileName,
                                      std::int32_t ColorSpace) {
    RequireNoStream();
    const auto image = posterpdf::ReadBMPFile(fileName, ColorSpace);
    if (!image) return false;
    LoadImgFromArray(Name, image->pixels, image->palette, image->width, image->height, image->bits,
                     ColorSpace);
    return true;
}

void clsPosterPDF::LoadImgFromArray(std::string_view Name, std::span<const std::uint8_t> ImgBuf,
                                    std::span<const std::uint8_t> ImgColor, std::int32_t ImgWidth,
                                    std::int32_t ImgHeight, std::uint8_t ImgBPP,
                                    std::int32_t ColorSpace) {
    const bool grey = ColorSpace != 0;
    if (ImgBPP != 1 && ImgBPP != 4 && ImgBPP != 8 && ImgBPP != 24) {
        throw std::invalid_argument("images have 1, 4, 8 or 24 bits per pixel, not " +
                                    std::to_string(ImgBPP));
    }
    if (ImgWidth < 1 || ImgHeight < 1) {
        throw std::invalid_argument("an image is at least 1 x 1 pixels");
    }
    if (ImgBuf.size() != ExpectedPixelBytes(ImgWidth, ImgHeight, ImgBPP, grey)) {
        throw std::invalid_argument("the pixel buffer does not hold " + std::to_string(ImgWidth) +
                                    " x " + std::to_string(ImgHeight) + " pixels");
    }
    const bool indexed = ImgBPP <= 8;
    const std::size_t paletteBytes = indexed ? (std::size_t{1} << ImgBPP) * (grey ? 1 : 3) : 0;
    if (ImgColor.size() != paletteBytes) {
        throw std::invalid_argument("the palette does not hold " + std::to_string(paletteBytes) +
                                    " bytes");
    }
    ReserveObjects(indexed ? 3 : 2);  // image, length, palette
    const std::string name = posterpdf::ToCp1252(Name);
    RequireNewXObjectName(name);

    const std::string_view space = grey ? "DeviceGray" : "DeviceRGB";
    const std::int32_t image = WriteObjStart(0);
    WriteLine("<<\r/Type /XObject\r/Subtype /Image\r/Name /", name, "\r/Width ", ImgWidth,
              "\r/Height ", ImgHeight, encodeASCII85_ ? "\r/Filter /ASCII85Decode" : "");
    if (indexed) {
        WriteLine("/BitsPerComponent ", ImgBPP, "\r/ColorSpace [/Indexed /", space, " ",
                  (1 << ImgBPP) - 1, " ", image + 2, " 0 R]\r/Length ", image + 1, " 0 R");
    } else {
        WriteLine("/BitsPerComponent 8\r/ColorSpace /", space, "\r/Length ", image + 1, " 0 R");
    }
    std::string encoded;
    const std::string_view pixels = StreamBytes(ImgBuf, encodeASCII85_, encoded);
    posterpdf::PutPart(out_, ">>");
    WriteStreamData(pixels);
    WriteObjEnd();
    imageList_ += posterpdf::ResourceEntry(name, image);
    xObjectNames_.insert(name);
    // Lengths count every byte of the stream, the "~>" that ends ASCII85 data included: a
    // length short of it makes readers look for "endstream" in the wrong place.
    WriteObjStart(0);
    WriteLine(pixels.size());
    WriteObjEnd();

    if (indexed) {
        const std::string_view palette = StreamBytes(ImgColor, encodeASCII85_, encoded);
        WriteObjStart(0);
        posterpdf::PutPart(out_, "<<");
        if (encodeASCII85_) posterpdf::PutPart(out_, "/Filter /ASCII85Decode\r");
        posterpdf::PutPart(out_, "/Length ");
        posterpdf::PutPart(out_, palette.size());
        posterpdf::PutPart(out_, " >>");
        WriteStreamData(palette);
        WriteObjEnd();
    }
}

// The stream part of an object whose dictionary has just been written without its line end:
// CR, "stream", CR LF, the data, CR, "endstream", CR LF. The data's length excludes the CR
// that ends it.
void clsPosterPDF::WriteStreamData(std::string_view data) {
    out_.Put(std::string_view("\rstream\r\n"));
    out_.Put(data);
    WriteLine("\rendstream");
}

void clsPosterPDF::DrawImg(std::string_view Name, float DestX, float DestY, float ImgWidth,
                           float ImgHeight) {
    RequireStream();
    // The matrix scales the unit square to the image size and flips it, so (DestX, DestY) is
    // the top-left corner and rows stored bottom first come out upright.
    WriteLine("q\r", ToPoints(ImgWidth), " ", " 0 0 -", ToPoints(ImgHeight), " ", ToPoints(DestX),
              " ", ToPoints(DestY), " cm\r/", posterpdf::ToCp1252(Name), " Do\rQ");
}

void clsPosterPDF::StartObject(std::string_view Name, std::int32_t Options) {
    ReserveObjects(2);  // form, stream length
    const std::string name = posterpdf::ToCp1252(Name);
    RequireNewXObjectName(name);
    const std::int32_t form = WriteObjStart(0);
    WriteLine("<<\r/Type /XObject\r/Subtype /Form\r/FormType 1\r/Name /", name, "\r/BBox [",
              margin_, " ", margin_, " ", paperWidth_ - margin_, " ", paperHeight_ - margin_,
              "]\r/Matrix [1 0 0 1 0 0]\r/Length ", form + 1, " 0 R >>\rstream");
    BeginStream(OpenStream::Form);
    formList_ += posterpdf::ResourceEntry(name, form);
    xObjectNames_.insert(name);
    formObjects_.push_back({name, Options});
}

void clsPosterPDF::EndObject() {
    RequireFile();
    if (openStream_ != OpenStream::Form) {
        throw posterpdf::PosterPdfUsageError("no form object is open");
    }
    EndStream();
}

void clsPosterPDF::DrawObject(std::string_view Name) {
    RequireStream();
    WriteLine("/", posterpdf::ToCp1252(Name), " Do");
}

void clsPosterPDF::DrawAutoObjects() {
    for (const ObjectEntry& entry : formObjects_) {
        if (DrawnOnPage(entry.Options, pages_)) WriteLine("/", entry.Name, " Do");
    }
}

}  // namespace tessivo
