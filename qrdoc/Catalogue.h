#pragma once
// The catalogue: one PDF listing every poster of the workspace, kind by kind, each with its
// title, the text its code carries, the code picture and a link to the poster file. Written
// with the layout writer; a bookmark leads to each kind.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "layoutpdf/LumMessages.h"
#include "qrdoc/QrKind.h"
#include "qrdoc/Workspace.h"

namespace tessivo::qrdoc {

struct CatalogueEntry {
    QrKind kind = QrKind::Email;
    std::string sTitle;                   // the poster's file name without ".pdf"
    std::filesystem::path poster;         // the poster file
    std::filesystem::path codePicture;    // its code picture; empty when there is none
    std::optional<std::string> codeText;  // what the code carries; none when unread
};

// Reads a code picture's text, or nothing when it cannot (the catalogue then says so).
using CodeReader = std::function<std::optional<std::string>(const std::filesystem::path& picture)>;

// Every poster (".pdf" file, any case) of the kind folders, kinds in their usual order, titles
// in byte order within a kind. Each is matched with the code picture saved under its title.
std::vector<CatalogueEntry> CollectCatalogue(const Workspace& workspace,
                                             const CodeReader& readCode);

// The longest code text printed in full; longer texts are cut and end in "...".
inline constexpr std::size_t kCatalogueTextLimit = 400;

struct CatalogueOptions {
    std::filesystem::path
        programFolder;  // where the font metric files are (empty: the executable's)
    std::filesystem::path workspaceFolder;  // named on the title page
    LumViewerLauncher viewer;               // set to open the finished file
};

// Writes the catalogue to `pdfFile`. The code pictures go in as JPEG copies made in a scratch
// folder that is removed afterwards. Returns nothing on success, else one line for the user.
// The writer's own messages (a refused picture, say) go to `messages`.
std::optional<std::string> WriteCatalogue(const std::vector<CatalogueEntry>& entries,
                                          const std::filesystem::path& pdfFile,
                                          LumMessageSink& messages,
                                          const CatalogueOptions& options);

}  // namespace tessivo::qrdoc
