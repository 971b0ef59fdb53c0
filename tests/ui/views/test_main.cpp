// Shared main of the view tests: a widget application (the pickers' menus
// are widgets) on the offscreen platform, with HOME, XDG_CONFIG_HOME and
// XDG_DATA_HOME in a temporary folder so settings and the profile file
// never touch the user's.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QQuickWindow>
#include <filesystem>
#include <string>

#include "ui/theme/fonts.h"

int main(int argc, char** argv) {
    char dir[] = "/tmp/tocko-views-test-XXXXXX";
    if (!mkdtemp(dir)) return 2;
    setenv("HOME", dir, 1);
    setenv("XDG_CONFIG_HOME", (std::string(dir) + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (std::string(dir) + "/data").c_str(), 1);
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int result;
    {
        QApplication app(argc, argv);
        // Software rendering grabs the same pixels on every machine.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        tocko::registerBundledFonts();
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return result;
}
