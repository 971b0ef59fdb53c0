#include "ui/theme/fonts.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace tocko {

namespace {
// QFont only takes whole pixel sizes; a point size converted with the
// screen's logical resolution gives the same glyph size in pixels, fractions
// included.
void setSize(QFont& font, double size) {
    double dpi = 96.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) dpi = screen->logicalDotsPerInchY();
    if (dpi <= 0) dpi = 96.0;
    font.setPointSizeF(size * 72.0 / dpi);
}
}  // namespace

int registerBundledFonts(const QString& dir) {
    int count = 0;
    QDirIterator it(dir, {QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (QFontDatabase::addApplicationFont(it.next()) >= 0) ++count;
    }
    return count;
}

bool isFamilyAvailable(const QString& family) {
    // A family offered by more than one foundry is listed once per foundry,
    // as "Family [Foundry]".
    const QString withFoundry = family + QStringLiteral(" [");
    for (const QString& listed : QFontDatabase::families()) {
        if (listed == family || listed.startsWith(withFoundry)) return true;
    }
    return false;
}

QFont displayFont(double size) {
    QFont font;
    if (isFamilyAvailable(QString::fromLatin1(kDisplayFamily))) {
        font.setFamilies({QString::fromLatin1(kDisplayFamily)});
    } else {
        // The system's serif face at heavy weight.
        font.setFamilies({QStringLiteral("serif")});
        font.setStyleHint(QFont::Serif);
        font.setWeight(QFont::ExtraBold);
    }
    setSize(font, size);
    return font;
}

QFont monoFont(double size, QFont::Weight weight) {
    QFont font;
    if (isFamilyAvailable(QString::fromLatin1(kMonoFamily))) {
        font.setFamilies({QString::fromLatin1(kMonoFamily)});
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setStyleHint(QFont::Monospace);
        font.setFixedPitch(true);
    }
    font.setWeight(weight);
    setSize(font, size);
    return font;
}

}  // namespace tocko
