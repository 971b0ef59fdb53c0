#pragma once
// What the control verbs do to the running application, whoever delivers
// them (the session bus, a second launch). Main thread only.

#include <QString>
#include <functional>

namespace tocko {

class AppState;

class AppControl {
public:
    // Hooks the user interface provides; empty in a headless run.
    struct Hooks {
        std::function<void()> openSettings;
        std::function<void()> openPanel;
        // What another launch opens; true when that was the panel (a desktop
        // without a tray). Default: openSettings.
        std::function<bool()> reopen;
        std::function<void()> quit;  // default: QCoreApplication::quit()
    };
    // What another launch opened.
    enum class Opened { Nothing, Settings, Panel };
    AppControl(AppState& state, Hooks hooks);

    // Each returns the line the command prints.
    QString toggle();
    QString setEnabled(bool on);
    QString snooze(int minutes);
    QString unsnooze();
    // Three lines: the switch, the frontmost application's id and the
    // effective decision.
    QString status() const;
    // False when this instance has no windows (--headless).
    bool openSettings();
    // The quick controls: the tray icon's panel, or its window without a
    // tray. False when this instance has no windows.
    bool openPanel();
    void quit();
    // Another launch of Tocko: a plain launch opens Settings (the panel's
    // window on a desktop without a tray), a background one (login) changes
    // nothing.
    Opened anotherLaunch(bool background);
    // `tocko --import-pack` stored a pack: load it without a restart.
    QString packImported(const QString& id);

private:
    AppState& state_;
    Hooks hooks_;
};

}  // namespace tocko
