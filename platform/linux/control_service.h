#pragma once
// The control verbs of the running instance on the session bus: interface
// com.pollix.Tocko.Control at /com/pollix/Tocko. Callers of another user are
// refused. Every method returns the text the calling command prints.

#include <QDBusContext>
#include <QObject>
#include <QString>

namespace tocko {

class AppControl;

class ControlService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.pollix.Tocko.Control")
public:
    explicit ControlService(AppControl& control, QObject* parent = nullptr);

public slots:
    Q_SCRIPTABLE QString Toggle();
    Q_SCRIPTABLE QString SetEnabled(bool on);
    Q_SCRIPTABLE QString Snooze(int minutes);
    Q_SCRIPTABLE QString Unsnooze();
    Q_SCRIPTABLE QString Status();
    Q_SCRIPTABLE QString OpenSettings();
    // The quick controls (the panel; a window of its own without a tray).
    Q_SCRIPTABLE QString OpenPanel();
    Q_SCRIPTABLE QString Quit();
    // A pack stored by `tocko --import-pack`, to load now.
    Q_SCRIPTABLE QString PackImported(const QString& id);
    // Another launch of tocko handing over (background: at login).
    Q_SCRIPTABLE QString Activate(bool background);

private:
    bool admitted();

    AppControl& control_;
};

}  // namespace tocko
