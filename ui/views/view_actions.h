#pragma once
// What the views ask of the application beyond its published state:
// sounds, the pasteboard, windows, relaunching and quitting. The entry
// fills the hooks from the application state; tests fill them with
// recorders. A hook left empty does nothing.

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <functional>

#include "audio/pack.h"

namespace tocko::ui {

class ViewActions : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Given by the application")
    Q_PROPERTY(QString footer READ footer CONSTANT)

public:
    struct Hooks {
        // Plays `pack` at `volume`, unvaried.
        std::function<void(PackID pack, float volume)> play;
        // The pack the sound engine is set to now.
        std::function<PackID()> currentPack;
        std::function<void(std::function<void(QString)>)> collectDiagnostics;
        std::function<void()> requestPermission;
        std::function<bool()> permissionGranted;
        std::function<void()> openInputMonitoringSettings;
        // Runs the administrator-approved grant of input access.
        std::function<void()> grantInputAccess;
        std::function<void()> revealApp;
        std::function<void()> relaunch;
        std::function<void()> quit;
        std::function<void()> openSettings;
        std::function<void()> checkForUpdates;
        std::function<void()> showOnboarding;
        std::function<void()> uninstall;
        // Asks for a pack folder or .zip and imports it.
        std::function<void()> importPack;
        QString shortVersion;  // empty: unknown
        QString buildVersion;
    };

    explicit ViewActions(Hooks hooks, QObject* parent = nullptr);

    // "Tocko v0.1.0 (1)"; unknown parts read "?".
    QString footer() const;

    // The current pack at 0.9, unvaried.
    Q_INVOKABLE void testSound();
    // `pack` at 0.9, unvaried.
    Q_INVOKABLE void preview(const QString& pack);
    // Asks for the permission, and when it is still missing opens the
    // explanation of how to grant it.
    Q_INVOKABLE void turnOnTypingFeedback();
    // Puts the diagnostics text on the clipboard when it arrives.
    Q_INVOKABLE void copyDiagnostics();
    // "Grant access…": the administrator prompt, then read access to
    // keyboards and mice.
    Q_INVOKABLE void grantInputAccess();
    Q_INVOKABLE void revealApp();
    Q_INVOKABLE void relaunch();
    Q_INVOKABLE void quit();
    Q_INVOKABLE void openSettings();
    Q_INVOKABLE void checkForUpdates();
    Q_INVOKABLE void showOnboarding();
    Q_INVOKABLE void uninstall();
    Q_INVOKABLE void importPack();

signals:
    void diagnosticsCopied();

private:
    Hooks hooks_;
};

}  // namespace tocko::ui
