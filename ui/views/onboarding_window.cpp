#include "ui/views/onboarding_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>
#include <cstdlib>
#include <cstring>

#include "support/env.h"
#include "support/log.h"
#include "ui/views/context_model.h"
#include "ui/views/view_actions.h"

namespace tocko::ui {

int onboardingStartStep(const char* value) {
    if (!value) return 0;
    const char* p = value;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (!*p) return 0;
    long long n = 0;
    for (; *p; ++p) {
        if (*p < '0' || *p > '9') return 0;
        if (n < kTourStepCount) n = n * 10 + (*p - '0');  // large values clamp anyway
    }
    if (negative) return 0;
    return static_cast<int>(std::min<long long>(n, kTourStepCount - 1));
}

int onboardingStartStep() { return onboardingStartStep(std::getenv("TOCKO_ONBOARDING_STEP")); }

OnboardingWindowController::OnboardingWindowController(QQmlEngine& engine, QObject* app,
                                                       ContextModel* context, ViewActions* actions,
                                                       std::function<void()> onClose, bool trayPresent)
    : onClose_(std::move(onClose)) {
    QQmlComponent component(&engine);
    component.setData("import Tocko.Views\nOnboardingWindow {}", QUrl(QStringLiteral("qrc:/tocko/tour.qml")));
    QObject* object = component.createWithInitialProperties({
        {"app", QVariant::fromValue(app)},
        {"context", QVariant::fromValue<QObject*>(context)},
        {"actions", QVariant::fromValue<QObject*>(actions)},
        {"startStep", onboardingStartStep()},
        {"trayPresent", trayPresent},
    });
    window_ = qobject_cast<QQuickWindow*>(object);
    if (!window_) {
        Logger("Onboarding")
            .error("Tour window failed to load: {}", {pub(component.errorString().toStdString())});
        delete object;
        return;
    }
    window_->installEventFilter(this);
    if (QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window_->setPosition(area.center() - QPoint(window_->width() / 2, window_->height() / 2));
    }
}

OnboardingWindowController::~OnboardingWindowController() {
    // The owner lets go of the controller from inside the window's close.
    if (window_) window_->deleteLater();
}

void OnboardingWindowController::show() {
    if (!window_) return;
    window_->show();
    window_->raise();
    if (!envSwitch("TOCKO_QA_NO_ACTIVATE")) window_->requestActivate();
}

// A close from the window's close button or from the tour's last button.
bool OnboardingWindowController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Close) closed();
    return QObject::eventFilter(watched, event);
}

void OnboardingWindowController::closed() {
    if (closedOnce_) return;
    closedOnce_ = true;
    // The owner may release this controller from inside the callback.
    std::function<void()> done = std::move(onClose_);
    if (done) done();
}

}  // namespace tocko::ui
