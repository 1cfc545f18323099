#pragma once
// lumPDF, the layout PDF writer: pages of text, wrapped and framed cells, lines, rectangles,
// ellipses, polygons, JPEG pictures, web links and bookmarks, written as a PDF 1.3 file with
// the standard Type 1 fonts measured from metric (.afm) files.
//
// Use: construct (which runs PDFInit), set the settings, PDFFileName, PDFBeginDoc, draw page
// 1; for each further page PDFEndPage (then any format member for that page) and PDFNewPage,
// draw; finally PDFEndDoc. The file appears under its name when PDFEndDoc has written it
// completely (it is written beside it under a temporary ".part" name until then).
//
// Units: positions and sizes are in the user unit of PDFSetUnit (centimetres by default; k
// points per unit), measured from the top left corner of the page, y downwards, plus the
// left margin for plain text. Page sizes, font sizes, text widths, the cell margin and line
// widths are in points. Text is UTF-8; the file carries it in Windows-1252 ("?" for what the
// code page cannot hold).
//
// Reporting: a rejected setting, colour, picture or link shows a message through the sink
// (critical icon, title "<section> - lumPDF 1.0") and the member carries on with its fallback.
// Failures a caller must handle throw the exceptions of LumPdfErrors.h.
//
// Booleans are C++ bool. Not thread-safe: use one writer from one thread.

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "layoutpdf/AfmWidths.h"
#include "layoutpdf/JpegReader.h"
#include "layoutpdf/LumMessages.h"
#include "layoutpdf/LumPdfErrors.h"
#include "layoutpdf/PdfOutputFile.h"

namespace tessivo {

struct LumPdfOptions {
    // Opens the finished file when PDFView is set; none leaves PDFView without effect.
    LumViewerLauncher viewer;
    // The program's own folder, the default AfmFolder; empty means the folder of the running
    // executable.
    std::filesystem::path programFolder;
    // Local date and time for /CreationDate; none means the system clock.
    std::function<std::tm()> localTime;
};

// The four margins PDFSetMargins applied, after replacing -1 (the in/out arguments).
struct LumMargins {
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t right = 0;
    std::int16_t bottom = 0;
};

// A link argument: a web address or other URI (empty for no link). A number is not a link;
// it is refused with the member's link message that names it.
using LumUrlLink = std::variant<std::string, double>;

class lumPDF {
  public:
    // Per-character width steps of the cell wrapper for one font and size (internal).
    struct WrapSteps {
        const layoutpdf::AfmWidthTable* widths = nullptr;
        double size = 0;
        std::array<long long, 256> whole{};  // the width in points, rounded
        std::array<bool, 256> half{};        // the width ends in exactly .5
    };

    explicit lumPDF(LumMessageSink& messages, LumPdfOptions options = {});
    lumPDF(const lumPDF&) = delete;
    lumPDF& operator=(const lumPDF&) = delete;
    ~lumPDF();

    // ---- Settings -------------------------------------------------------------------------

    // Folder of the metric files for the next PDFInit.
    void PDFPathConfiguration(const std::filesystem::path& sPathConfig);
    // Decimal digits naming viewer options: 1 hide toolbar, 2 hide menu bar, 3 hide window
    // controls, 4 fit window, 5 centre window, 6 show the document title (26 = 2 and 6).
    void PDFSetViewerPreferences(long pViewerPref);
    // Text written diagonally in pink Helvetica-Bold 50 on each page.
    void PDFWatermark(std::string_view sWatermark);
    // 0 full page, 1 full width, 2 real size, any other number a zoom percentage.
    void PDFSetZoomMode(long pZoomMode);
    std::optional<long> PDFGetZoomMode() const { return zoomMode_; }
    void PDFUseThumbs(bool boThumbs) { useThumbs_ = boThumbs; }
    // Opens the bookmarks panel; bookmarks are listed in the catalog only when this is set.
    void PDFUseOutlines(bool boOutlines) { useOutlines_ = boOutlines; }
    // 0 single page, 1 one column, 2 two columns, 3 viewer default; others: message, 0.
    void PDFSetLayoutMode(long pLayoutMode);
    std::optional<long> PDFGetLayoutMode() const { return layoutMode_; }
    // 0 point, 1 millimetre, 2 centimetre; others: message, centimetre. Margins, positions
    // and page sizes already set are not converted.
    void PDFSetUnit(long str_Unite);
    // "pt", "mm", "cm".
    std::string PDFGetUnit() const;
    // 0 landscape, 1 portrait; others: message, portrait. Sizes become whole points.
    void PDFOrientation(long str_Orientation);
    // 0 A4, 1 A3, 2 A5, 3 Letter, 4 Legal; others: message, A4.
    void PDFFormatPage(long str_FormatPage);
    // Width and height in points (whatever the unit). Sizes that are not positive and
    // finite are refused like an unknown format (message, A4).
    void PDFFormatPage(const std::array<double, 2>& str_FormatPage);
    // A format given as text is refused: message naming it, A4.
    void PDFFormatPage(std::string_view str_FormatPage);
    // Pages begun (1 after PDFBeginDoc).
    int PDFPageNumber() const { return pageCount_; }
    // -1 before PDFBeginDoc, 1 until PDFEndDoc, then the number of pages.
    int PDFNbPage() const { return nbPageBound_; }
    void PDFProducer(std::string_view str_Producer) { producer_ = str_Producer; }
    void PDFSubject(std::string_view str_Subject) { subject_ = str_Subject; }
    void PDFKeywords(std::string_view str_Keywords) { keywords_ = str_Keywords; }
    void PDFCreator(std::string_view str_Creator) { creator_ = str_Creator; }
    void PDFAuthor(std::string_view str_Author) { author_ = str_Author; }
    void PDFTitle(std::string_view str_Title) { title_ = str_Title; }
    // Starts the output file at once (see the top of this header). A relative name is taken
    // from the current folder. Throws LumFileError naming the path.
    void PDFFileName(const std::string& str_FileName);
    const std::string& PDFGetFileName() const { return fileName_; }
    // After PDFEndDoc: show "PDF file generated." through the sink.
    void PDFConfirm(bool boConfirm) { confirm_ = boConfirm; }
    // After PDFEndDoc: open the file through the viewer launcher.
    void PDFView(bool boView) { view_ = boView; }
    // Size of the page being prepared, in points, stored as given.
    void PDFPageHeight(double in_PageHeight);
    void PDFPageWidth(double in_PageWidth);
    double PDFGetPageHeight() const;
    double PDFGetPageWidth() const;
    // Margins in user units and the cell margin in points, rounded to whole numbers (halves
    // to even). Throw LumLimitError outside -32768..32767.
    void PDFSetLeftMargin(double in_left);
    void PDFSetRightMargin(double in_right);
    void PDFSetTopMargin(double in_top);
    void PDFSetBottomMargin(double in_bottom);
    void PDFSetCellMargin(double in_cell);
    double PDFGetLeftMargin() const { return leftMargin_; }
    double PDFGetRightMargin() const { return rightMargin_; }
    double PDFGetTopMargin() const { return topMargin_; }
    double PDFGetBottomMargin() const { return bottomMargin_; }
    double PDFGetCellMargin() const { return cellMargin_; }
    // Sets all four; a right of -1 takes the left value, a bottom of -1 the top value.
    // Returns the four values applied.
    LumMargins PDFSetMargins(std::int16_t in_left, std::int16_t in_top, std::int16_t in_right,
                             std::int16_t in_bottom);
    // Current position in user units, rounded to whole numbers (halves to even).
    int PDFGetX() const;
    int PDFGetY() const;
    // 0 solid, 1 dashed, 2 dash-dot, 3 dash-dot-dot, with dash lengths from the unit in
    // force now; others: message, solid.
    void PDFSetLineStyle(long pLineStyle);
    // In points (the default 0.567 is 0.2 mm), whatever the unit.
    void PDFSetLineWidth(double pLineWidth) { lineWidth_ = pLineWidth; }
    // 0 outline, 1 filled with the draw colour, 2 filled and outlined; others: message, 0.
    void PDFSetDrawMode(long pDrawMode);
    // Resets the settings: metric list from AfmFolder (the program folder when unset),
    // document tables, centimetres, A4 portrait, margins 1, cell margin 3, line width 0.567,
    // black colours, no style flags, empty Author/Creator/Keywords/Subject/Producer.
    void PDFInit();

    // ---- Document -------------------------------------------------------------------------

    // Writes the header and the information dictionary and opens page 1. Throws
    // LumUsageError without PDFFileName, LumFileError when writing fails.
    void PDFBeginDoc();
    // The next page gets its own format entry, inheriting this page's; draws the watermark.
    void PDFEndPage();
    // Closes the current page's content and opens the next page. Throws LumLimitError past
    // 32767 objects or pages.
    void PDFNewPage();
    // Closes the last page, writes fonts, pages, images, outlines, catalog, cross-reference
    // table and trailer, and puts the file in place; then confirms and views as asked.
    // Throws LumLimitError (nothing more written) past 32767 objects, LumFileError.
    void PDFEndDoc();

    // ---- Fonts, text, colours -------------------------------------------------------------

    // Lists the .afm files of a folder (sorted by name); font f of the document is entry
    // f - 1. Sets AfmFolder when one was found. Returns the number found.
    int PDFLoadAfm(const std::filesystem::path& sPathAFM);
    // Family 0 Helvetica ("Arial"), 1 Courier, 2 Times, 3 Symbol, 4 ZapfDingbats (others:
    // message, Times-Roman); size in points (0 means 10); style digits 1 italic, 2 bold,
    // 3 underline the next text only (12 = bold italic).
    void PDFSetFont(long str_Fontname, std::int16_t in_FontSize, long str_Style);
    // Width in points of the text in a font (empty: the current font) at a size. The
    // std::string& form receives the current font's name when it was empty. Throws
    // LumMetricError when the font's metric file cannot be read.
    double PDFGetStringWidth(std::string_view str_Txt, std::string_view str_FName,
                             std::int16_t in_FSize);
    double PDFGetStringWidth(std::string_view str_Txt, std::string& str_FName,
                             std::int16_t in_FSize);
    // Font size in user units.
    double PDFTextHeight() const;
    // Turns the next text anticlockwise by the angle, in degrees.
    void PDFSetRotation(double angle) { rotation_ = -angle; }
    // One line of text with its baseline at (left margin + x, y); x or y 0 takes the
    // current position. Afterwards the current position is the end of the text and one font
    // size lower. Throws LumMetricError (nothing written) when the font cannot be measured.
    void PDFTextOut(std::string_view str_Text, double x, double y);
    // Colours: three components 0..255 (red, green, blue); a colour number (red in the low
    // byte, blue in the third); or "#RRGGBB" text. Other text: message, black. Components
    // are clamped to 0..255.
    void PDFSetTextColor(const std::array<int, 3>& gColor);
    void PDFSetTextColor(double gColor);
    void PDFSetTextColor(std::string_view gColor);
    void PDFSetLineColor(const std::array<int, 3>& gColor);
    void PDFSetLineColor(double gColor);
    void PDFSetLineColor(std::string_view gColor);
    void PDFSetDrawColor(const std::array<int, 3>& gColor);
    void PDFSetDrawColor(double gColor);
    void PDFSetDrawColor(std::string_view gColor);
    // The colour operators in force ("1.000 0.000 0.000 rg"; the defaults "0 g", "0 G").
    const std::string& PDFGetTextColor() const { return textColorOp_; }
    const std::string& PDFGetLineColor() const { return lineColorOp_; }
    const std::string& PDFGetDrawColor() const { return drawColorOp_; }

    // ---- Cells ----------------------------------------------------------------------------

    // 0 none, 1 frame, 2 top, 3 bottom, 4 left, 5 right; other numbers combine the digits
    // 2..5 (2345 = all four sides). Applies to the next PDFCell only.
    void PDFSetBorder(long gBorder);
    void PDFSetFill(bool bFill) { cellFill_ = bFill; }
    // 0 centre, 1 left, 2 right, 3 justified; others: message, left.
    void PDFSetAlignement(long gAlignement);
    // "Center", "Right" or "Left".
    std::string PDFGetAlignement() const;
    // Text wrapped into lines of the cell's inner width (w in user units less twice the cell
    // margin), each line a box of height h from (x, y) downwards; a line feed forces a break.
    // Afterwards the position is (x + w, bottom of the last line). A non-empty link makes the
    // whole cell a link. Throws LumUsageError for an empty text, LumMetricError when the font
    // cannot be measured (lines already written stay).
    void PDFCell(std::string_view str_Text, double x, double y, double w, double h,
                 const LumUrlLink& URLLink = std::string());

    // ---- Drawing (user units) -------------------------------------------------------------

    void PDFDrawLineHor(double x, double y, double w);
    void PDFDrawLineVer(double x, double y, double h);
    void PDFDrawLine(double x1, double y1, double x2, double y2);
    // Sets the text colour to white afterwards.
    void PDFDrawRectangle(double x, double y, double w, double h,
                          const LumUrlLink& URLLink = std::string());
    // The ellipse inside the box (x, y, rx wide, ry high); ry 0 draws a circle. Sets the
    // text colour to white afterwards.
    void PDFDrawEllipse(double x, double y, double rx, double ry,
                        const LumUrlLink& URLLink = std::string());
    // Closed polygon through x1, y1, x2, y2, ... Throws LumUsageError for an odd count or
    // fewer than two numbers.
    void PDFDrawPolygon(std::span<const double> pParam);

    // ---- Pictures, links, bookmarks -------------------------------------------------------

    // A JPEG file (name ending in "jpg" or "jpeg") with its top left corner at (x, y); w and
    // h 0 take the pixel size as points, one of them 0 keeps the aspect ratio. A file that
    // is not a usable JPEG is refused with a message. Throws LumFileError when the file
    // cannot be read.
    void PDFImage(const std::string& pFileName, double x, double y, double w, double h,
                  const LumUrlLink& URLLink = std::string());
    // Pixel size of a JPEG file; 0 when refused. Throws LumFileError when unreadable.
    double PDFImageWidth(const std::string& pFileName);
    double PDFImageHeight(const std::string& pFileName);
    // Writes the text underlined at (x, y) as PDFTextOut does and makes it a link to the
    // target (the text itself when the target is empty).
    void PDFLink(double x, double y, std::string_view str_Text, std::string_view str_Link);
    // A bookmark to the current page at height y (user units; -1 the current position);
    // level 0 is the top, each level one deeper than the bookmark before it at most.
    void PDFSetBookmark(std::string_view str_Text, std::int16_t iLevel, double y = -1);

  private:
    struct Link {
        double x, y, w, h;  // points: left, top (from the bottom of the page), width, height
        std::string target;
    };
    struct Bookmark {
        std::string text;
        int level = 0;
        double y = 0;
        int page = 0;
        int parent = -1, prev = -1, next = -1, first = -1, last = -1;  // indexes; -1 none
    };
    enum class ColorKind { Text, Line, Draw };
    enum class LinkKind { None, Image, Rectangle, Ellipse, Cell };
    enum class Stage { Closed, FileOpen, Building, Ended };

    // Settings
    void ShowMessage(std::string_view section, const std::string& text) const;
    void ResizePageTables();
    void SetPageFormat(double width, double height);
    double PageHeight() const;
    double PageWidth() const;
    std::int16_t ToInt16(double value, std::string_view what) const;

    // Document assembly
    void RequireBuilding(std::string_view member) const;
    int NextObject(int count = 1);
    static void AppendLine(std::string& buffer, std::string_view text);
    void BeginObject(std::string& buffer, int number);
    // Writes one buffer (given whole or in pieces) as one line; objects begun in it get their
    // file offsets.
    void WriteBuffer(std::initializer_list<std::string_view> pieces);
    void WriteHeader();
    void WriteInfoObject();
    void BeginContentStream(bool continuation);
    void CloseContentStream(bool lastPage);
    void WriteFontObjects();
    void WritePagesObject();
    void WriteResourcesObject();
    void WriteImageObject(int index);
    void WritePageObject(int index);
    void WriteOutlines();
    void WriteCatalogObject();
    void WriteCrossReference();
    void DrawWatermark();
    std::string CreationDate() const;

    // Fonts and text
    const layoutpdf::AfmWidthTable& WidthsOf(const std::string& font);
    std::string MeasuredFont() const;
    double WidthInPoints(std::string_view cp1252, const std::string& font, double size);
    int FontNumber() const;
    int EffectiveFontSize() const { return fontSize_ == 0 ? 10 : fontSize_; }
    void AppendPoint(std::string& line, double x, double y) const;
    std::string UnderlineOperator(bool inCell, std::string_view cp1252, double px, double py);
    std::string TextMatrix(double angle, double x, double y) const;
    void SetColor(ColorKind kind, int red, int green, int blue);
    void SetColorNumber(ColorKind kind, double value);
    void SetColorText(ColorKind kind, std::string_view text);

    // Cells
    struct CellBox {
        double x, y, w, h;  // user units
    };
    struct CellFont {
        const layoutpdf::AfmWidthTable& widths;
        std::string selection;  // the "/Fn size Tf" line
    };
    void EmitCellLine(std::string_view cp1252, const CellBox& box, const std::string& border,
                      const CellFont& font);

    // Drawing
    void AppendMoveTo(double x, double y);
    void AppendLineTo(double x, double y);
    void AppendCurve(double x1, double y1, double x2, double y2, double x3, double y3);
    void AppendPaintColors();
    void AppendLineStyle();
    void FillColorFollowsLineColor();
    void AppendLineWidth(std::string_view painting);
    const char* PaintOperator(bool rectangle) const;
    void DrawStraight(std::string_view begin, std::string_view end, double x1, double y1, double x2,
                      double y2);

    // Pictures and links
    std::optional<layoutpdf::JpegInfo> ReadJpegFile(const std::string& fileName);
    bool OfferLink(const LumUrlLink& link, LinkKind kind, double x, double y);
    void StoreLink(double x, double y, double w, double h, std::string target);

    LumMessageSink& messages_;
    LumPdfOptions options_;

    // Settings
    std::filesystem::path afmFolder_;
    double k_ = 72.0 / 2.54;
    std::vector<double> pageWidths_, pageHeights_;  // index 0 unused
    std::vector<std::string> pageOrientations_;
    int pageFormatIndex_ = 1;
    std::int16_t leftMargin_ = 1, topMargin_ = 1, rightMargin_ = 1, bottomMargin_ = 1;
    std::int16_t cellMargin_ = 3;
    double currentX_ = 1, currentY_ = 1;
    double lineWidth_ = 0.567;
    std::string lineStyle_, drawMode_;
    std::optional<long> zoomMode_, layoutMode_, viewerPreferences_;
    std::string watermarkText_;
    bool hasWatermark_ = false;
    bool useThumbs_ = false, useOutlines_ = false, confirm_ = false, view_ = false;
    std::string fileName_;
    std::string title_, author_, creator_, keywords_, subject_, producer_;
    std::string textColorOp_ = "0 g", lineColorOp_ = "0 G", drawColorOp_ = "0 g";
    bool italic_ = false, bold_ = false, underline_ = false;
    double rotation_ = 0;

    // Fonts
    std::vector<std::string> fontList_;
    std::unordered_map<std::string, layoutpdf::AfmWidthTable> widthCache_;
    std::string fontName_;
    std::int16_t fontSize_ = 0;
    double wordSpacing_ = 0;

    // Cells
    WrapSteps wrapSteps_;
    std::string cellBorder_, cellAlignment_;
    bool cellFill_ = false;

    // Document
    layoutpdf::PdfOutputFile out_;
    Stage stage_ = Stage::Closed;
    int objectCount_ = 0;
    std::string streamBuffer_;  // the open page's stream object up to its "stream" line
    std::string pageContent_;
    std::size_t streamMark_ = 0;
    std::vector<std::uint64_t> offsets_;  // by object number
    std::vector<int> pendingObjects_;     // begun in a buffer not yet written
    int pageCount_ = 0;
    int nbPageBound_ = -1;
    std::vector<int> pageObjects_;                  // index 0 unused
    std::vector<std::array<double, 2>> pageSizes_;  // index 0 unused
    std::vector<std::vector<Link>> pageLinks_;      // index 0 unused
    std::vector<int> fontObjects_;                  // index 0 unused
    std::vector<layoutpdf::JpegInfo> images_;       // image n is images_[n - 1]
    int pagesObject_ = 0, resourcesObject_ = 0, catalogObject_ = 0, outlineRoot_ = 0;
    std::vector<Bookmark> bookmarks_;

    // Link state
    LinkKind lastKind_ = LinkKind::None;
    double lastRectangleWidth_ = 0;
    double lastImageWidth_ = 0, lastImageHeight_ = 0;
    bool imageLink_ = false;
};

}  // namespace tessivo
