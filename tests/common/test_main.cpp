// The main of every test suite: the process runs with HOME and the XDG
// folders in a temporary folder (removed at the end), so no test reads or
// writes the user's settings, profiles or packs, and without sound on the
// real audio server. TOCKO_TEST_APPLICATION chooses the Qt application the
// suite needs: 0 none, 1 QCoreApplication (timers, socket notifiers, queued
// calls), 2 QGuiApplication, 3 QApplication (widgets); the last two on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <gtest/gtest.h>
#include <stdlib.h>

#if TOCKO_TEST_APPLICATION == 1
#include <QCoreApplication>
using Application = QCoreApplication;
#elif TOCKO_TEST_APPLICATION == 2
#include <QGuiApplication>
using Application = QGuiApplication;
#elif TOCKO_TEST_APPLICATION == 3
#include <QApplication>
using Application = QApplication;
#endif

#include "test_support.h"

int main(int argc, char** argv) {
    if (tocko::test::isolateHome().empty()) return 2;
    setenv("TOCKO_AUDIO_OUTPUT", "null", 1);
    tocko::test::installRecordingThreadControl();
    int result;
    {
#if TOCKO_TEST_APPLICATION >= 2
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
#if TOCKO_TEST_APPLICATION >= 1
        Application app(argc, argv);
#endif
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    tocko::test::removeIsolatedHome();
    return result;
}
