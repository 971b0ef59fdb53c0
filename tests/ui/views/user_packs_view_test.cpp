// Settings › My Packs over a real application state on fake platform
// services: a pack made from a bundled sound is imported through the section's own
// library, listed, offered as the sixth style in the pack pickers and
// chosen there; a broken pack's error reads in the chosen language; a pack
// is removed with its row's button.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "audio/output.h"
#include "audio/pack.h"
#include "ui/l10n/localization_store.h"
#include "userpacks/pack_problem.h"
#include "userpacks/user_pack_library.h"
#include "userpacks/user_packs.h"
#include "view_fixture.h"

using namespace tocko;
using userpacks::PackError;
using userpacks::PackProblem;

namespace {

// A key of the pack: one of the bundled sounds.
void copySound(const QString& to) {
    ASSERT_TRUE(QFile::copy(QString::fromStdString(defaultSoundsDirectory()) + "/pack-soft.wav", to))
        << to.toStdString();
}

class UserPacksViewTest : public test::AppStateTest {
protected:
    void SetUp() override {
        QDir(userpacks::defaultPacksDir()).removeRecursively();
        AppStateTest::SetUp();
        ui->openSettings();
        wait();
        ASSERT_TRUE(ui->settingsWindow());
        view = ui->settingsWindow()->findChild<QQuickItem*>("settingsView");
        ASSERT_TRUE(view);
        library = qobject_cast<userpacks::UserPackLibrary*>(
            item(view, "userPacksSection")->property("library").value<QObject*>());
        ASSERT_EQ(library, state->userPacksObject());
        ASSERT_TRUE(library);
    }
    void TearDown() override {
        LocalizationStore::shared().setLanguage(AppLanguage::system);
        AppStateTest::TearDown();
        QDir(userpacks::defaultPacksDir()).removeRecursively();
    }

    // Imports through the section's library and waits until it is done.
    void importFrom(const QString& path) {
        QMetaObject::invokeMethod(library, "importFrom",
                                  Q_ARG(QString, QUrl::fromLocalFile(path).toString()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !library->importing(); }, 20000));
        QTest::qWait(30);  // the engine's queue tells the views
    }
    // Style headers of a picker and the items after the last one.
    static std::pair<QStringList, QVariantList> sections(QQuickItem* picker) {
        QStringList headers;
        QVariantList lastItems;
        for (const QVariant& e : picker->property("entries").toList()) {
            const QVariantMap m = e.toMap();
            if (m.value("kind") == "header") {
                headers << m.value("text").toString();
                lastItems.clear();
            } else if (m.value("kind") == "item") {
                lastItems << m;
            }
        }
        return {headers, lastItems};
    }

    QQuickItem* view = nullptr;
    userpacks::UserPackLibrary* library = nullptr;
    QTemporaryDir sources;
};

TEST_F(UserPacksViewTest, ImportListChooseFailAndRemove) {
    QQuickItem* picker = item(item(view, "defaultEditor"), "packPicker");
    ASSERT_EQ(sections(picker).first.size(), 5) << "no sixth style before a pack is imported";

    QDir().mkpath(sources.filePath("Desk Board"));
    copySound(sources.filePath("Desk Board/30.wav"));
    copySound(sources.filePath("Desk Board/30-up.wav"));
    importFrom(sources.filePath("Desk Board"));
    ASSERT_EQ(library->lastError(), "") << library->lastProblem().english().toStdString();
    QQuickItem* row = item(view, "userPack:user-desk-board");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->property("label").toString(), "Desk Board");

    // The sixth style in the default profile's picker, the rules' and the mouse picker.
    for (QQuickItem* p : {picker, item(view, "mousePicker")}) {
        const auto [headers, items] = sections(p);
        ASSERT_EQ(headers.size(), 6);
        EXPECT_EQ(headers.last(), "My Packs");
        ASSERT_EQ(items.size(), 1);
        EXPECT_EQ(items[0].toMap().value("value").toString(), "user-desk-board");
        EXPECT_EQ(items[0].toMap().value("text").toString(), "Desk Board");
    }
    call(picker, "choose", {"user-desk-board"});
    const std::optional<PackID> slot = userPackSlot("user-desk-board");
    ASSERT_TRUE(slot);
    EXPECT_EQ(state->context().store().defaultProfile.pack, *slot);
    EXPECT_EQ(picker->property("text").toString(), "Desk Board");

    // A broken pack: its error shows under the section, in the chosen language.
    QDir().mkpath(sources.filePath("Broken"));
    QFile config(sources.filePath("Broken/config.json"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("{\"name\": ");
    config.close();
    importFrom(sources.filePath("Broken"));
    EXPECT_EQ(library->lastProblem().code, PackError::configNotJson);
    EXPECT_EQ(text(view, "userPacksNote"), library->lastProblem().text());
    LocalizationStore::shared().setLanguage(AppLanguage::de);
    settle();
    const QString german = library->lastProblem().text(
        [](const char* key) { return LocalizationStore::shared().translate(key, "de"); });
    EXPECT_NE(german, library->lastProblem().english());
    EXPECT_EQ(text(view, "userPacksNote"), german);
    EXPECT_EQ(sections(picker).first.last(), LocalizationStore::shared().translate("My Packs"));
    LocalizationStore::shared().setLanguage(AppLanguage::system);
    settle();
    EXPECT_EQ(library->packs().size(), 1) << "a failed import installs nothing";

    // Removing the pack takes it out of the list and the pickers; the
    // profile keeps naming it, so that it comes back when reinstalled.
    click(row, "removePack");
    QTest::qWait(30);
    EXPECT_FALSE(find(view, "userPack:user-desk-board"));
    EXPECT_EQ(sections(picker).first.size(), 5);
    EXPECT_FALSE(QFileInfo::exists(userpacks::defaultPacksDir() + "/user-desk-board"));
    EXPECT_EQ(library->lastError(), "");
    EXPECT_EQ(state->context().store().defaultProfile.pack, *slot);
}

}  // namespace
