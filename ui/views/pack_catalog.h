#pragma once
// The pack catalogue as the views list it: styles in order, each with its
// packs, and the names and badge colours of single packs.

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QVariantList>

namespace tocko::ui {

class PackCatalog : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Packs)
    QML_SINGLETON
    // Goes up whenever the user's imported packs change; bindings that list
    // packs read it so that they list again.
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)

public:
    explicit PackCatalog(QObject* parent = nullptr);
    ~PackCatalog() override;

    int revision() const;
    // Tells every catalogue that the imported packs changed.
    static void userPacksChanged();

    // [{id: "mechanical", title: "Mechanical"}, ...] in style order, then
    // {id: "user", title: "My Packs"} when packs were imported; the title is
    // the untranslated key.
    Q_INVOKABLE QVariantList styles() const;
    // [{id: "clicky", name: "Clicky"}, ...] of one style, in pack order.
    Q_INVOKABLE QVariantList packs(const QString& style) const;
    // Style sections followed by their packs, for menu pickers:
    // [{kind: "header", text}, {kind: "item", text, value}, ...]. Headers
    // carry the untranslated style title.
    Q_INVOKABLE QVariantList pickerEntries() const;
    // "Clicky" for "clicky"; an unknown identifier reads as the default pack.
    Q_INVOKABLE QString displayName(const QString& pack) const;
    Q_INVOKABLE QString styleOf(const QString& pack) const;
    // Position in pack order.
    Q_INVOKABLE int indexOf(const QString& pack) const;
    Q_INVOKABLE QString firstPack() const;
    Q_INVOKABLE bool isPack(const QString& text) const;

signals:
    void revisionChanged();
};

}  // namespace tocko::ui
