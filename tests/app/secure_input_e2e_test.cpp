// The tocko executable in a private desktop session with the accessibility
// bus running: keys typed into the plain entry of a real GTK window
// click on the null sink; keys typed into its password entry make no sound.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "tests/app/e2e_support.h"
#include "tests/context/secure/desktop_session.h"

using namespace std::chrono_literals;
using tocko::desktop::Child;
using tocko::desktop::spinUntil;

namespace {

void pause(std::chrono::milliseconds d) {
    spinUntil([] { return false; }, d);
}

int runQuietly(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000)) return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void type(const QStringList& keys) { runQuietly("xdotool", QStringList{"key", "--delay", "250"} + keys); }

}  // namespace

TEST(SecureInputEndToEnd, PasswordEntriesAreNeverHeard) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "no X display (run scripts/services.sh)";
    if (runQuietly("pactl", {"info"}) != 0) GTEST_SKIP() << "no audio server (run scripts/services.sh)";
    tocko::desktop::Session session;
    if (!session.ok()) GTEST_SKIP() << "no dbus-daemon or at-spi-bus-launcher";
    runQuietly("pactl", {"set-default-sink", "tocko_null"});

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const std::string h = home.path().toStdString();
    QDir().mkpath(home.path() + "/data/Pollix");
    std::ofstream(h + "/data/Pollix/profiles.json") << tocko::test::profilesJson("soft", 1.0);

    const std::string wav = h + "/monitor.wav";
    tocko::test::Child recorder = tocko::test::recordMonitor(wav);
    pause(2500ms);  // an idle null sink runs on a slow timer at first

    QProcessEnvironment env = session.environment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    env.insert("TOCKO_NO_ONBOARDING", "1");
    env.insert("TOCKO_INPUT_BACKEND", "x11");
    env.insert("TOCKO_RESOURCES", TOCKO_RESOURCE_DIR);
    // One onset per key: key-up sounds off, so that a press and its release
    // cannot be told apart from two presses.
    QDir().mkpath(home.path() + "/config/Pollix");
    std::ofstream(h + "/config/Pollix/Tocko.conf") << "[General]\nreleaseSounds=false\n";
    env.remove("TOCKO_AUDIOCHECK");
    Child tocko(TOCKO_EXECUTABLE, {"--headless"}, env, true);
    ASSERT_FALSE(tocko.waitForLine("[Tocko] KeyTap: listenOnly", 10s).isEmpty())
        << "the key tap never went live";
    pause(1500ms);

    // Clicks come in bursts, one per stretch of plain typing, each a second
    // or more from any secret typed.
    std::vector<int> expectedBursts;
    struct Window {
        QString program;
        QString holder;
        bool qt;
    };
    for (const auto& [program, holder, qt] :
         {Window{GTK_WINDOW, "tocko-gtk-secure-window", false}, Window{QT_WINDOW, "Tocko Qt Window", true}}) {
        SCOPED_TRACE(holder.toStdString());
        auto window = session.openWindow(program, qt);
        ASSERT_TRUE(window) << "the window did not open";
        window->send("plain");
        window->waitForLine("ok");
        pause(300ms);
        type({"a", "s", "d", "f", "g"});
        expectedBursts.push_back(5);
        pause(1000ms);
        // The first focus may come before the window has learned that we listen.
        QString on;
        for (int attempt = 0; attempt < 5 && on.isEmpty(); ++attempt) {
            window->send(attempt % 2 ? "plain" : "secret");
            window->waitForLine("ok");
            if (attempt % 2 == 0) on = tocko.waitForLine("[Tocko] SecureInput: active=true", 2s);
        }
        ASSERT_EQ(on, "[Tocko] SecureInput: active=true holder=" + holder);
        type({"h", "u", "n", "t", "e", "r", "2"});  // a secret: no sound
        pause(1000ms);
        window->send("plain");
        window->waitForLine("ok");
        ASSERT_FALSE(tocko.waitForLine("[Tocko] SecureInput: active=false", 5s).isEmpty());
        pause(200ms);
        type({"j", "k", "l"});
        expectedBursts.push_back(3);
        window->send("quit");
        pause(500ms);
    }
    pause(2500ms);  // the monitor may deliver in chunks
    recorder.stop(SIGINT);

    const std::vector<float> samples = tocko::test::readMono(wav);
    ASSERT_FALSE(samples.empty()) << "nothing recorded from tocko_null.monitor";
    std::vector<double> clicks = tocko::test::onsets(samples);
    // The launch click, a second and a half or more before the first key.
    if (clicks.size() >= 2 && clicks[1] - clicks[0] > 1.0) clicks.erase(clicks.begin());
    std::vector<int> bursts;
    double last = -10;
    for (double t : clicks) {
        if (t - last > 0.6) bursts.push_back(0);
        ++bursts.back();
        last = t;
    }
    // A secret key heard would make a burst of its own or add to one. On a
    // busy machine two plain clicks may land close enough to count as one.
    ASSERT_EQ(bursts.size(), expectedBursts.size()) << "a burst of clicks while a secret was typed";
    for (size_t i = 0; i < bursts.size(); ++i) {
        EXPECT_LE(bursts[i], expectedBursts[i]) << "burst " << i;
        EXPECT_GE(bursts[i], expectedBursts[i] - 1) << "burst " << i;
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
