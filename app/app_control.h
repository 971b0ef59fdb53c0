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
        std::function<void()> quit;  // default: QCoreApplication::quit()
    };
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
    void quit();
    // Another launch of Tocko: a plain launch opens Settings, a background
    // one (login) changes nothing. True when a window opened.
    bool anotherLaunch(bool background);
    // `tocko --import-pack` stored a pack: load it without a restart.
    QString packImported(const QString& id);

private:
    AppState& state_;
    Hooks hooks_;
};

}  // namespace tocko
