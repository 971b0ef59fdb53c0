#pragma once
// The user interface of the tocko executable: a tray icon (StatusNotifierItem
// where the desktop offers one, XEmbed otherwise) whose click opens the menu
// panel as a frameless window under the icon, the Settings window, and the
// first-run tour, all over the one application state of the process. Where
// the desktop has no tray, the panel opens as a window of its own instead.

#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <chrono>
#include <memory>
#include <optional>

class QMenu;
class QSystemTrayIcon;
class QQmlEngine;

namespace tocko {
class AppState;
}

namespace tocko::ui {

class ContextModel;
class ViewActions;

// Registers the bundled typefaces. Call before the application state is
// built, so its launch trace sees them.
void prepareApplication();

struct UiOptions {
    // Started at login: no window of its own at start.
    bool background = false;
    // When no system tray has appeared this long after start, open the panel
    // as a window of its own and tell how to get a tray (unless
    // `background`). Empty: never.
    std::optional<std::chrono::milliseconds> noTrayFallbackAfter;
    // Whether the desktop shows tray icons; empty: ask it (tests set it).
    std::optional<bool> trayPresent = std::nullopt;
};

// What the user reads when the desktop shows no tray icons.
QString noTrayHelpText();

class TockoUi : public QObject {
    Q_OBJECT
public:
    // Builds the tray icon and readies the windows; installs the tour window
    // for the state's showOnboarding().
    explicit TockoUi(AppState& state, QObject* parent = nullptr) : TockoUi(state, UiOptions{}, parent) {}
    TockoUi(AppState& state, UiOptions options, QObject* parent = nullptr);
    ~TockoUi() override;

    void togglePanel();
    // Under the tray icon; as a normal window when the desktop has no tray.
    void showPanel();
    void openSettings();
    // Another launch of Tocko: Settings, or the panel's window without a tray.
    // True when it opened the panel.
    bool reopen();
    bool trayAvailable() const;

    QQmlEngine& engine() { return *engine_; }
    // The windows once made (null before).
    QQuickWindow* panelWindow() const { return panel_; }
    QQuickWindow* settingsWindow() const { return settings_; }
    QMenu* trayMenu() const { return trayMenu_.get(); }

private:
    QQuickWindow* createWindow(const char* type);
    void placePanel();
    void centrePanel();
    void fillTrayMenu();
    void showInputAccessHelp(const QString& text);
    void checkTrayArrived();
    void updatePanelNote();

    AppState& state_;
    std::unique_ptr<QQmlEngine> engine_;
    std::unique_ptr<ContextModel> context_;
    std::unique_ptr<ViewActions> actions_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    std::unique_ptr<QMenu> trayMenu_;
    QPointer<QQuickWindow> panel_;
    QPointer<QQuickWindow> settings_;
    UiOptions options_;
    bool noTrayNote_ = false;  // the panel's window says how to get a tray icon
};

// The views of the application state, until the process ends.
std::unique_ptr<TockoUi> install(AppState& state, UiOptions options = {});

}  // namespace tocko::ui
