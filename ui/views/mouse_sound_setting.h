#pragma once
// The mouse click sound choice of the Settings window, stored under the user
// default "mouseSound" and put in force for the mouse handler at once.

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>

namespace tocko::ui {

// The picker value of a stored text: "off", "same" or a pack identifier;
// anything else (or nothing stored) reads as "same".
QString mouseSoundChoice(const QString& storedText, bool present);

class MouseSoundSetting : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString choice READ choice WRITE setChoice NOTIFY choiceChanged)

public:
    explicit MouseSoundSetting(QObject* parent = nullptr) : QObject(parent) {}

    // Read afresh from the user defaults.
    QString choice() const;
    // Stores "off", "same" or the pack identifier at once.
    void setChoice(const QString& choice);

signals:
    void choiceChanged();
};

}  // namespace tocko::ui
