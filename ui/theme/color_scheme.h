#pragma once
// Follows the desktop's light or dark colour scheme. The freedesktop settings
// portal ("org.freedesktop.appearance" "color-scheme") is asked first and
// watched for changes; when it has no preference or is absent, the
// application palette's window colour decides, re-read on every palette
// change. Without a GUI application the scheme is light.

#include <QObject>
#include <QVariant>
#include <optional>

#include "ui/theme/palette.h"

class QDBusVariant;

namespace tocko {

class ColorSchemeWatcher : public QObject {
    Q_OBJECT
public:
    static ColorSchemeWatcher& instance();

    ColorScheme scheme() const { return scheme_; }

    // Forces a scheme regardless of the desktop (tests, previews); nullopt
    // follows the desktop again.
    void setOverride(std::optional<ColorScheme> scheme);

    // Maps the portal's "color-scheme" value: 1 prefers dark, 2 prefers
    // light, anything else has no preference.
    static std::optional<ColorScheme> fromPortalValue(const QVariant& value);

signals:
    void schemeChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void onPortalSettingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value);

private:
    ColorSchemeWatcher();
    void connectPortal();
    void recompute();
    static ColorScheme fromApplicationPalette();

    std::optional<ColorScheme> override_;
    std::optional<ColorScheme> portal_;
    ColorScheme scheme_ = ColorScheme::light;
};

}  // namespace tocko
