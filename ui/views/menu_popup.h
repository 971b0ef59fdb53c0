#pragma once
// The pop-up menu of the views' menu-style pickers: a native menu, so a long
// list is never clipped by the small window it opens from.

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QVariant>
#include <QVariantList>

namespace tocko::ui {

class MenuPopup : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool isOpen READ isOpen NOTIFY isOpenChanged)

public:
    explicit MenuPopup(QObject* parent = nullptr) : QObject(parent) {}

    // Shows `entries` ([{kind: "header"|"item"|"divider", text, value}]) at
    // the global position, the item whose value is `current` checked, and
    // waits for the choice: the chosen value, or undefined when dismissed.
    Q_INVOKABLE QVariant exec(const QVariantList& entries, const QVariant& current, double x, double y);

    bool isOpen() const { return open_; }

signals:
    void isOpenChanged();

private:
    bool open_ = false;
};

}  // namespace tocko::ui
