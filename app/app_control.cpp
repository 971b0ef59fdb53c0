#include "app/app_control.h"

#include <QCoreApplication>

#include "app/app_state.h"
#include "support/log.h"
#include "userpacks/user_pack_library.h"
#include "userpacks/user_packs.h"

namespace tocko {

namespace {

QString enabledLine(const AppState& state) {
    QString line =
        state.isEnabled() ? QStringLiteral("Keyboard sounds on") : QStringLiteral("Keyboard sounds off");
    if (state.isEnabled() && !state.permissionGranted()) line += QStringLiteral(" (no input access yet)");
    return line;
}

}  // namespace

AppControl::AppControl(AppState& state, Hooks hooks) : state_(state), hooks_(std::move(hooks)) {}

QString AppControl::toggle() { return setEnabled(!state_.isEnabled()); }

QString AppControl::setEnabled(bool on) {
    trace("Control", std::string(on ? "on" : "off"));
    state_.setIsEnabled(on);
    return enabledLine(state_);
}

QString AppControl::snooze(int minutes) {
    trace("Control", "snooze " + std::to_string(minutes) + " min");
    state_.context().snooze(minutes);
    return QStringLiteral("Muted for %1 min").arg(minutes);
}

QString AppControl::unsnooze() {
    trace("Control", "unsnooze");
    state_.context().cancelSnooze();
    return QStringLiteral("Snooze ended");
}

QString AppControl::status() const {
    const ContextEngine& context = state_.context();
    const std::optional<std::string>& app = context.currentBundleID();
    return enabledLine(state_) + '\n' + QStringLiteral("Frontmost: ") +
           (app ? QString::fromStdString(*app) : QStringLiteral("(none)")) + '\n' +
           QStringLiteral("Effective: ") + QString::fromStdString(context.effectiveDescription());
}

bool AppControl::openSettings() {
    if (!hooks_.openSettings) return false;
    hooks_.openSettings();
    return true;
}

bool AppControl::openPanel() {
    if (!hooks_.openPanel) return false;
    trace("Control", "panel");
    hooks_.openPanel();
    return true;
}

void AppControl::quit() {
    trace("Control", "quit");
    if (hooks_.quit)
        hooks_.quit();
    else
        QCoreApplication::quit();
}

AppControl::Opened AppControl::anotherLaunch(bool background) {
    if (background) {
        trace("Control", "another launch in the background: nothing to do");
        return Opened::Nothing;
    }
    if (hooks_.reopen) {
        const bool panel = hooks_.reopen();
        trace("Control",
              panel ? "another launch: opened the quick controls" : "another launch: opened Settings");
        return panel ? Opened::Panel : Opened::Settings;
    }
    const bool opened = openSettings();
    trace("Control",
          opened ? "another launch: opened Settings" : "another launch: this instance has no windows");
    return opened ? Opened::Settings : Opened::Nothing;
}

QString AppControl::packImported(const QString& id) {
    auto* library = qobject_cast<userpacks::UserPackLibrary*>(state_.userPacksObject());
    if (!library || !userpacks::isUserPackId(id)) return QStringLiteral("no such pack");
    library->adopt(id);
    return QStringLiteral("loaded");
}

}  // namespace tocko
