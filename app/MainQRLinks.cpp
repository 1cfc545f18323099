// The folder buttons and the link buttons.

#include "app/Launcher.h"
#include "app/MainQR.h"
#include "app/QuickLinks.h"
#include "qrdoc/Workspace.h"

namespace tessivo::app {

void MainQR::connectQuickLinks() {
    for (const FolderButton& folder : FolderButtons()) {
        const std::string_view relative = folder.relativeFolder;
        connect(Command[static_cast<std::size_t>(folder.button)], &QPushButton::clicked, this,
                [this, relative] { openWorkspaceFolder(relative); });
    }
    for (auto links : {WebTabLinks(), AboutLinks()}) {
        for (const QuickLink& link : links) {
            const std::string address = link.address;
            connect(Command[static_cast<std::size_t>(link.button)], &QPushButton::clicked, this,
                    [this, address] { openLink(address); });
        }
    }
}

void MainQR::openWorkspaceFolder(std::string_view relativeFolder) {
    // Every relative folder ends in a separator, so the folder part of the path is the
    // folder itself; the file manager reports a folder that is missing.
    services_.launcher->openFolder(workspace_.Resolve(relativeFolder).string());
}

void MainQR::openLink(const std::string& address) {
    services_.launcher->openUrl(address);
}

}  // namespace tessivo::app
