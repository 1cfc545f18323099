#pragma once
// The folder buttons and the link buttons: which workspace folder or web page each one opens,
// and the small pictures the link buttons carry.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <span>

namespace tessivo::app {

// The starting text of the web-link field: a complete address, scheme and host only.
inline constexpr const char* kExampleWebAddress = "https://www.example.com";

struct FolderButton {
    int button;                  // CommandN
    const char* relativeFolder;  // under the program folder, with leading and trailing "\"
};

struct QuickLink {
    int button;           // CommandN
    const char* address;  // the page opened in the browser
    const char* tooltip;  // empty when the button has none
};

// The sixteen folder buttons.
std::span<const FolderButton> FolderButtons();
// The six link buttons of the Web QR tab, in their order on the tab.
std::span<const QuickLink> WebTabLinks();
// The two buttons of the About tab (donation page, developer's page).
std::span<const QuickLink> AboutLinks();

// Pictures drawn by the program: a button's icon, and the placeholder of the poster preview.
QIcon LinkIcon(int button);
QPixmap PlaceholderPicture(const QSize& size);

}  // namespace tessivo::app
