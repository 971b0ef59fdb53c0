#include "ui/views/pack_catalog.h"

#include <QCoreApplication>
#include <QVariantMap>

#include "audio/pack.h"

namespace tocko::ui {

namespace {

// Style titles are translated where they are shown; listed here for the
// string extraction.
[[maybe_unused]] const char* const kStyleTitleKeys[] = {
    QT_TRANSLATE_NOOP("Tocko", "Mechanical"), QT_TRANSLATE_NOOP("Tocko", "ASMR"),
    QT_TRANSLATE_NOOP("Tocko", "Vintage"),    QT_TRANSLATE_NOOP("Tocko", "Sharp"),
    QT_TRANSLATE_NOOP("Tocko", "Fun"),
};

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

PackID packOf(const QString& text) { return decodePack(text.toStdString()); }

QString styleID(PackCategory style) { return q(rawValue(style)).toLower(); }

}  // namespace

QVariantList PackCatalog::styles() const {
    QVariantList out;
    for (PackCategory style : allCategories())
        out.append(QVariantMap{{"id", styleID(style)}, {"title", q(rawValue(style))}});
    return out;
}

QVariantList PackCatalog::packs(const QString& style) const {
    QVariantList out;
    for (PackCategory s : allCategories()) {
        if (styleID(s) != style) continue;
        for (PackID p : tocko::packs(s))
            out.append(
                QVariantMap{{"id", q(rawValue(p))}, {"name", QString::fromStdString(tocko::displayName(p))}});
    }
    return out;
}

QVariantList PackCatalog::pickerEntries() const {
    QVariantList out;
    for (PackCategory s : allCategories()) {
        out.append(QVariantMap{{"kind", "header"}, {"text", q(rawValue(s))}});
        for (PackID p : tocko::packs(s))
            out.append(QVariantMap{{"kind", "item"},
                                   {"text", QString::fromStdString(tocko::displayName(p))},
                                   {"value", q(rawValue(p))}});
    }
    return out;
}

QString PackCatalog::displayName(const QString& pack) const {
    return QString::fromStdString(tocko::displayName(packOf(pack)));
}

QString PackCatalog::styleOf(const QString& pack) const { return styleID(category(packOf(pack))); }

int PackCatalog::indexOf(const QString& pack) const { return static_cast<int>(packOf(pack)); }

QString PackCatalog::firstPack() const { return q(rawValue(allPacks().front())); }

bool PackCatalog::isPack(const QString& text) const { return packFromRaw(text.toStdString()).has_value(); }

}  // namespace tocko::ui
