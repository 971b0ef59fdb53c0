// The localization check's measurements with Qt: translations from
// "tocko_<lang>.qm" tables, text rendered with QPainter into an image.

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTranslator>
#include <cmath>

#include "platform/platform.h"

namespace tocko {

namespace {

constexpr const char* kContext = "Tocko";

class QtLocalizationProbe : public LocalizationProbe {
public:
    explicit QtLocalizationProbe(std::string dir) : dir_(QString::fromStdString(std::move(dir))) {}

    double renderedWidth(const std::string& localeId, const std::string& key) override {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 0;
        const QString text = lookUp(localeId, key);
        const QFont font = QGuiApplication::font();
        const QFontMetricsF metrics(font);
        const int width = int(std::ceil(metrics.horizontalAdvance(text)));
        const int height = int(std::ceil(metrics.height()));
        if (width <= 0 || height <= 0) return 0;
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) return 0;
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(QPointF(0, metrics.ascent()), text);
        painter.end();
        return image.width();
    }

    std::string germanTranslation(const std::string& key) override {
        QTranslator german;
        if (german.load(QLocale(QLocale::German), "tocko", "_", dir_)) {
            const QString t = german.translate(kContext, key.c_str());
            return (t.isEmpty() ? QString::fromStdString(key) : t).toStdString();
        }
        // No German tables: whatever the current locale's translators give.
        return QCoreApplication::translate(kContext, key.c_str()).toStdString();
    }

private:
    // The key as a text view with this locale shows it: the locale's table
    // when there is one, else the key itself.
    QString lookUp(const std::string& localeId, const std::string& key) {
        QTranslator translator;
        if (translator.load(QLocale(QString::fromStdString(localeId)), "tocko", "_", dir_)) {
            const QString t = translator.translate(kContext, key.c_str());
            if (!t.isEmpty()) return t;
        }
        return QString::fromStdString(key);
    }

    QString dir_;
};

}  // namespace

std::shared_ptr<LocalizationProbe> makeLocalizationProbe(std::string translationsDir) {
    return std::make_shared<QtLocalizationProbe>(std::move(translationsDir));
}

}  // namespace tocko
