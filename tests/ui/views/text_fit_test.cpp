// Every view in every offered language: no text is cut off (elided, or past
// its line limit), wider than its box, or reaching past an item that clips
// it or the window. Scroll views may be as tall as their content. Japanese,
// Korean and Chinese need a CJK font from the system.
#include <QDir>
#include <QQuickWindow>

#include "ui/l10n/app_language.h"
#include "ui/l10n/localization_store.h"
#include "ui/views/motion.h"
#include "view_fixture.h"

using namespace tocko;

namespace {

class TextFitTest : public test::ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        ui::MotionSettings::shared().setReduceMotion(true);
    }
    void TearDown() override {
        LocalizationStore::shared().setLanguage(AppLanguage::system);
        ui::MotionSettings::shared().setReduceMotion(false);
        ViewTest::TearDown();
    }

    static bool isText(const QQuickItem* i) { return i->inherits("QQuickText"); }
    // Only a scroll view shows that it scrolls; any other flickable clips.
    static bool isScrollArea(const QQuickItem* i) {
        return i->inherits("QQuickFlickable") && i->parentItem() &&
               i->parentItem()->inherits("QQuickScrollView");
    }

    static bool painted(const QQuickItem* i) {
        for (const QQuickItem* p = i; p; p = p->parentItem())
            if (!p->isVisible() || p->opacity() <= 0.01) return false;
        return true;
    }

    // The problems of one text, with where it is, in `problems`.
    static void checkText(QQuickItem* t, const QString& where, QStringList& problems) {
        const QString text = t->property("text").toString();
        if (text.trimmed().isEmpty()) return;
        auto report = [&](const QString& what) {
            problems << QStringLiteral("%1: \"%2\" %3").arg(where, text.left(60), what);
        };
        if (t->property("truncated").toBool()) report(QStringLiteral("is cut off"));
        const double contentWidth = t->property("contentWidth").toDouble();
        const double contentHeight = t->property("contentHeight").toDouble();
        if (contentWidth > t->width() + 1) report(QStringLiteral("is wider than its box"));
        if (contentHeight > t->height() + 1) report(QStringLiteral("is taller than its box"));

        // What the text paints, in the scene.
        const QRectF box = t->mapRectToScene(
            QRectF(0, 0, std::max(t->width(), contentWidth), std::max(t->height(), contentHeight)));
        // Clipping ancestors bound it; past a scrolling area only sideways.
        const double inf = 1e9;
        QRectF allowed(-inf, -inf, 2 * inf, 2 * inf);
        bool scrolls = false;
        auto bound = [&](const QRectF& r) {
            allowed = allowed.intersected(
                scrolls ? QRectF(r.left(), allowed.top(), r.width(), allowed.height()) : r);
        };
        for (QQuickItem* p = t->parentItem(); p; p = p->parentItem()) {
            if (p->objectName() == QLatin1String("menuCopy")) return;  // a cropped picture of the panel
            if (isScrollArea(p) && !scrolls) {
                const QRectF view = p->mapRectToScene(QRectF(0, 0, p->width(), p->height()));
                QQuickItem* content = p->property("contentItem").value<QQuickItem*>();
                const QRectF all =
                    content ? content->mapRectToScene(QRectF(0, 0, p->property("contentWidth").toDouble(),
                                                             p->property("contentHeight").toDouble()))
                            : view;
                bound(QRectF(view.left(), all.top(), view.width(), std::max(all.height(), view.height())));
                scrolls = true;
            } else if (p->clip()) {
                bound(p->mapRectToScene(QRectF(0, 0, p->width(), p->height())));
            }
        }
        bound(QRectF(QPointF(0, 0), t->window()->size()));
        if (!allowed.adjusted(-1, -1, 1, 1).contains(box))
            report(QStringLiteral("reaches past its container"));
    }

    static void collect(QQuickItem* root, const QString& where, QStringList& problems) {
        QList<QQuickItem*> stack{root};
        while (!stack.isEmpty()) {
            QQuickItem* i = stack.takeLast();
            if (!painted(i)) continue;
            if (isText(i)) checkText(i, where, problems);
            stack.append(i->childItems());
        }
    }

    // Lays the window out as it would be shown, keeps a picture of it for
    // looking at the layout (build/screenshots/<language>-<view>.png), then
    // checks it.
    void check(QQuickItem* view, const QString& name, QStringList& problems) {
        ASSERT_TRUE(view);
        window->grabWindow();
        settle();
        QDir().mkpath(TOCKO_SCREENSHOT_DIR);
        EXPECT_TRUE(window->grabWindow().save(QStringLiteral(TOCKO_SCREENSHOT_DIR "/%1.png").arg(name)));
        collect(window->contentItem(), name, problems);
    }
};

TEST_F(TextFitTest, EveryViewInEveryLanguage) {
    // A state that shows the most text: warnings, a rule, no permission.
    engine->upsertRule(test::makeRule("org.example.Mail", "Mail", PackID::felt, 0.4));
    engine->setCurrentApp(std::string("org.example.Mail"), std::string("Mail"));
    app.insert("needsInstall", true);
    app.insert("needsRelaunchToActivate", true);
    app.insert("secureInputActive", true);
    app.insert("permissionPartial", true);
    app.insert("inputAccessGrant", 3);

    QStringList problems;
    for (AppLanguage language : allAppLanguages()) {
        if (language == AppLanguage::system) continue;
        LocalizationStore::shared().setLanguage(language);
        const QString lang = rawValue(language);
        check(load("MenuView", menuProperties()), lang + "-panel", problems);
        check(load("SettingsView", menuProperties()), lang + "-settings", problems);
        for (int step = 0; step < 6; ++step) {
            QVariantMap properties = menuProperties();
            properties.insert("startStep", step);
            check(load("OnboardingView", properties), lang + QStringLiteral("-tour-%1").arg(step + 1),
                  problems);
        }
        QVariantMap noTray = menuProperties();
        noTray.insert("startStep", 5);
        noTray.insert("trayPresent", false);
        check(load("OnboardingView", noTray), lang + "-tour-6-no-tray", problems);
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.size() << " texts do not fit:\n"
                                    << problems.join('\n').toStdString();
}

}  // namespace
