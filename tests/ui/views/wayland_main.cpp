// Main of the entry test under a real Wayland compositor without a tray
// host: Sway on its headless backend, as on a plain Sway desktop. The view
// tests' own main, with Qt on the Wayland platform of that Sway. Skips
// (exit 0, a note on stderr) where sway or foot is not installed.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "sway_session.h"
#include "tests/common/test_support.h"

int main(int argc, char** argv) {
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
    std::unique_ptr<tocko::test::SwaySession> sway;
    if (!listing) {
        if (!tocko::test::SwaySession::available()) {
            std::fprintf(stderr, "sway or foot is not installed: the test under Sway is skipped\n");
            return 0;
        }
        sway = std::make_unique<tocko::test::SwaySession>();
        if (!sway->ready()) {
            std::fprintf(stderr, "sway did not start\n");
            return 1;
        }
        setenv("XDG_RUNTIME_DIR", sway->runtimeDir().c_str(), 1);
        setenv("WAYLAND_DISPLAY", sway->waylandDisplay().c_str(), 1);
        setenv("TOCKO_TEST_SWAYSOCK", sway->ipcSocket().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        // Wayland only: no X server to fall back on.
        unsetenv("DISPLAY");
    }
    if (tocko::test::isolateHome().empty()) return 2;
    if (listing) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int result;
    {
        QApplication app(argc, argv);
        QGuiApplication::setDesktopFileName("com.pollix.Tocko");
        ::testing::InitGoogleTest(&argc, argv);
        if (!listing && QGuiApplication::platformName() != QLatin1String("wayland")) {
            std::fprintf(stderr, "Qt did not start on Wayland but on %s\n",
                         qPrintable(QGuiApplication::platformName()));
            return 1;
        }
        result = RUN_ALL_TESTS();
    }
    tocko::test::removeIsolatedHome();
    return result;
}
