#pragma once
// What the view tests share: an application state stand-in with the same
// published names, a fake sound engine under a real context engine, the
// action hooks as recorders, and loading a view of "Tocko.Views" into an
// offscreen window.

#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlPropertyMap>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>
#include <filesystem>

#include "app/app_state.h"
#include "context/context_engine.h"
#include "platform/fake/fake_platform.h"
#include "tests/common/fake_sink.h"
#include "ui/views/context_model.h"
#include "ui/views/running_apps.h"
#include "ui/views/ui_entry.h"
#include "ui/views/view_actions.h"
#include "ui/views/views.h"

namespace tocko::test {

// Calls of the action hooks, by name.
struct ActionLog {
    std::vector<std::string> calls;
    std::vector<std::pair<PackID, float>> plays;
    int count(const std::string& name) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), name));
    }
};

// Running applications the tests set.
class FakeRunningApps : public ui::RunningAppsSource {
public:
    std::vector<ui::RunningAppEntry> entries;
    std::vector<ui::RunningAppEntry> runningApplications() override { return entries; }
};

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove_all(ProfileStore::supportDirectory());
        QSettings("Pollix", "Tocko").clear();
        engine = std::make_unique<ContextEngine>(sink, ProfileStore::emptyStore());
        context = std::make_unique<ui::ContextModel>(engine.get());
        actions = std::make_unique<ui::ViewActions>(hooks());
        // The application state's and the updater's published fields, set by
        // the tests and by the views.
        for (const char* flag :
             {"isEnabled", "permissionGranted", "permissionPartial", "needsRelaunchToActivate",
              "needsInstall", "launchAtLogin", "secureInputActive"})
            app.insert(flag, false);
        app.insert("inputAccessGrant", 0);
        app.insert("secureInputHolder", QString());
        app.insert("currentOutputDevice", "Null Output");
        updater.insert("canCheckForUpdates", false);
        running = std::make_shared<FakeRunningApps>();
        ui::setRunningAppsSource(running);
        ui::prepareViewEngine(qml);
    }
    void TearDown() override {
        window.reset();
        context.reset();
        engine.reset();
    }

    ui::ViewActions::Hooks hooks() {
        ui::ViewActions::Hooks h;
        auto note = [this](const char* name) { return [this, name] { log.calls.push_back(name); }; };
        h.play = [this](PackID p, float v) { log.plays.push_back({p, v}); };
        h.currentPack = [this] { return sink->state().get().pack; };
        h.collectDiagnostics = [this](std::function<void(QString)> done) {
            log.calls.push_back("collectDiagnostics");
            done(QStringLiteral("Tocko Diagnostics\nline 2"));
        };
        h.permissionGranted = [this] { return app.value("permissionGranted").toBool(); };
        // The request is granted at once when the test says so.
        h.requestPermission = [this] {
            log.calls.push_back("requestPermission");
            if (grantOnRequest) app.insert("permissionGranted", true);
        };
        using H = ui::ViewActions::Hooks;
        for (auto [hook, name] : std::initializer_list<std::pair<std::function<void()> H::*, const char*>>{
                 {&H::openInputMonitoringSettings, "openInputMonitoringSettings"},
                 {&H::grantInputAccess, "grantInputAccess"},
                 {&H::revealApp, "revealApp"},
                 {&H::relaunch, "relaunch"},
                 {&H::quit, "quit"},
                 {&H::openSettings, "openSettings"},
                 {&H::checkForUpdates, "checkForUpdates"},
                 {&H::showOnboarding, "showOnboarding"},
                 {&H::uninstall, "uninstall"}})
            h.*hook = note(name);
        h.shortVersion = "1.2.3";
        h.buildVersion = "45";
        return h;
    }

    // Creates `type` of Tocko.Views with the given properties inside an
    // offscreen window; fails the test when it does not load.
    QQuickItem* load(const QString& type, QVariantMap properties = {}) {
        QQmlComponent component(&qml);
        component.setData(("import Tocko.Views\n" + type + " {}").toUtf8(), QUrl("qrc:/view-test.qml"));
        if (component.isError()) {
            ADD_FAILURE() << component.errorString().toStdString();
            return nullptr;
        }
        window = std::make_unique<QQuickWindow>();
        properties.insert("parent", QVariant::fromValue(window->contentItem()));
        QObject* object = component.createWithInitialProperties(properties);
        EXPECT_TRUE(object) << component.errorString().toStdString();
        auto* item = qobject_cast<QQuickItem*>(object);
        if (!item) return nullptr;
        item->setParent(window.get());
        window->resize(int(item->width() > 0 ? item->width() : item->implicitWidth()),
                       int(item->height() > 0 ? item->height() : item->implicitHeight()));
        window->show();
        settle();
        return item;
    }
    QVariantMap menuProperties() {
        return {{"app", QVariant::fromValue<QObject*>(&app)},
                {"context", QVariant::fromValue<QObject*>(context.get())},
                {"updater", QVariant::fromValue<QObject*>(&updater)},
                {"actions", QVariant::fromValue<QObject*>(actions.get())}};
    }

    // Calls a QML function of `object`, with one argument or none.
    static QVariant call(QObject* object, const char* function, const QVariant& arg = {}) {
        QVariant result;
        if (arg.isValid())
            QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, arg));
        else
            QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result));
        settle();
        return result;
    }

    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // The item named `name` below `root` (object or visual children, so
    // items made by repeaters count); fails the test when missing.
    static QQuickItem* find(QObject* root, const QString& name) {
        if (auto* found = root->findChild<QQuickItem*>(name)) return found;
        auto* item = qobject_cast<QQuickItem*>(root);
        if (!item) return nullptr;
        for (QQuickItem* child : item->childItems()) {
            if (child->objectName() == name) return child;
            if (QQuickItem* found = find(child, name)) return found;
        }
        return nullptr;
    }
    static QQuickItem* item(QObject* root, const char* name) {
        QQuickItem* found = find(root, QString::fromUtf8(name));
        EXPECT_TRUE(found) << "no item named " << name;
        return found;
    }
    static QString text(QObject* root, const char* name) {
        QQuickItem* i = item(root, name);
        return i ? i->property("text").toString() : QString();
    }
    // Visible: the item and all its ancestors.
    static bool shown(QObject* root, const char* name) {
        QQuickItem* i = item(root, name);
        return i && i->isVisible();
    }
    // Which of `names` are shown, space-separated.
    static std::string shownOf(QObject* root, std::initializer_list<const char*> names) {
        std::string on;
        for (const char* name : names)
            if (shown(root, name)) on += (on.empty() ? "" : " ") + std::string(name);
        return on;
    }
    // Scrolls the nearest enclosing flickable so that `i` is inside the window.
    static void scrollIntoView(QQuickItem* i) {
        const QRectF inScene = i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
        const double windowHeight = i->window()->height();
        if (inScene.top() >= 0 && inScene.bottom() <= windowHeight) return;
        for (QQuickItem* p = i->parentItem(); p; p = p->parentItem()) {
            if (p->metaObject()->indexOfProperty("contentY") < 0) continue;
            const double y = p->property("contentY").toDouble() + inScene.center().y() - windowHeight / 2;
            p->setProperty("contentY", std::max(0.0, y));
            settle();
            return;
        }
    }

    // A real left click in the middle of the item.
    void click(QObject* root, const char* name) {
        QQuickItem* i = item(root, name);
        ASSERT_TRUE(i);
        ASSERT_TRUE(i->isVisible()) << name << " is hidden";
        // A frame lays out what changed since the last one (polish).
        i->window()->grabWindow();
        scrollIntoView(i);
        i->window()->grabWindow();
        const QPointF centre = i->mapToScene(QPointF(i->width() / 2, i->height() / 2));
        QTest::mouseClick(i->window(), Qt::LeftButton, {}, centre.toPoint());
        settle();
    }

    std::shared_ptr<FakeSink> sink = std::make_shared<FakeSink>();
    std::shared_ptr<FakeRunningApps> running;
    std::unique_ptr<ContextEngine> engine;
    std::unique_ptr<ui::ContextModel> context;
    QQmlPropertyMap app, updater;
    ActionLog log;
    bool grantOnRequest = false;
    std::unique_ptr<ui::ViewActions> actions;
    QQmlEngine qml;
    std::unique_ptr<QQuickWindow> window;
};

// A real application state on fake platform services, without the tour,
// and the entry over it.
class AppStateTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        setenv("TOCKO_NO_ONBOARDING", "1", 1);
        AppState::Dependencies deps;
        deps.platform = fakePlatform();
        deps.localization = std::make_shared<FakeLocalizationProbe>();
        deps.executablePath = "/usr/bin/tocko";
        deps.homeDirectory = "/home/ada";
        deps.fontAvailable = [](const std::string&) { return true; };
        state = std::make_unique<AppState>(std::move(deps));
        ui = ui::install(*state);
        wait();
    }
    void TearDown() override {
        ui.reset();
        state.reset();
        unsetenv("TOCKO_NO_ONBOARDING");
        ViewTest::TearDown();
    }
    // Lets the state's queued work and the windows' timers run.
    static void wait() { QTest::qWait(30); }

    std::unique_ptr<AppState> state;
    std::unique_ptr<ui::TockoUi> ui;
};

inline AppProfile makeRule(const std::string& id, const std::string& name, PackID pack, double volume) {
    return {id, name, pack, volume, false};
}

}  // namespace tocko::test
