// The Linux platform services of the application: the XDG autostart entry,
// the bell of the audio check, and the Qt dispatcher of main-thread work.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/input_access.h"
#include "app/main_dispatcher.h"
#include "app_test_support.h"
#include "platform/linux/autostart.h"
#include "platform/linux/bell.h"
#include "platform/linux/linux_platform.h"
#include "support/main_thread.h"

using namespace tocko;
using namespace tocko::test;

namespace {

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override {
        configHome = isolatedHome() + "/autostart-test";
        std::filesystem::remove_all(configHome);
    }
    std::string configHome;
};

}  // namespace

TEST_F(AutostartTest, RegisterWritesAnEnabledEntryAndUnregisterRemovesIt) {
    AutostartLoginItem item("/home/ada/.local/bin/tocko", configHome);
    EXPECT_EQ(item.entryPath(), configHome + "/autostart/tocko.desktop");
    EXPECT_FALSE(item.isEnabled());
    std::string error;
    ASSERT_TRUE(item.registerItem(error)) << error;
    EXPECT_TRUE(item.isEnabled());
    const std::string text = readText(item.entryPath());
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    // The installed program, without windows at login, under the application's icon.
    EXPECT_NE(text.find("\nExec=/home/ada/.local/bin/tocko --background\n"), std::string::npos);
    EXPECT_NE(text.find("\nIcon=com.pollix.Tocko\n"), std::string::npos);
    ASSERT_TRUE(item.unregisterItem(error)) << error;
    EXPECT_FALSE(std::filesystem::exists(item.entryPath()));
    EXPECT_FALSE(item.isEnabled());
    EXPECT_TRUE(item.unregisterItem(error));  // nothing to remove is no failure

    // Without a folder given: XDG_CONFIG_HOME when absolute, else ~/.config.
    ScopedEnv config("XDG_CONFIG_HOME", configHome.c_str());
    EXPECT_EQ(AutostartLoginItem("/usr/bin/tocko").entryPath(), configHome + "/autostart/tocko.desktop");
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(AutostartLoginItem("/usr/bin/tocko").entryPath(),
              isolatedHome() + "/.config/autostart/tocko.desktop");
}

TEST_F(AutostartTest, EntriesSwitchedOffByTheDesktopCountAsOff) {
    AutostartLoginItem item("/usr/bin/tocko", configHome);
    std::filesystem::create_directories(configHome + "/autostart");
    for (const auto& [text, enabled] : std::initializer_list<std::pair<const char*, bool>>{
             {"[Desktop Entry]\nType=Application\nExec=tocko\nHidden=true\n", false},
             {"[Desktop Entry]\nExec=tocko\nX-GNOME-Autostart-enabled=false\n", false},
             {"[Desktop Entry]\nExec=tocko\n[Desktop Action x]\nHidden=true\n", true},
             {"not a desktop entry\n", false}}) {
        std::ofstream(item.entryPath()) << text;
        EXPECT_EQ(item.isEnabled(), enabled) << text;
    }
    std::string error;
    ASSERT_TRUE(item.registerItem(error));  // registering replaces a disabled entry
    EXPECT_TRUE(item.isEnabled());

    // A file where the folder should be is a failure.
    std::filesystem::remove_all(configHome + "/autostart");
    std::ofstream(configHome + "/autostart") << "a file where the folder should be";
    EXPECT_FALSE(item.registerItem(error));
    EXPECT_FALSE(error.empty());
}

TEST_F(AutostartTest, ExecLineQuotesAndEscapesThePath) {
    EXPECT_EQ(desktopExecArgument("/usr/bin/tocko"), "/usr/bin/tocko");
    EXPECT_EQ(desktopExecArgument("/home/ada/My Apps/tocko"), "\"/home/ada/My Apps/tocko\"");
    EXPECT_EQ(desktopExecArgument("/opt/100%/tocko"), "/opt/100%%/tocko");
    // $ escaped inside the quotes; the backslash doubled again for the file.
    EXPECT_EQ(desktopExecArgument("/tmp/a$b"), "\"/tmp/a\\\\$b\"");
    EXPECT_EQ(desktopExecArgument("/tmp/a\"b"), "\"/tmp/a\\\\\"b\"");
    EXPECT_EQ(desktopExecArgument("/tmp/a\\b"), "\"/tmp/a\\\\\\\\b\"");
    EXPECT_EQ(desktopExecArgument("/tmp/line\nbreak"), std::nullopt);

    AutostartLoginItem item("/tmp/line\nbreak", configHome);
    std::string error;
    EXPECT_FALSE(item.registerItem(error));
    EXPECT_NE(error.find("cannot be written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(item.entryPath()));
}

TEST(Bell, IsAnAudibleWaveAndAPlayerThatCannotStartIsReportedAndLeavesNoFile) {
    const std::vector<uint8_t> wav = bellWav();
    ASSERT_GT(wav.size(), 44u + 48000 / 4 * 2);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    int peak = 0;
    for (size_t i = 44; i + 1 < wav.size(); i += 2)
        peak = std::max(peak, std::abs(int(int16_t(wav[i] | wav[i + 1] << 8))));
    EXPECT_GT(peak, 8000);

    EXPECT_EQ(playBellWith("/nonexistent/player"), -1);
    EXPECT_EQ(playBellWith("true"), 0);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder = runtime && runtime[0] == '/' ? runtime : "/tmp";
    EXPECT_FALSE(std::filesystem::exists(folder + "/tocko-bell-" + std::to_string(getpid()) + ".wav"));
}

TEST(MainDispatcher, PostedWorkRunsOnTheQtMainThread) {
    installQtMainDispatcher();
    std::atomic<bool> ran{false};
    std::atomic<bool> onMain{false};
    std::thread([&] {
        postToMain([&] {
            onMain = QThread::currentThread() == QCoreApplication::instance()->thread();
            ran = true;
        });
    }).join();
    ASSERT_TRUE(waitUntil([&] { return ran.load(); }));
    EXPECT_TRUE(onMain);
}

// The script run as root through pkexec: valid shell, and it refuses every
// mode but its two, and the group mode without pkexec's caller id.
TEST(InputAccessGrantScript, IsValidShellAndRefusesWhatItDoesNotKnow) {
    const QString script = QString::fromStdString(inputAccessGrantScript());
    auto run = [&](const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment()) {
        QProcess sh;
        sh.setProcessEnvironment(env);
        sh.start(QStringLiteral("/bin/sh"), args);
        EXPECT_TRUE(sh.waitForFinished(5000));
        return sh.exitCode();
    };
    EXPECT_EQ(run({"-n", "-c", script}), 0) << "syntax";
    EXPECT_EQ(run({"-c", script, "tocko-input-access", "everything"}), 2);
    EXPECT_NE(run({"-c", script, "tocko-input-access", "group"}), 0) << "no PKEXEC_UID: no user to add";
    EXPECT_TRUE(script.contains("/etc/udev/rules.d/70-tocko-input.rules"));
    EXPECT_TRUE(script.contains("TAG+=\"uaccess\""));

    const std::string manual = manualInputAccessCommands();
    EXPECT_NE(manual.find("ENV{ID_INPUT_KEYBOARD}==\"1\""), std::string::npos);
    EXPECT_NE(manual.find("usermod -aG input"), std::string::npos);
}
