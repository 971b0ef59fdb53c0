#include "ui/theme/color_scheme.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace tocko {

namespace {
constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kPortalInterface = "org.freedesktop.portal.Settings";
constexpr const char* kAppearance = "org.freedesktop.appearance";
constexpr const char* kColorSchemeKey = "color-scheme";

// The portal wraps its answer in one or two variants.
QVariant unwrap(QVariant v) {
    while (v.canConvert<QDBusVariant>() && v.userType() == qMetaTypeId<QDBusVariant>()) {
        v = qvariant_cast<QDBusVariant>(v).variant();
    }
    return v;
}
}  // namespace

ColorSchemeWatcher& ColorSchemeWatcher::instance() {
    static ColorSchemeWatcher* watcher = new ColorSchemeWatcher();
    return *watcher;
}

ColorSchemeWatcher::ColorSchemeWatcher() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
        connectPortal();
    }
    recompute();
}

std::optional<ColorScheme> ColorSchemeWatcher::fromPortalValue(const QVariant& value) {
    const QVariant v = unwrap(value);
    bool ok = false;
    const uint n = v.toUInt(&ok);
    if (!ok) return std::nullopt;
    if (n == 1) return ColorScheme::dark;
    if (n == 2) return ColorScheme::light;
    return std::nullopt;
}

void ColorSchemeWatcher::connectPortal() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.connect(kPortalService, kPortalPath, kPortalInterface, "SettingChanged", this,
                SLOT(onPortalSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalInterface, "Read");
    read << QString::fromLatin1(kAppearance) << QString::fromLatin1(kColorSchemeKey);
    auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(read, 2000), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        QDBusPendingReply<QVariant> reply = *call;
        if (!reply.isError()) {
            portal_ = fromPortalValue(reply.value());
            recompute();
        }
        call->deleteLater();
    });
}

void ColorSchemeWatcher::onPortalSettingChanged(const QString& nameSpace, const QString& key,
                                                const QDBusVariant& value) {
    if (nameSpace != QLatin1String(kAppearance) || key != QLatin1String(kColorSchemeKey)) return;
    portal_ = fromPortalValue(value.variant());
    recompute();
}

bool ColorSchemeWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange) {
        recompute();
    }
    return QObject::eventFilter(watched, event);
}

void ColorSchemeWatcher::setOverride(std::optional<ColorScheme> scheme) {
    override_ = scheme;
    recompute();
}

ColorScheme ColorSchemeWatcher::fromApplicationPalette() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return ColorScheme::light;
    const QPalette p = QGuiApplication::palette();
    return p.color(QPalette::Window).lightness() < p.color(QPalette::WindowText).lightness()
               ? ColorScheme::dark
               : ColorScheme::light;
}

void ColorSchemeWatcher::recompute() {
    const ColorScheme next = override_ ? *override_ : portal_ ? *portal_ : fromApplicationPalette();
    if (next == scheme_) return;
    scheme_ = next;
    emit schemeChanged();
}

}  // namespace tocko
