#include "ui/views/view_actions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>

namespace tocko::ui {

namespace {
constexpr float kPreviewVolume = 0.9f;
}

ViewActions::ViewActions(Hooks hooks, QObject* parent) : QObject(parent), hooks_(std::move(hooks)) {}

QString ViewActions::footer() const {
    const QString version = hooks_.shortVersion.isEmpty() ? QStringLiteral("?") : hooks_.shortVersion;
    const QString build = hooks_.buildVersion.isEmpty() ? QStringLiteral("?") : hooks_.buildVersion;
    return QStringLiteral("Tocko v%1 (%2)").arg(version, build);
}

void ViewActions::testSound() {
    if (!hooks_.play) return;
    hooks_.play(hooks_.currentPack ? hooks_.currentPack() : kDefaultPack, kPreviewVolume);
}

void ViewActions::preview(const QString& pack) {
    if (hooks_.play) hooks_.play(decodePack(pack.toStdString()), kPreviewVolume);
}

void ViewActions::turnOnTypingFeedback() {
    if (hooks_.requestPermission) hooks_.requestPermission();
    const bool granted = hooks_.permissionGranted && hooks_.permissionGranted();
    if (!granted && hooks_.openInputMonitoringSettings) hooks_.openInputMonitoringSettings();
}

void ViewActions::copyDiagnostics() {
    if (!hooks_.collectDiagnostics) return;
    QPointer<ViewActions> self(this);
    hooks_.collectDiagnostics([self](QString text) {
        if (!self) return;
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
        emit self->diagnosticsCopied();
    });
}

void ViewActions::grantInputAccess() {
    if (hooks_.grantInputAccess) hooks_.grantInputAccess();
}

void ViewActions::revealApp() {
    if (hooks_.revealApp) hooks_.revealApp();
}
void ViewActions::relaunch() {
    if (hooks_.relaunch) hooks_.relaunch();
}
void ViewActions::quit() {
    if (hooks_.quit) hooks_.quit();
}
void ViewActions::openSettings() {
    if (hooks_.openSettings) hooks_.openSettings();
}
void ViewActions::checkForUpdates() {
    if (hooks_.checkForUpdates) hooks_.checkForUpdates();
}
void ViewActions::showOnboarding() {
    if (hooks_.showOnboarding) hooks_.showOnboarding();
}
void ViewActions::uninstall() {
    if (hooks_.uninstall) hooks_.uninstall();
}

void ViewActions::importPack() {
    if (hooks_.importPack) hooks_.importPack();
}

}  // namespace tocko::ui
