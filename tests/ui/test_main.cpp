// Shared main for the theme, localization, uninstall and update tests: a GUI
// application on the offscreen platform, with the XDG folders moved into a
// temporary directory so that no test touches the user's settings or files.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toUtf8());
    qputenv("LANGUAGE", "en_US");
    qputenv("LC_ALL", "en_US.UTF-8");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
