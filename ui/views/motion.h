#pragma once
// The desktop's reduce-motion preference, as QML's `Motion.reduceMotion`:
// GNOME's "enable-animations" switched off, or KDE's animation speed set to
// instant. Animated views stay still while it is on.

#include <QtQml/qqmlregistration.h>

#include <QObject>

class QQmlEngine;
class QJSEngine;

namespace tocko::ui {

// Reads the desktop settings: true when animations are switched off.
bool desktopReducesMotion();

class MotionSettings : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Motion)
    QML_SINGLETON
    Q_PROPERTY(bool reduceMotion READ reduceMotion WRITE setReduceMotion NOTIFY reduceMotionChanged)

public:
    // One instance for the process, read from the desktop on first use.
    static MotionSettings& shared();
    static MotionSettings* create(QQmlEngine*, QJSEngine*);

    bool reduceMotion() const { return reduceMotion_; }
    void setReduceMotion(bool on);

signals:
    void reduceMotionChanged();

private:
    MotionSettings();
    bool reduceMotion_ = false;
};

}  // namespace tocko::ui
