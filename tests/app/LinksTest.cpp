// The folder buttons and the link buttons hand their targets to the launcher and never wait.

#include <gtest/gtest.h>

#include <QTest>

#include "AppTestSupport.h"

namespace tessivo::app::testing {
namespace {

TEST(QuickLinks, FolderButtonsOpenTheKindFoldersWhateverTheirCaseOnDisk) {
    WindowHarness harness([](TempWorkspace& ws) {
        std::filesystem::remove_all(ws.path() / "WEB");
        std::filesystem::create_directories(ws.path() / "Web" / "codes");  // spelled otherwise
    });
    MainQR& w = harness.window();
    const auto root = harness.workspace().path();
    const std::pair<int, std::filesystem::path> buttons[] = {
        {1, root / "EMAILS" / "Codes"}, {2, root / "EMAILS"},
        {5, root / "EMAILS" / "Codes"}, {6, root / "EMAILS"},
        {3, root / "INFO" / "Codes"},   {4, root / "INFO"},
        {7, root / "INFO" / "Codes"},   {8, root / "INFO"},
        {12, root / "PHONE" / "Codes"}, {13, root / "PHONE"},
        {9, root / "PHONE" / "Codes"},  {10, root / "PHONE"},
        {16, root / "Web" / "codes"},   {17, root / "Web"},
        {11, root / "Web" / "codes"},   {14, root / "Web"},
    };
    for (const auto& [number, folder] : buttons) {
        w.Command[static_cast<std::size_t>(number)]->show();
        QTest::mouseClick(w.Command[static_cast<std::size_t>(number)], Qt::LeftButton);
        ASSERT_FALSE(harness.launcher.folders.empty()) << number;
        EXPECT_EQ(std::filesystem::path(harness.launcher.folders.back()).lexically_normal(),
                  folder.lexically_normal())
            << number;
    }
    EXPECT_EQ(harness.launcher.folders.size(), 16u);
}

TEST(QuickLinks, LinkButtonsOpenTheirPagesAndChangeNoField) {
    WindowHarness harness;
    MainQR& w = harness.window();
    const QString link = w.WebLinkArea->toPlainText();
    const std::pair<int, const char*> buttons[] = {
        {15, "http://www.google.com/"},    {18, "https://www.google.com/maps"},
        {19, "https://www.facebook.com/"}, {20, "https://www.ebay.com/"},
        {21, "https://www.youtube.com/"},  {22, "https://www.amazon.com/"},
        {29, "http://www.tessivo.com/"},
    };
    for (const auto& [number, address] : buttons) {
        w.Command[static_cast<std::size_t>(number)]->show();
        QTest::mouseClick(w.Command[static_cast<std::size_t>(number)], Qt::LeftButton);
        ASSERT_FALSE(harness.launcher.urls.empty());
        EXPECT_EQ(harness.launcher.urls.back(), address);
    }
    QTest::mouseClick(w.Command[28], Qt::LeftButton);
    EXPECT_EQ(harness.launcher.urls.back().rfind(
                  "https://www.paypal.com/cgi-bin/webscr?cmd=_s-xclick&hosted_button_id=", 0),
              0u);
    EXPECT_EQ(w.WebLinkArea->toPlainText(), link);
    EXPECT_EQ(w.Command[15]->toolTip(), "Open website Google to find URL");
    EXPECT_EQ(w.Command[18]->toolTip(), "Link to Google Maps");
    EXPECT_EQ(w.Command[19]->toolTip(), "Link to Facebook");
    EXPECT_TRUE(w.Command[20]->toolTip().isEmpty());
    EXPECT_FALSE(w.Command[28]->icon().isNull());
}

}  // namespace
}  // namespace tessivo::app::testing
