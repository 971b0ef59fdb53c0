#include "ui/views/motion.h"

#include <QDir>
#include <QProcess>
#include <QQmlEngine>
#include <QSettings>
#include <QStandardPaths>

namespace tocko::ui {

bool desktopReducesMotion() {
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (!gsettings.isEmpty()) {
        QProcess p;
        p.start(gsettings, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                            QStringLiteral("enable-animations")});
        if (p.waitForFinished(1000) && p.exitCode() == 0 &&
            p.readAllStandardOutput().trimmed() == QByteArrayLiteral("false"))
            return true;
    }
    const QString kdeglobals =
        QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (!kdeglobals.isEmpty()) {
        QSettings kde(kdeglobals, QSettings::IniFormat);
        bool ok = false;
        const double factor = kde.value(QStringLiteral("KDE/AnimationDurationFactor")).toDouble(&ok);
        if (ok && factor == 0) return true;
    }
    return false;
}

MotionSettings::MotionSettings() : reduceMotion_(desktopReducesMotion()) {}

MotionSettings& MotionSettings::shared() {
    static MotionSettings* instance = new MotionSettings;
    return *instance;
}

MotionSettings* MotionSettings::create(QQmlEngine*, QJSEngine*) {
    MotionSettings* instance = &shared();
    QQmlEngine::setObjectOwnership(instance, QQmlEngine::CppOwnership);
    return instance;
}

void MotionSettings::setReduceMotion(bool on) {
    if (on == reduceMotion_) return;
    reduceMotion_ = on;
    emit reduceMotionChanged();
}

}  // namespace tocko::ui
