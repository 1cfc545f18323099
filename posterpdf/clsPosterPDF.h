#pragma once
// clsPosterPDF: the small streaming PDF 1.3 writer the QR posters are printed with.
//
// The document is written front to back while the caller draws: every operator goes straight
// to the file and only the cross-reference offsets, the page list and the resource lists are
// kept until ClosePDFFile, so memory does not grow with what a page holds. File layout: header,
// document information (object 1), catalog (object 2), then the caller's fonts, images, form
// objects and pages as objects 5, 6, ... in call order, then the shared resources (object 4),
// the page tree (object 3), the cross-reference table and the trailer. All pages share one
// resource dictionary and the page tree's media box, crop box and rotation.
//
// Output conventions: every write is one line ending in CR LF; the entries of one dictionary
// may be separated by lone CRs inside a line. Numbers go through FormatNum (3 decimals, "."
// always); object numbers, counts, lengths and offsets are plain integers. Caller strings are
// UTF-8; text reaches the file in Windows-1252, a character it cannot hold written as "?".
//
// Units: every argument documented as "user units" is converted with the ScaleMode in force
// at the call: 0 point, 1 inch (72 points), 2 millimetre (72/25.4 points), 3 centimetre
// (72/2.54 points); any other mode turns converted values into 0. Coordinates are PDF user
// space: origin at the lower left of the page, y upwards.
//
// Order of use: ScaleMode first (conversions happen at assignment), then PaperSize or
// PaperWidth/PaperHeight, Margin, Orientation, Title; InitPDFFile; fonts, images and form
// objects, then pages (BeginPage, operators, EndPage), none of them started while a page or a
// form object is open; finally ClosePDFFile. One writer makes one document at a time.
//
// Replacing a file safely: InitPDFFile writes into a temporary file beside the target and
// ClosePDFFile renames it over the target, so a poster that replaces an earlier one never
// leaves a half-written file under the final name. A document abandoned before ClosePDFFile
// (by an error, by a new InitPDFFile or by destroying the writer) leaves no file behind and the
// earlier file untouched.
//
// Errors (posterpdf/PosterPdfErrors.h):
// - PosterPdfFileError: the file system refused to create, write, rename or read a file; the
//   message names the path. A failed output abandons the document.
// - PosterPdfOverflowError: an object number past 32767; thrown before the object begins.
// - PosterPdfUsageError: a call out of the order above (drawing with no page or form open,
//   objects created inside a page, output with no file open); thrown before anything is written.
// - std::invalid_argument: an argument the member documents as refused, and a resource name
//   loaded before (fonts share one set of names, letter case ignored; images and form objects
//   another); thrown before anything is written.
// Not checked: resource names are written as given and must be PDF names (letters and digits);
// DrawImg and DrawObject do not check that the name was loaded.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "posterpdf/FontMetrics.h"
#include "posterpdf/PdfOutputFile.h"
#include "posterpdf/PosterPdfEnvironment.h"
#include "posterpdf/PosterPdfErrors.h"

namespace tessivo {

class clsPosterPDF {
  public:
    // Uses the system clock, random digits and the program folder.
    clsPosterPDF();
    explicit clsPosterPDF(posterpdf::PosterPdfEnvironment environment);
    // Abandons a document not closed by ClosePDFFile (its temporary file is removed).
    ~clsPosterPDF();
    clsPosterPDF(const clsPosterPDF&) = delete;
    clsPosterPDF& operator=(const clsPosterPDF&) = delete;

    // --- Document properties -----------------------------------------------------------------

    // Image data of later images is ASCII85-encoded (default false: raw bytes).
    void EncodeASCII85(bool vData);
    // Margin in user units (default 0), kept in points as converted now: a later ScaleMode
    // does not change it. The crop box and form bounding boxes are inset by it.
    void Margin(float vData);
    // Page width or height in user units, kept in points; sets PaperSize to 255.
    void PaperWidth(float vData);
    void PaperHeight(float vData);
    // Number of pages begun.
    std::int16_t Pages() const;
    // Unit of every later user-unit argument: 0 point (default), 1 inch, 2 mm, 3 cm.
    void ScaleMode(std::int32_t New_ScaleMode);
    // Stores the code; 0 (default) 595.2 x 842 points (about A4), 1 842 x 1190.5 (about A3),
    // 2 612 x 792 (US Letter), 3 612 x 864; any other code keeps the width and height.
    void PaperSize(std::int32_t New_PaperSize);
    // 1 landscape (the page tree gets /Rotate 90; the media box is not swapped), anything else
    // portrait (default 0).
    void Orientation(std::int32_t NewOrientation);
    // Document title (default "(senza titolo)"), read by InitPDFFile only.
    void Title(std::string_view New_Title);

    // --- Document ----------------------------------------------------------------------------

    // Starts a document at strFileName, or, when it is empty, at the program folder's
    // "~<hex>.pdf" (posterpdf::DefaultPdfFileName), and returns the name used. Writes the
    // header, the document information and the catalog. A document still open is abandoned
    // first; every page, font, image and form object of an earlier document is forgotten.
    // Throws PosterPdfFileError when the file cannot be created.
    std::string InitPDFFile(std::string_view strFileName = {});
    // Writes the shared resources, the page tree (with the paper size, margin and orientation
    // in force now), the cross-reference table and the trailer, then puts the file in place.
    // Throws PosterPdfUsageError with a page or form object open or no document, and
    // PosterPdfFileError when the file cannot be written or renamed over the target.
    void ClosePDFFile();

    // --- Pages and content operators ---------------------------------------------------------
    // Each operator is one line in the open page's or form object's content stream; all
    // throw PosterPdfUsageError when neither is open.

    // Begins page Pages() + 1 and returns its number; draws the form objects registered for
    // it. Resets the remembered text state to 0 word spacing, 0 character spacing, 100 %
    // scaling. Throws PosterPdfUsageError with a page or form object open.
    std::int16_t BeginPage();
    // Ends the page's content stream and writes its length. Throws PosterPdfUsageError with no
    // page open.
    void EndPage();
    // "w Tw", "w Tc", "w Tz" (unscaled text space units; percent for Tz); remembered for Length.
    void SetWordSpacing(float w);
    void SetCharSpacing(float w);
    void SetTextHorizontalScaling(float w);
    // "w Tr" for 0 <= w <= 2; nothing otherwise.
    void SetTextRenderingMode(float w);
    // Writes strTemp at (x, y) in user units with the font resource FontName at Fontsize
    // points. Align 1 ends the text at x, 2 centres it on x, anything else starts it at x
    // (alignment measures with Length, so it has no effect for standard fonts). Rotate turns
    // the text counter-clockwise by that many degrees about (x, y). Returns the x the text
    // starts at, in user units.
    float DrawText(float x, float y, std::string_view strTemp, std::string_view FontName,
                   float Fontsize, std::int32_t Align = 0, float Rotate = 0);
    // Colour value: red in the low byte, green in the second, blue in the third (higher bits
    // ignored), written as "r g b RG" / "r g b rg" with components 0..1; a value from -255 to
    // 0 is the grey level -rgb/255 ("g G" / "g g"; 0 is black). Throws std::invalid_argument
    // below -255.
    void SetColorStroke(std::int32_t rgb);
    void SetColorFill(std::int32_t rgb);
    // "[on off] 0 d" in user units; "[ ] 0 d" (solid) when both are 0.
    void SetDash(float dash_on, float dash_off);
    // "w w" in user units.
    void SetLineWidth(float w);
    // "w J" / "w j" for 0 <= w <= 2; nothing otherwise.
    void SetLineCap(int w);
    void SetLineJoin(int w);
    // "w M" for w >= 1; nothing otherwise.
    void SetMiterLimit(float w);

    // Paths, all coordinates in user units. Options: 1 stroke, 2 close, 4 fill; after the
    // segment the path is painted: 0 nothing (the path stays open), 1 "S", 2 "h", 3 "h" and
    // "S", 4 and 6 "f", 5 "B", 7 "b"; higher bits are ignored.
    void MoveTo(float x, float y);
    void LineTo(float x, float y, std::int32_t Options = 0);
    // Rectangle with lower-left corner (x, y) and size xdim x ydim. Ray > 0 rounds the corners
    // with that radius, limited to half the width and half the height; returns the radius
    // used (Ray itself when Ray <= 0). Starts with "n", which ends any unfinished path.
    float Rectangle(float x, float y, float xdim, float ydim, std::int32_t Options = 0,
                    float Ray = 0);
    // Cubic Bezier curve from the current point through control points 1 and 2 to point 3.
    void Curve(float x1, float y1, float x2, float y2, float x3, float y3,
               std::int32_t Options = 0);
    // Circle of radius Ray around (x, y), four Bezier quarters.
    void DrawCircle(float x, float y, float Ray, std::int32_t Options = 0);
    // Elliptic arc around (x, y) drawn as straight segments: horizontal semi-axis Ray,
    // vertical semi-axis Ratio x Ray, from StartAngle towards EndAngle in steps of Quality
    // degrees (the end angle is drawn only when a step reaches it exactly), the ellipse turned
    // counter-clockwise by Rotate degrees. Pie (forced on by the fill bit of Options) runs the
    // path from the centre to the arc and back. Returns the Pie used. Throws
    // std::invalid_argument when Quality is 0, when it steps away from EndAngle, or when the
    // arc would take more than 100000 steps.
    bool Arc(float x, float y, float Ray, float StartAngle, float EndAngle, float Ratio, bool Pie,
             float Rotate, std::int16_t Quality, std::int32_t Options);

    // --- Images ------------------------------------------------------------------------------

    // Reads an uncompressed 1, 4, 8 or 24-bit bitmap (posterpdf/BmpReader.h) and writes it as
    // image Name; ColorSpace 0 keeps colours, anything else converts to grey. Returns false
    // and writes nothing for a missing file or one the reader refuses. Throws
    // PosterPdfFileError when the file exists but cannot be read, PosterPdfUsageError inside
    // a page or form object.
    bool LoadImgFromBMPFile(std::string_view Name, const std::filesystem::path& fileName,
                            std::int32_t ColorSpace);
    // Writes image Name from buffers laid out as BmpImage describes: ImgBuf rows of
    // ceil(ImgWidth x ImgBPP / 8) bytes for 1, 4, 8 bits, or ImgWidth x 3 bytes (colour) or
    // ImgWidth bytes (grey) for 24 bits; ImgColor 2^ImgBPP entries of 3 bytes (colour) or 1
    // (grey) for 1, 4, 8 bits. ColorSpace 0 is device RGB, any other value device grey. Throws
    // std::invalid_argument for other depths, sizes below 1 or buffers of other lengths.
    void LoadImgFromArray(std::string_view Name, std::span<const std::uint8_t> ImgBuf,
                          std::span<const std::uint8_t> ImgColor, std::int32_t ImgWidth,
                          std::int32_t ImgHeight, std::uint8_t ImgBPP, std::int32_t ColorSpace);
    // Draws image Name with its top-left corner at (DestX, DestY) and size ImgWidth x
    // ImgHeight, all in user units; a buffer stored bottom row first is drawn upright.
    void DrawImg(std::string_view Name, float DestX, float DestY, float ImgWidth, float ImgHeight);

    // --- Fonts -------------------------------------------------------------------------------

    // A standard Type 1 font resource Name naming BaseFont (blanks removed) with the style
    // suffix of Options (0 regular, 1 ",Bold", 2 ",Italic", 3 ",BoldItalic", others none);
    // the viewer supplies the metrics, so Length measures it as 0. Returns the base font name
    // without blanks. Throws PosterPdfUsageError inside a page or form object.
    std::string LoadFontStandard(std::string_view Name, std::string_view BaseFont,
                                 std::int32_t Options);
    // A TrueType font resource Name with widths and a descriptor: BaseFont without blanks and
    // upper-cased selects Times New Roman ("TIMESNEWROMAN"), Courier New ("COURIERNEW"),
    // Symbol ("SYMBOL") or Arial (anything else); Options is the style 0..3. Returns the
    // selecting name (blanks removed, upper-cased). Throws std::invalid_argument for a style
    // outside 0..3, PosterPdfUsageError inside a page or form object.
    std::string LoadFont(std::string_view Name, std::string_view BaseFont, std::int32_t Options);

    // --- Form objects ------------------------------------------------------------------------

    // Begins form object Name: a piece of content recorded once, in page coordinates, and
    // drawn on request (DrawObject) or at the start of every page that Options selects: 7 all
    // pages, bit 2 even pages, bit 4 odd pages, with bit 8 added the first page excepted.
    // Its bounding box is the paper inset by the margin in force now. Throws
    // PosterPdfUsageError inside a page or form object.
    void StartObject(std::string_view Name, std::int32_t Options);
    // Ends the open form object. Throws PosterPdfUsageError when none is open.
    void EndObject();
    // Draws form object Name ("/Name Do").
    void DrawObject(std::string_view Name);

    // --- Measuring ---------------------------------------------------------------------------

    // Width of Phrase in user units when drawn with the TrueType font resource FontName
    // (letter case ignored) at Fontsize points, with the word spacing, character spacing and
    // horizontal scaling of the current page. 0 for standard fonts and unknown names.
    float Length(std::string_view Phrase, std::string_view FontName, float Fontsize);

  private:
    enum class OpenStream { None, Page, Form };
    struct FontIndexEntry {
        std::string name;  // resource name, Windows-1252, upper-cased
        std::size_t metrics;
    };
    struct ObjectEntry {
        std::string Name;
        std::int32_t Options;
    };

    // Output helpers shared by all members.
    template <typename... Parts>
    void WriteLine(const Parts&... parts);
    std::int32_t WriteObjStart(std::int32_t number);
    void WriteObjEnd();
    void ReserveObjects(std::int32_t count) const;
    void RequireFile() const;
    void RequireNoStream() const;
    void RequireStream() const;
    void RequireNewFontName(std::string_view name) const;
    void RequireNewXObjectName(std::string_view name) const;
    void BeginStream(OpenStream stream);
    void EndStream();
    void PaintPath(std::int32_t Options);
    void WriteColor(std::int32_t rgb, std::string_view greyOperator, std::string_view rgbOperator);
    void WriteDocumentFrame();
    void DrawAutoObjects();
    void WriteStreamData(std::string_view data);
    float MeasureText(std::string_view cp1252Text, std::string_view cp1252FontName,
                      float Fontsize) const;
    float ToPoints(float value) const;
    float FromPoints(float value) const;

    posterpdf::PosterPdfEnvironment environment_;
    posterpdf::PdfOutputFile out_;

    // Properties.
    std::string title_ = "(senza titolo)";
    std::int32_t paperSize_ = 0;
    float paperWidth_ = 595.2f;
    float paperHeight_ = 842.0f;
    std::int32_t scaleMode_ = 0;
    std::int32_t orientation_ = 0;
    float margin_ = 0.0f;
    bool encodeASCII85_ = false;

    // The open document.
    std::string fileName_;
    std::int16_t pages_ = 0;
    std::vector<std::int32_t> kids_;                // page object numbers in page order
    std::string fontList_;                          // "/Name n 0 R " CR per font
    std::string imageList_;                         // "/Name n 0 R " CR per image
    std::string formList_;                          // "/Name n 0 R " CR per form object
    std::vector<FontIndexEntry> fontIndex_;         // TrueType resource names
    std::unordered_set<std::string> fontNames_;     // every font name, upper-cased
    std::unordered_set<std::string> xObjectNames_;  // every image and form object name
    std::vector<posterpdf::FontMetrics> trueTypeFonts_;
    std::vector<ObjectEntry> formObjects_;
    std::int32_t maxObject_ = 0;
    std::vector<std::uint64_t> xrefOffsets_;  // offset of object n at n - 1
    OpenStream openStream_ = OpenStream::None;
    std::uint64_t streamStart_ = 0;

    // Text state of the open page, for Length.
    float charSpacing_ = 0.0f;
    float wordSpacing_ = 0.0f;
    float horizScaling_ = 100.0f;
};

}  // namespace tessivo
