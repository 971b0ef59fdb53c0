#pragma once
// The first-run tour's window: 760 × 520, not resizable, titled "Tocko",
// centred on the screen, with OnboardingView as its content. Closing it in
// any way (the last button or the window's close button) runs `onClose`
// once.

#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <functional>
#include <optional>

#include "app/app_state.h"

class QQmlEngine;

namespace tocko::ui {

class ContextModel;
class ViewActions;

inline constexpr int kTourStepCount = 6;

// The step the tour opens at: the decimal whole number in `value` (an
// optional leading sign, then digits only) clamped to 0 … 5; 0 for anything
// else or no value.
int onboardingStartStep(const char* value);
// The same for the environment variable "TOCKO_ONBOARDING_STEP".
int onboardingStartStep();

class OnboardingWindowController : public QObject, public OnboardingPresenter {
    Q_OBJECT
public:
    // `app` is the application state object the view reads (the real one or
    // a stand-in with the same properties). `trayPresent` tells the last step
    // whether the desktop shows Tocko's tray icon or its panel window.
    OnboardingWindowController(QQmlEngine& engine, QObject* app, ContextModel* context, ViewActions* actions,
                               std::function<void()> onClose, bool trayPresent);
    ~OnboardingWindowController() override;

    // With "TOCKO_QA_NO_ACTIVATE"="1" the window comes to the front without
    // taking the focus; otherwise it is raised and activated.
    void show() override;

    QQuickWindow* window() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closed();

    QPointer<QQuickWindow> window_;
    std::function<void()> onClose_;
    bool closedOnce_ = false;
};

}  // namespace tocko::ui
