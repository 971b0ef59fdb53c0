#include "ui/uninstall/uninstall.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "tests/common/test_support.h"
#include "ui/l10n/localization_store.h"

using namespace tocko;

namespace {
void writeFile(const QString& path, const std::string& data = "x") {
    test::writeText(path.toStdString(), data);
}

struct UninstallFixture : ::testing::Test {
    QTemporaryDir root;
    UninstallLocations locations{root.filePath("data"), root.filePath("config"), root.filePath("cache")};
    std::shared_ptr<FakeLoginItem> loginItem = std::make_shared<FakeLoginItem>();
    UninstallFixture() { loginItem->enabled = true; }
    std::vector<std::string> steps;
    bool confirmAnswer = true;
    bool trashWorks = true;
    QString undoCommand;  // what the system would need to take input access back
    QString shownUndo;
    std::optional<bool> shownMoved;
    QString trashed;

    UninstallServices services() {
        UninstallServices s;
        s.organization = "Pollix";
        s.application = "Tocko";
        s.locations = locations;
        s.executablePath = root.filePath("bin/tocko");
        s.loginItem = loginItem;
        s.confirm = [this](const UninstallTexts& t) {
            steps.push_back("confirm:" + t.confirmTitle.toStdString());
            return confirmAnswer;
        };
        s.clearSettings = [this] { steps.push_back("clearSettings"); };
        s.moveToTrash = [this](const QString& path) {
            steps.push_back("trash");
            trashed = path;
            return trashWorks;
        };
        s.inputAccessUndoCommand = [this] { return undoCommand; };
        s.showResult = [this](const UninstallTexts&, bool moved, const QString& undo) {
            steps.push_back("result");
            shownMoved = moved;
            shownUndo = undo;
        };
        s.exitProcess = [this] { steps.push_back("exit"); };
        return s;
    }

    void populate() {
        writeFile(locations.dataHome + "/Pollix/profiles.json", "{}");
        writeFile(locations.dataHome + "/Pollix/profiles.corrupt.json", "{");
        writeFile(locations.cacheHome + "/Pollix/Tocko/qmlcache/a.qmlc");
        writeFile(locations.cacheHome + "/Tocko/b");
        writeFile(locations.configHome + "/Pollix/Tocko.conf", "[General]\nappLanguage=de\n");
        writeFile(locations.configHome + "/Pollix/Other.conf");  // another Pollix application's
        writeFile(locations.dataHome + "/unrelated/keep");
        writeFile(root.filePath("bin/tocko"));
    }
};
}  // namespace

TEST_F(UninstallFixture, RelativeXdgVariablesAreIgnored) {
    {
        test::ScopedEnv relative("XDG_DATA_HOME", "relative/ignored");
        EXPECT_EQ(uninstallLocationsFromEnvironment().dataHome, QDir::homePath() + "/.local/share");
    }
    const test::ScopedEnv absolute("XDG_DATA_HOME", root.filePath("data").toUtf8().constData());
    EXPECT_EQ(uninstallLocationsFromEnvironment().dataHome, root.filePath("data"));
}

TEST_F(UninstallFixture, CancelLeavesEverythingThenUninstallRemovesItsOwnFilesInOrder) {
    populate();
    confirmAnswer = false;
    uninstall(services());
    EXPECT_EQ(steps, (std::vector<std::string>{"confirm:Uninstall Tocko?"}));
    EXPECT_EQ(loginItem->unregisterCalls, 0);
    EXPECT_TRUE(QFile::exists(locations.dataHome + "/Pollix/profiles.json"));
    EXPECT_TRUE(QFile::exists(locations.configHome + "/Pollix/Tocko.conf"));
    EXPECT_TRUE(QFile::exists(root.filePath("bin/tocko")));

    steps.clear();
    confirmAnswer = true;
    uninstall(services());
    EXPECT_EQ(steps, (std::vector<std::string>{"confirm:Uninstall Tocko?", "clearSettings", "trash", "result",
                                               "exit"}));
    EXPECT_EQ(loginItem->unregisterCalls, 1);
    EXPECT_FALSE(QFileInfo::exists(locations.dataHome + "/Pollix"))
        << "data folder, quarantine copy included";
    EXPECT_FALSE(QFileInfo::exists(locations.cacheHome + "/Pollix"));
    EXPECT_FALSE(QFileInfo::exists(locations.cacheHome + "/Tocko"));
    EXPECT_FALSE(QFileInfo::exists(locations.configHome + "/Pollix/Tocko.conf"));
    // Other applications' files stay.
    EXPECT_TRUE(QFileInfo::exists(locations.configHome + "/Pollix/Other.conf"));
    EXPECT_TRUE(QFileInfo::exists(locations.dataHome + "/unrelated/keep"));
    EXPECT_EQ(trashed, root.filePath("bin/tocko"));
    EXPECT_EQ(shownMoved, true);
}

TEST_F(UninstallFixture, NothingPresentAndEveryFailureStillRunsToTheEnd) {
    loginItem->failWith = "refused";
    trashWorks = false;
    undoCommand = "sudo gpasswd -d ada input";
    uninstall(services());
    EXPECT_EQ(loginItem->unregisterCalls, 1);
    EXPECT_EQ(steps, (std::vector<std::string>{"confirm:Uninstall Tocko?", "clearSettings", "trash", "result",
                                               "exit"}));
    EXPECT_EQ(shownUndo, undoCommand) << "the last step names the command that takes the access back";
    EXPECT_EQ(shownMoved, false) << "a failed move shows the not-moved title";

    // A login item that is off is left alone.
    uninstall(services());
    EXPECT_EQ(loginItem->unregisterCalls, 2);
    uninstall(services());
    EXPECT_EQ(loginItem->unregisterCalls, 2);
}

TEST_F(UninstallFixture, RemovalSkipsWhatItCannotDeleteAndTrashesOnlyAFile) {
    populate();
    const QString locked = locations.cacheHome + "/Tocko";
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    removeExistingItems(uninstallTargets(locations, "Pollix", "Tocko"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Whatever stayed behind, the items after it were still removed.
    EXPECT_FALSE(QFileInfo::exists(locations.configHome + "/Pollix/Tocko.conf"));
    EXPECT_FALSE(QFileInfo::exists(locations.dataHome + "/Pollix"));

    // The executable goes to the freedesktop Trash, only when it is the user's own file.
    EXPECT_FALSE(moveOwnFileToTrash(root.filePath("missing")));
    EXPECT_FALSE(moveOwnFileToTrash(root.path())) << "a folder is not the executable";
    QDir().mkpath(qEnvironmentVariable("XDG_DATA_HOME"));
    writeFile(root.filePath("bin/tocko"));
    ASSERT_TRUE(moveOwnFileToTrash(root.filePath("bin/tocko")));
    EXPECT_FALSE(QFile::exists(root.filePath("bin/tocko")));
    EXPECT_TRUE(QFile::exists(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/tocko"));
}

// Looked up when asked, not once at start.
TEST(UninstallTexts, AreLookedUpInTheChosenLanguage) {
    LocalizationStore::shared().setLanguage(AppLanguage::de);
    const UninstallTexts de = uninstallTexts();
    LocalizationStore::shared().setLanguage(AppLanguage::system);
    EXPECT_EQ(uninstallTexts().confirmTitle, "Uninstall Tocko?");
    EXPECT_EQ(de.confirmTitle, LocalizationStore::shared().translate("Uninstall Tocko?", "de"));
    EXPECT_NE(de.resultBody, uninstallTexts().resultBody);
}
