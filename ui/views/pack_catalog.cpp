#include "ui/views/pack_catalog.h"

#include <QCoreApplication>
#include <QVariantMap>
#include <vector>

#include "audio/pack.h"

namespace tocko::ui {

namespace {

// Style titles are translated where they are shown; listed here for the
// string extraction.
[[maybe_unused]] const char* const kStyleTitleKeys[] = {
    QT_TRANSLATE_NOOP("Tocko", "Mechanical"), QT_TRANSLATE_NOOP("Tocko", "ASMR"),
    QT_TRANSLATE_NOOP("Tocko", "Vintage"),    QT_TRANSLATE_NOOP("Tocko", "Sharp"),
    QT_TRANSLATE_NOOP("Tocko", "Fun"),        QT_TRANSLATE_NOOP("Tocko", "My Packs"),
};

std::vector<PackCatalog*>& catalogues() {
    static std::vector<PackCatalog*> all;
    return all;
}
int gRevision = 0;

// The built-in styles, then the user's own when there is any.
std::vector<PackCategory> shownStyles() {
    std::vector<PackCategory> out(allCategories().begin(), allCategories().end());
    if (!installedUserPacks().empty()) out.push_back(PackCategory::user);
    return out;
}

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

PackID packOf(const QString& text) { return decodePack(text.toStdString()); }

QString styleID(PackCategory style) {
    return style == PackCategory::user ? QStringLiteral("user") : q(rawValue(style)).toLower();
}

}  // namespace

PackCatalog::PackCatalog(QObject* parent) : QObject(parent) { catalogues().push_back(this); }

PackCatalog::~PackCatalog() { std::erase(catalogues(), this); }

int PackCatalog::revision() const { return gRevision; }

void PackCatalog::userPacksChanged() {
    ++gRevision;
    for (PackCatalog* c : catalogues()) emit c->revisionChanged();
}

QVariantList PackCatalog::styles() const {
    QVariantList out;
    for (PackCategory style : shownStyles())
        out.append(QVariantMap{{"id", styleID(style)}, {"title", q(rawValue(style))}});
    return out;
}

QVariantList PackCatalog::packs(const QString& style) const {
    QVariantList out;
    for (PackCategory s : shownStyles()) {
        if (styleID(s) != style) continue;
        for (PackID p : tocko::packs(s))
            out.append(
                QVariantMap{{"id", q(rawValue(p))}, {"name", QString::fromStdString(tocko::displayName(p))}});
    }
    return out;
}

QVariantList PackCatalog::pickerEntries() const {
    QVariantList out;
    for (PackCategory s : shownStyles()) {
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

bool PackCatalog::isPack(const QString& text) const {
    const std::optional<PackID> pack = packFromRaw(text.toStdString());
    return pack.has_value() && isInstalled(*pack);
}

}  // namespace tocko::ui
