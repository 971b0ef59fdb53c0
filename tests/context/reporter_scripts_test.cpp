// The KWin script and both GNOME Shell extensions are JavaScript that only
// the compositors run, and neither compositor runs here: node parses each one
// as KWin or the Shell would load it and runs it against stand-ins of their
// objects (reporter_scripts.mjs).

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <QByteArray>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/linux/frontmost_sources.h"
#include "tests/common/test_support.h"

TEST(ReporterScripts, ParseAndReportFocusUnderNode) {
    if (std::system("command -v node >/dev/null 2>&1") != 0) GTEST_SKIP() << "node is not installed";
    const std::filesystem::path script =
        std::filesystem::temp_directory_path() / ("tocko-kwin-script-" + std::to_string(getpid()) + ".js");
    const QByteArray kwin = tocko::kwinFocusScript();
    std::ofstream(script, std::ios::binary).write(kwin.constData(), kwin.size());
    const std::string command = "node '" TOCKO_SOURCE_DIR "/tests/context/reporter_scripts.mjs' '" +
                                script.string() + "' '" TOCKO_SOURCE_DIR "/resources/gnome-shell' 2>&1";
    int status = -1;
    const std::string out = tocko::test::commandOutput(command, &status);
    std::filesystem::remove(script);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
    EXPECT_NE(out.find("ok   GNOME Shell 45+"), std::string::npos) << out;
}
