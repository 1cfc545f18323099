#pragma once
// Shared pieces of the layout writer suites: a message recorder, JPEG files made with libjpeg,
// and the outside checkers every written document must pass. Scratch folders and file bytes
// come from tests/support.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "layoutpdf/LumMessages.h"
#include "layoutpdf/LumPdf.h"
#include "tests/support/Files.h"

namespace tessivo::layoutpdf::testing {

using testsupport::ReadFileBytes;
using testsupport::ScratchFolder;
using testsupport::WriteFileBytes;

struct Message {
    std::string title;
    std::string text;
    LumMessageIcon icon;
};

class RecordingSink : public LumMessageSink {
  public:
    void ShowMessage(const std::string& title, const std::string& text,
                     LumMessageIcon icon) override {
        messages.push_back({title, text, icon});
    }
    std::vector<Message> messages;
};

// The folder where the build placed the standard metric files.
std::filesystem::path ProgramFolder();

// A JPEG of the size in 1 (grey), 3 (RGB) or 4 (CMYK) components, encoded by libjpeg.
std::string EncodeJpeg(int width, int height, int components);

// The text between "stream" CR LF and "endstream" of object `number`.
std::string StreamOf(const std::string& pdf, int number);
// The lines of object `number`, from its object line to "endobj".
std::string ObjectOf(const std::string& pdf, int number);

// How many times `part` occurs in `text` (overlaps counted).
int Count(const std::string& text, const std::string& part);

// The lines joined with CR LF and ended by CR LF, as the writer writes them.
std::string Lines(const std::vector<std::string>& lines);

// Runs `qpdf --check`, `pdftoppm` and `pdftotext` on a file; an empty result means all three
// were satisfied and every expected text was found, otherwise it says what failed.
std::string CheckWithTools(const std::filesystem::path& pdf,
                           const std::vector<std::string>& expectedTexts);

// A writer on the standard metric files with a fixed clock, recording its messages; Finish()
// ends the document and checks it with the outside tools.
class WriterFixture {
  public:
    WriterFixture();
    void Begin(std::string_view name = "doc.pdf");
    // Ends the document, expects it to pass the tools with these texts, returns its bytes.
    std::string Finish(const std::vector<std::string>& expectedTexts = {});
    ScratchFolder folder;
    RecordingSink sink;
    lumPDF pdf;
    std::filesystem::path file;
};

}  // namespace tessivo::layoutpdf::testing
