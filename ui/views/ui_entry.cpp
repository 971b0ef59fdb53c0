#include "ui/views/ui_entry.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/app_state.h"
#include "app/input_access.h"
#include "context/context_engine.h"
#include "support/log.h"
#include "ui/l10n/localization_store.h"
#include "ui/theme/fonts.h"
#include "ui/uninstall/uninstall.h"
#include "ui/updates/updater_service.h"
#include "ui/views/brand.h"
#include "ui/views/context_model.h"
#include "ui/views/onboarding_window.h"
#include "ui/views/pack_catalog.h"
#include "ui/views/view_actions.h"
#include "ui/views/views.h"
#include "userpacks/user_pack_library.h"

#ifndef TOCKO_BUILD_TEXT
#define TOCKO_BUILD_TEXT ""
#endif

namespace tocko::ui {

namespace {

QString lookup(const char* key) { return LocalizationStore::localizedString(key); }

// The tray icon is the keycap of the wordmark, the same in every state.
QIcon trayIcon() {
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64}) {
        // keycapSide(size) = side for size = side / 0.8.
        QImage image = drawKeycap(side / 0.8, 1.0);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

void prepareApplication() {
    static const bool registered = [] {
        // The windows are small, flat and uncomposited: Qt Quick's software
        // renderer draws them without loading an OpenGL or Vulkan driver
        // (tens of megabytes resident, more under a software GL). Unless the
        // user picks a backend with QT_QUICK_BACKEND.
        if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        // The program registers the typefaces of its resources folder as it
        // starts (by file name: the font database reads them as needed). The
        // copies compiled in, which the database would hold in memory, are
        // for a program without that folder.
        if (!isFamilyAvailable(QString::fromLatin1(kDisplayFamily)) ||
            !isFamilyAvailable(QString::fromLatin1(kMonoFamily)))
            registerBundledFonts();
        return true;
    }();
    (void)registered;
}

QString noTrayHelpText() {
    return LocalizationStore::localizedString(
        "No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps "
        "running: open it again from the app grid, or choose Quick Controls in its menu there, to come back "
        "here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension "
        "(package gnome-shell-extension-appindicator, or \"AppIndicator and "
        "KStatusNotifierItem Support\" from extensions.gnome.org), then log out and in.");
}

TockoUi::TockoUi(AppState& state, UiOptions options, QObject* parent)
    : QObject(parent), state_(state), engine_(std::make_unique<QQmlEngine>()), options_(options) {
    prepareApplication();
    prepareViewEngine(*engine_);
    context_ = std::make_unique<ContextModel>(&state.context());

    ViewActions::Hooks hooks;
    hooks.play = [this](PackID pack, float volume) {
        const std::string_view id = rawValue(pack);
        state_.playSound(QString::fromUtf8(id.data(), qsizetype(id.size())), volume, false);
    };
    hooks.currentPack = [this] { return state_.soundEngine()->state().get().pack; };
    hooks.collectDiagnostics = [this](std::function<void(QString)> done) {
        state_.collectDiagnostics([done](std::string text) { done(QString::fromStdString(text)); });
    };
    hooks.requestPermission = [this] { state_.requestPermission(); };
    hooks.permissionGranted = [this] { return state_.permissionGranted(); };
    hooks.openInputMonitoringSettings = [this] { state_.openInputMonitoringSettings(); };
    hooks.grantInputAccess = [this] { state_.grantInputAccess(); };
    hooks.revealApp = [this] { state_.revealInstallLocation(); };
    hooks.relaunch = [this] { state_.relaunch(); };
    hooks.quit = [] { QCoreApplication::quit(); };
    hooks.openSettings = [this] { openSettings(); };
    hooks.checkForUpdates = [] { UpdaterService::shared().checkForUpdates(); };
    hooks.showOnboarding = [this] { state_.showOnboarding(); };
    hooks.uninstall = [this] {
        uninstall(
            defaultUninstallServices(state_.loginItem(), [this] { return state_.inputAccessUndoCommand(); }));
    };
    if (auto* packs = qobject_cast<userpacks::UserPackLibrary*>(state_.userPacksObject()))
        connect(packs, &userpacks::UserPackLibrary::packsChanged, this,
                [] { PackCatalog::userPacksChanged(); });
    hooks.importPack = [this] {
        // A .zip, or any file of a pack folder (its config.json or a sound): the folder is imported.
        const QString file = QFileDialog::getOpenFileName(
            nullptr, QCoreApplication::translate("Tocko", "Import Pack…"), QDir::homePath(),
            QStringLiteral("Sound packs (*.zip *.json *.wav *.ogg *.flac *.mp3)"));
        if (file.isEmpty()) return;
        const QFileInfo info(file);
        const QString source = info.suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0
                                   ? file
                                   : info.absolutePath();
        QMetaObject::invokeMethod(state_.userPacksObject(), "importFrom", Q_ARG(QString, source));
    };
    hooks.shortVersion = QCoreApplication::applicationVersion();
    hooks.buildVersion = QStringLiteral(TOCKO_BUILD_TEXT);
    actions_ = std::make_unique<ViewActions>(std::move(hooks));

    connect(&state, &AppState::inputAccessHelpRequested, this, &TockoUi::showInputAccessHelp);

    AppState::setOnboardingFactory([this](AppState& s, std::function<void()> onClose) {
        return std::make_unique<OnboardingWindowController>(*engine_, &s, context_.get(), actions_.get(),
                                                            std::move(onClose), trayAvailable());
    });

    tray_ = std::make_unique<QSystemTrayIcon>(trayIcon());
    tray_->setToolTip(lookup("Tocko"));
    trayMenu_ = std::make_unique<QMenu>();
    // Built afresh each time it opens, so it always shows the state of now
    // and the current language. It offers every command of the panel, for
    // desktops where the panel cannot open where it belongs.
    connect(trayMenu_.get(), &QMenu::aboutToShow, this, &TockoUi::fillTrayMenu);
    fillTrayMenu();
    connect(&LocalizationStore::shared(), &LocalizationStore::languageChanged, this, [this] {
        tray_->setToolTip(lookup("Tocko"));
        updatePanelNote();
    });
    tray_->setContextMenu(trayMenu_.get());
    connect(tray_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) togglePanel();
    });
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        trace("UI", "no system tray yet; the icon appears when the desktop offers one");
    tray_->show();
    if (options_.noTrayFallbackAfter)
        QTimer::singleShot(*options_.noTrayFallbackAfter, this, &TockoUi::checkTrayArrived);
}

// A desktop without a tray host (stock GNOME, plain Sway) would leave no way
// to reach Tocko: open the panel as a window instead, and say how to get the
// icon.
void TockoUi::checkTrayArrived() {
    if (trayAvailable()) return;
    if (options_.background) {
        trace("UI", "no system tray; open Tocko again to reach its quick controls");
        return;
    }
    trace("UI", "no system tray; opened the quick controls in a window");
    // The note sits in the panel's window, above its controls: a dialog of
    // its own would load the widget style and a window more for one text.
    noTrayNote_ = true;
    showPanel();
}

// Only in the panel's own window: a tray that came later shows no note.
void TockoUi::updatePanelNote() {
    if (!panel_) return;
    const bool show = noTrayNote_ && panel_->property("standalone").toBool();
    panel_->setProperty("note", show ? noTrayHelpText() : QString());
}

TockoUi::~TockoUi() {
    AppState::setOnboardingFactory({});
    delete panel_;
    delete settings_;
}

QQuickWindow* TockoUi::createWindow(const char* type) {
    QQmlComponent component(engine_.get());
    component.setData(QByteArray("import Tocko.Views\n") + type + " {}",
                      QUrl(QStringLiteral("qrc:/tocko/") + type + ".qml"));
    QObject* object = component.createWithInitialProperties({
        {"app", QVariant::fromValue<QObject*>(&state_)},
        {"context", QVariant::fromValue<QObject*>(context_.get())},
        {"updater", QVariant::fromValue<QObject*>(&UpdaterService::shared())},
        {"actions", QVariant::fromValue<QObject*>(actions_.get())},
    });
    auto* window = qobject_cast<QQuickWindow*>(object);
    if (!window) {
        Logger("UI").error("{} failed to load: {}", {pub(type), pub(component.errorString().toStdString())});
        delete object;
    }
#ifdef __GLIBC__
    // Loading a window's QML types leaves megabytes of freed parse and link
    // data in the heap; once it is drawn, give the free pages back.
    QTimer::singleShot(std::chrono::seconds(1), this, [this] {
        engine_->collectGarbage();
        malloc_trim(0);
    });
#endif
    return window;
}

void TockoUi::fillTrayMenu() {
    QMenu* menu = trayMenu_.get();
    menu->clear();
    connect(menu->addAction(lookup("Tocko")), &QAction::triggered, this, &TockoUi::showPanel);
    menu->addSeparator();

    QAction* enable = menu->addAction(lookup("Enable clicks"));
    enable->setCheckable(true);
    enable->setChecked(state_.isEnabled());
    connect(enable, &QAction::toggled, this, [this](bool on) { state_.setIsEnabled(on); });

    // The pack and volume of the profile in force, as the panel edits them.
    const QVariantMap edited = context_->editedProfile();
    const QString heading = context_->editingRule()
                                ? lookup("Sound for %1")
                                      .arg(context_->currentAppName().isEmpty() ? context_->currentBundleID()
                                                                                : context_->currentAppName())
                                : lookup("Default Sound");
    QMenu* sound = menu->addMenu(heading);
    PackCatalog catalog;
    for (const QVariant& entry : catalog.pickerEntries()) {
        const QVariantMap e = entry.toMap();
        if (e.value("kind") == "header") {
            sound->addSection(lookup(e.value("text").toString().toUtf8().constData()));
            continue;
        }
        QAction* pack = sound->addAction(e.value("text").toString());
        pack->setCheckable(true);
        pack->setChecked(e.value("value") == edited.value("pack"));
        const QString id = e.value("value").toString();
        connect(pack, &QAction::triggered, this, [this, id] { context_->setEditedPack(id); });
    }
    QMenu* volume = menu->addMenu(lookup("Volume"));
    const int current = qRound(edited.value("volume").toDouble() * 100);
    for (int percent : {10, 25, 50, 75, 100}) {
        QAction* step = volume->addAction(QString::number(percent) + " %");
        step->setCheckable(true);
        step->setChecked(percent == current);
        connect(step, &QAction::triggered, this,
                [this, percent] { context_->setEditedVolume(percent / 100.0); });
    }
    connect(menu->addAction(lookup("Test Sound")), &QAction::triggered, actions_.get(),
            &ViewActions::testSound);

    const QDateTime until = context_->snoozeUntil();
    if (until.isValid() && until > QDateTime::currentDateTime())
        connect(menu->addAction(lookup("Unmute")), &QAction::triggered, this,
                [this] { context_->cancelSnooze(); });
    else
        connect(menu->addAction(lookup("Mute for 10 min")), &QAction::triggered, this,
                [this] { context_->snooze(10); });

    if (!state_.permissionGranted())
        connect(menu->addAction(lookup("Turn On Typing Feedback…")), &QAction::triggered, actions_.get(),
                &ViewActions::turnOnTypingFeedback);
    if (state_.needsRelaunchToActivate())
        connect(menu->addAction(lookup("Relaunch")), &QAction::triggered, actions_.get(),
                &ViewActions::relaunch);
    if (state_.frontmostStatus() == QLatin1String("gnome-extension"))
        connect(menu->addAction(lookup("Enable GNOME Shell Extension")), &QAction::triggered, &state_,
                &AppState::enableGnomeExtension);

    menu->addSeparator();
    connect(menu->addAction(lookup("Copy Diagnostics")), &QAction::triggered, actions_.get(),
            &ViewActions::copyDiagnostics);
    connect(menu->addAction(lookup("Settings")), &QAction::triggered, this, &TockoUi::openSettings);
    connect(menu->addAction(lookup("Check for Updates…")), &QAction::triggered, actions_.get(),
            &ViewActions::checkForUpdates);
    menu->addSeparator();
    connect(menu->addAction(lookup("Quit Tocko")), &QAction::triggered, qApp, &QCoreApplication::quit);
}

void TockoUi::togglePanel() {
    if (panel_ && panel_->isVisible()) {
        panel_->hide();
        return;
    }
    showPanel();
}

bool TockoUi::trayAvailable() const {
    return options_.trayPresent.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

bool TockoUi::reopen() {
    if (trayAvailable()) {
        openSettings();
        return false;
    }
    showPanel();
    return true;
}

void TockoUi::showPanel() {
    // Wayland lets no window place itself: there the panel is a normal,
    // decorated window that the compositor places and the user can move.
    // Without a tray it is such a window everywhere, and stays open until
    // closed (its flags follow "standalone").
    if (!panel_) panel_ = createWindow("MenuPanel");
    if (!panel_) return;
    const bool standalone = !trayAvailable();
    const bool wasStandalone = panel_->property("standalone").toBool();
    panel_->setProperty("standalone", standalone);
    updatePanelNote();
    if (!standalone)
        placePanel();
    else if (!wasStandalone || !panel_->isVisible())
        centrePanel();
    panel_->show();
    panel_->raise();
    panel_->requestActivate();
}

// Under the icon when the tray tells where it is, else at the pointer; kept
// on the screen, and above the icon when the panel sits at the bottom.
void TockoUi::placePanel() {
    const QRect icon = tray_->geometry();
    const QPoint anchor = icon.isValid() && !icon.isEmpty() ? icon.center() : QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize size(panel_->width(), panel_->height());
    const int below = (icon.isValid() && !icon.isEmpty() ? icon.bottom() : anchor.y()) + 4;
    int x = anchor.x() - size.width() / 2;
    int y = below;
    if (y + size.height() > area.bottom()) {
        const int above = (icon.isValid() && !icon.isEmpty() ? icon.top() : anchor.y()) - 4 - size.height();
        y = std::max(area.top(), above);
    }
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() - size.width()));
    panel_->setPosition(x, y);
}

// A window of its own opens in the middle of the screen, where the window
// manager does not place it otherwise.
void TockoUi::centrePanel() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    panel_->setPosition(area.center() - QPoint(panel_->width() / 2, panel_->height() / 2));
}

void TockoUi::openSettings() {
    // The popover gives way; the panel's own window stays beside Settings.
    if (panel_ && !panel_->property("standalone").toBool()) panel_->hide();
    if (!settings_) settings_ = createWindow("SettingsWindow");
    if (!settings_) return;
    settings_->show();
    settings_->raise();
    settings_->requestActivate();
}

// How input access works on Linux, in the interface language, with the
// commands to grant it by hand and a button that grants it through polkit.
void TockoUi::showInputAccessHelp(const QString&) {
    const QString text =
        lookup(QT_TRANSLATE_NOOP("Tocko",
                                 "Tocko plays its click when it sees a key go down. On Linux it learns that "
                                 "from the keyboard and mouse devices in /dev/input, which only the input "
                                 "group may read, or, in an X11 session, from the X server.")) +
        QStringLiteral("\n\n") +
        lookup(QT_TRANSLATE_NOOP("Tocko",
                                 "“Grant access…” asks for an administrator’s password, then adds a udev "
                                 "rule that lets whoever sits at this computer read keyboards and mice. "
                                 "Without systemd-logind it adds you to the input group instead; then log "
                                 "out and back in.")) +
        QStringLiteral("\n\n") +
        lookup(QT_TRANSLATE_NOOP("Tocko",
                                 "Other programs you run can then read the keyboard too. Tocko only notes "
                                 "that a key went down; it never records or sends what you type."));
    auto* box = new QMessageBox(QMessageBox::Information, lookup("Tocko"), text, QMessageBox::NoButton);
    box->setInformativeText(lookup(QT_TRANSLATE_NOOP("Tocko", "To do it yourself, run:")) +
                            QStringLiteral("\n\n") + state_.manualInputAccessCommands());
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* grant =
        box->addButton(lookup(QT_TRANSLATE_NOOP("Tocko", "Grant access…")), QMessageBox::AcceptRole);
    box->addButton(lookup("Done"), QMessageBox::RejectRole);
    box->setDefaultButton(grant);
    connect(grant, &QPushButton::clicked, this, [this] { state_.grantInputAccess(); });
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    box->raise();
    box->activateWindow();
}

std::unique_ptr<TockoUi> install(AppState& state, UiOptions options) {
    return std::make_unique<TockoUi>(state, options);
}

}  // namespace tocko::ui
