// The Settings window: adding, ordering and removing rules, the mouse sound
// encoding, the default profile editor, the switches and the language.
#include <QSettings>
#include <tuple>

#include "context/mouse_sound.h"
#include "ui/l10n/localization_store.h"
#include "ui/views/mouse_sound_setting.h"
#include "view_fixture.h"

using namespace tocko;
using tocko::test::makeRule;

namespace {

class SettingsViewTest : public test::ViewTest {
protected:
    QQuickItem* settings() { return load("SettingsView", menuProperties()); }
    // Rule names in the order the form shows them.
    std::vector<std::string> ruleNames(QQuickItem* view) {
        std::vector<std::string> names;
        QQuickItem* repeater = item(view, "rules");
        const int n = repeater->property("count").toInt();
        for (int i = 0; i < n; ++i) {
            QQuickItem* row = nullptr;
            QMetaObject::invokeMethod(repeater, "itemAt", Q_RETURN_ARG(QQuickItem*, row), Q_ARG(int, i));
            names.push_back(row ? text(row, "ruleName").toStdString() : "?");
        }
        return names;
    }
};

TEST_F(SettingsViewTest, TypedIdentifierIsTrimmedAndNamedByTheRunningApp) {
    QQuickItem* view = settings();
    EXPECT_TRUE(shown(view, "noRules"));
    EXPECT_FALSE(item(view, "addTypedButton")->isEnabled());
    view->setProperty("newBundleID", "  \t\n ");
    settle();
    EXPECT_FALSE(item(view, "addTypedButton")->isEnabled());

    view->setProperty("newBundleID", "  com.example.Notes\n");
    settle();
    click(view, "addTypedButton");
    // Not running: named by its identifier.
    EXPECT_EQ(engine->store().rules.at("com.example.Notes"),
              makeRule("com.example.Notes", "com.example.Notes", allPacks().front(), 0.05));
    EXPECT_EQ(item(view, "bundleField")->property("text").toString(), "");
    EXPECT_FALSE(shown(view, "noRules"));

    running->entries = {{std::string("org.example.Mail"), std::string("Mail"), true}};
    view->setProperty("newBundleID", "org.example.Mail");
    settle();
    click(view, "addTypedButton");
    EXPECT_EQ(engine->store().rules.at("org.example.Mail").displayName, "Mail");
}

TEST_F(SettingsViewTest, RunningAppPickerAddsAndResets) {
    running->entries = {
        {std::string("org.example.Mail"), std::string("Mail"), true},
        {std::string("org.example.Mail"), std::string("Mail"), true},  // a second window
        {std::string("org.example.Panel"), std::string("Panel"), false},
        {std::nullopt, std::string("No id"), true},
        {std::string(""), std::string("Empty id"), true},
        {std::string("org.example.nameless"), std::nullopt, true},
        {std::string("org.example.Mail"), std::string("Mail (second name)"), true},
        {std::string("org.example.b"), std::string("ant"), true},
    };
    QQuickItem* view = settings();
    call(view, "refreshRunningApps");
    // Regular applications with an identifier, once each, sorted by name
    // ignoring case; a nameless one is named by its identifier.
    QStringList shown;
    for (const QVariant& e : item(view, "runningPicker")->property("entries").toList())
        shown << e.toMap().value("text").toString() + "=" + e.toMap().value("value").toString();
    EXPECT_EQ(
        shown.join(", ").toStdString(),
        "Choose…=, ant=org.example.b, Mail=org.example.Mail, org.example.nameless=org.example.nameless");

    EXPECT_FALSE(item(view, "addRunningButton")->isEnabled());
    call(item(view, "runningPicker"), "choose", "org.example.Mail");
    ASSERT_TRUE(item(view, "addRunningButton")->isEnabled());
    // The application quits before "Add": its identifier names the rule.
    running->entries.clear();
    click(view, "addRunningButton");
    EXPECT_EQ(engine->store().rules.at("org.example.Mail").displayName, "org.example.Mail");
    EXPECT_EQ(view->property("selectedRunningApp").toString(), "");
    EXPECT_FALSE(item(view, "addRunningButton")->isEnabled());
}

// Rules sort ignoring case; each row's editor writes only its rule, and its
// button removes it; the default profile's editor writes the default and
// previews the pack loud and clear, whatever the profile says.
TEST_F(SettingsViewTest, RuleAndDefaultEditorsWriteOnlyTheirProfile) {
    engine->upsertRule(makeRule("c.gamma", "gamma", PackID::ice, 0.3));
    engine->upsertRule(makeRule("a.alpha", "Alpha", PackID::tock, 0.3));
    engine->upsertRule(makeRule("b.beta", "beta", PackID::felt, 0.6));
    QQuickItem* view = settings();
    EXPECT_EQ(ruleNames(view), (std::vector<std::string>{"Alpha", "beta", "gamma"}));

    QQuickItem* alpha = item(view, "rule:a.alpha");
    ASSERT_TRUE(alpha);
    call(item(alpha, "packPicker"), "choose", "chips");
    QMetaObject::invokeMethod(item(alpha, "volumeSlider"), "edited", Q_ARG(double, 0.75));
    click(alpha, "mutedSwitch");
    EXPECT_EQ(engine->store().rules.at("a.alpha"),
              (AppProfile{"a.alpha", "Alpha", PackID::chips, 0.75, true}));
    EXPECT_EQ(engine->store().rules.at("b.beta"), makeRule("b.beta", "beta", PackID::felt, 0.6));
    EXPECT_EQ(engine->store().defaultProfile, AppProfile::builtInDefault());
    // The row stays the same one while its values change (a drag goes on).
    EXPECT_EQ(item(view, "rule:a.alpha"), alpha);
    EXPECT_EQ(text(alpha, "volumePercent"), "75%");

    click(item(view, "rule:b.beta"), "removeRule");
    EXPECT_EQ(engine->store().rules.count("b.beta"), 0u);
    EXPECT_EQ(ruleNames(view), (std::vector<std::string>{"Alpha", "gamma"}));

    QQuickItem* editor = item(view, "defaultEditor");
    call(item(editor, "packPicker"), "choose", "marble");
    QMetaObject::invokeMethod(item(editor, "volumeSlider"), "edited", Q_ARG(double, 0.35));
    click(editor, "mutedSwitch");
    const AppProfile& d = engine->store().defaultProfile;
    EXPECT_EQ(std::tuple(d.pack, d.volume, d.muted), std::tuple(PackID::marble, 0.35, true));
    click(editor, "previewButton");
    EXPECT_EQ(log.plays, (std::vector<std::pair<PackID, float>>{{PackID::marble, 0.9f}}));
    EXPECT_EQ(engine->store().rules.at("a.alpha").pack, PackID::chips);
}

TEST_F(SettingsViewTest, MouseSoundIsStoredAsItsText) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"", false, "same"},  {"off", true, "off"},  {"same", true, "same"},
        {"ice", true, "ice"}, {"Ice", true, "same"}, {"bogus", true, "same"}};
    for (const auto& [stored, present, choice] : cases)
        EXPECT_EQ(ui::mouseSoundChoice(stored, present), choice) << stored;

    QSettings("Pollix", "Tocko").setValue("mouseSound", "bogus");
    QQuickItem* view = settings();
    QQuickItem* picker = item(view, "mousePicker");
    EXPECT_EQ(picker->property("text").toString(), "Same as keyboard");
    call(picker, "choose", "tock");
    EXPECT_EQ(QSettings("Pollix", "Tocko").value("mouseSound").toString(), "tock");
    EXPECT_EQ(currentMouseSound(), MouseSound::pack(PackID::tock));  // in force for the next press
    EXPECT_EQ(picker->property("text").toString(), "Tock");
    call(picker, "choose", "off");
    EXPECT_EQ(QSettings("Pollix", "Tocko").value("mouseSound").toString(), "off");
    EXPECT_EQ(picker->property("text").toString(), "Off");
}

TEST_F(SettingsViewTest, SwitchesAndCommands) {
    QQuickItem* view = settings();
    EXPECT_FALSE(item(view, "enableSwitch")->isEnabled());
    EXPECT_TRUE(shown(view, "permissionHint"));
    click(view, "grantButton");
    app.insert("permissionGranted", true);
    settle();
    EXPECT_FALSE(shown(view, "permissionHint"));
    EXPECT_FALSE(shown(view, "grantButton"));
    click(view, "enableSwitch");
    EXPECT_TRUE(app.value("isEnabled").toBool());
    click(view, "loginSwitch");
    EXPECT_TRUE(app.value("launchAtLogin").toBool());
    ASSERT_TRUE(engine->autoMuteOnCalls());
    click(view, "autoMuteSwitch");
    EXPECT_FALSE(engine->autoMuteOnCalls());
    click(view, "tourButton");
    click(view, "uninstallButton");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"grantInputAccess", "showOnboarding", "uninstall"}));
}

// The language picker lists the system's choice first; a choice re-renders
// the form, the running-application picker and the empty rule list's hint.
TEST_F(SettingsViewTest, LanguagePickerSwitchesAndRetranslatesTheForm) {
    QQuickItem* view = settings();
    EXPECT_TRUE(shown(view, "noRulesDivider")) << "the hint is parted from \"Add a rule\"";
    QQuickItem* picker = item(view, "languagePicker");
    const QVariantList entries = picker->property("entries").toList();
    ASSERT_GT(entries.size(), 2);
    EXPECT_EQ(entries[0].toMap().value("text").toString(),
              "System default (" + LocalizationStore::shared().systemDefaultName() + ")");
    EXPECT_EQ(entries[1].toMap().value("kind").toString(), "divider");

    call(picker, "choose", "de");
    EXPECT_EQ(LocalizationStore::shared().languageRawValue(), "de");
    EXPECT_EQ(picker->property("text").toString(), "Deutsch");
    EXPECT_EQ(text(view, "effectiveValue"), LocalizationStore::shared().translate("Silent"));
    const QVariantList running = item(view, "runningPicker")->property("entries").toList();
    ASSERT_FALSE(running.isEmpty());
    EXPECT_EQ(running[0].toMap().value("text").toString(), LocalizationStore::shared().translate("Choose…"));
    EXPECT_NE(running[0].toMap().value("text").toString(), "Choose…");
    call(picker, "choose", "system");
    EXPECT_EQ(LocalizationStore::shared().languageRawValue(), "system");
    engine->upsertRule(test::makeRule("org.example.Mail", "Mail", PackID::felt, 0.4));
    settle();
    EXPECT_FALSE(shown(view, "noRulesDivider"));
}

}  // namespace
