#include "app/app_state.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "app/engine_sink.h"
#include "app/main_dispatcher.h"
#include "context/context_engine.h"
#include "context/mic_monitor.h"
#include "context/mouse_sound.h"
#include "context/profile_store.h"
#include "context/secure_input_monitor.h"
#include "context/workspace_monitor.h"
#include "input/event_tap.h"
#include "input/key_tap.h"
#include "platform/platform.h"
#include "support/env.h"
#include "support/format.h"
#include "support/main_thread.h"
#include "support/user_settings.h"
#include "userpacks/user_pack_library.h"
#include "userpacks/user_packs.h"

#ifndef TOCKO_VERSION_TEXT
#define TOCKO_VERSION_TEXT ""
#endif
#ifndef TOCKO_BUILD_TEXT
#define TOCKO_BUILD_TEXT ""
#endif

namespace tocko {

namespace {

constexpr const char* kCompletedOnboardingKey = "hasCompletedOnboarding";
constexpr const char* kReleaseSoundsKey = "releaseSounds";
constexpr std::chrono::milliseconds kPermissionPollInterval{2000};

std::mutex gFactoryMutex;
OnboardingFactory gOnboardingFactory;

// A platform that lacks a service is a build fault, not a state to run in.
void requireService(bool present, const char* name) {
    if (present) return;
    std::fprintf(stderr, "[Tocko] AppState: the platform offers no %s\n", name);
    std::abort();
}

// Input access as the tap backends see it, when the platform names no
// permission of its own: there is nothing to ask.
std::string orQuestionMark(const std::string& s) { return s.empty() ? "?" : s; }

std::string defaultExecutablePath() {
    if (QCoreApplication::instance()) {
        const QString path = QCoreApplication::applicationFilePath();
        if (!path.isEmpty()) return path.toStdString();
    }
    return QFileInfo("/proc/self/exe").canonicalFilePath().toStdString();
}

// Qt lists a family offered by several foundries once per foundry, as
// "Family [Foundry]"; the family name is the part before the bracket.
bool qtFontAvailable(const std::string& family) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    const QString name = QString::fromStdString(family);
    for (const QString& listed : QFontDatabase::families()) {
        if (listed == name) return true;
        if (listed.startsWith(name + " [") && listed.endsWith(']')) return true;
    }
    return false;
}

}  // namespace

void AppState::setOnboardingFactory(OnboardingFactory factory) {
    std::lock_guard lock(gFactoryMutex);
    gOnboardingFactory = std::move(factory);
}

bool AppState::pathNeedsInstall(const std::string& path, const std::string& home) {
    auto startsWith = [&](const std::string& prefix) { return path.compare(0, prefix.size(), prefix) == 0; };
    // Distribution packages, /opt, Flatpak, Snap and Nix stores.
    for (const char* prefix : {"/usr/", "/opt/", "/app/", "/snap/", "/nix/store/"})
        if (startsWith(prefix)) return false;
    return !startsWith(home + "/.local/");
}

std::function<void(uint16_t)> AppState::makeKeyHandler(std::shared_ptr<SoundEngine> engine) {
    return [engine = std::move(engine)](uint16_t key) {
        PackID pack = kDefaultPack;
        float volume = 0;
        bool muted = true;
        engine->state().with([&](Playback& p) {
            ++p.playInvocations;
            pack = p.pack;
            volume = p.masterVolume;
            muted = p.muted;
        });
        if (!muted) engine->play(pack, volume, true, key);
    };
}

std::function<void(uint16_t)> AppState::makeKeyUpHandler(std::shared_ptr<SoundEngine> engine) {
    return [engine = std::move(engine)](uint16_t key) {
        PackID pack = kDefaultPack;
        float volume = 0;
        bool muted = true;
        engine->state().with([&](Playback& p) {
            pack = p.pack;
            volume = p.masterVolume;
            muted = p.muted;
        });
        if (!muted) engine->playRelease(pack, volume, key);
    };
}

std::function<void()> AppState::makeMouseHandler(std::shared_ptr<SoundEngine> engine) {
    return [sink = std::make_shared<EnginePlaybackSink>(std::move(engine))] {
        playMouseClick(*sink, currentMouseSound());
    };
}

AppState::AppState(Dependencies deps, QObject* parent)
    : QObject(parent), deps_(std::move(deps)), self_(std::make_shared<AppState*>(this)) {
    installQtMainDispatcher();
    Platform& platform = deps_.platform;
    requireService(platform.tapBackends != nullptr, "tapBackends");
    requireService(platform.frontmost != nullptr, "frontmost");
    requireService(platform.microphone != nullptr, "microphone");
    requireService(platform.secureInput != nullptr, "secureInput");
    requireService(platform.loginItem != nullptr, "loginItem");
    requireService(static_cast<bool>(platform.foreignSound), "foreignSound");
    if (platform.logSink) setSystemLogSink(platform.logSink);
    if (platform.threads.name || platform.threads.raisePriority) setThreadControl(platform.threads);
    if (!platform.permission)
        platform.permission = std::make_shared<TapBackendPermission>(platform.tapBackends);
    installPath_ = deps_.executablePath.value_or(defaultExecutablePath());
    homeDirectory_ = deps_.homeDirectory.value_or(QDir::homePath().toStdString());
    if (!deps_.localization) deps_.localization = makeLocalizationProbe(":/tocko/i18n");
    if (!deps_.fontAvailable) deps_.fontAvailable = qtFontAvailable;

    // Fields start at their initial values; the login switch mirrors the system.
    launchAtLogin_ = deps_.platform.loginItem->isEnabled();

    SoundEngine::Options engineOptions = std::move(deps_.engine);
    if (!engineOptions.output) engineOptions.output = std::move(platform.audioOutput);
    if (!engineOptions.uniform) engineOptions.uniform = platform.randomness;
    if (engineOptions.soundsDir.empty()) engineOptions.soundsDir = defaultSoundsDirectory();
    soundEngine_ = SoundEngine::create(std::move(engineOptions));
    playbackSink_ = std::make_shared<EnginePlaybackSink>(soundEngine_);
    // Imported packs decode on the engine's queue: the launch does not wait for them.
    userPacks_ = new userpacks::UserPackLibrary(soundEngine_, userpacks::defaultPacksDir(), this);
    userPacks_->loadStored();

    // Loading may create the file, so its existence is noted first.
    const bool profilesFileExisted = QFileInfo::exists(QString::fromStdString(ProfileStore::fileURL()));
    ProfileStore store = ProfileStore::load();
    const size_t ruleCount = store.rules.size();
    context_ = new ContextEngine(playbackSink_, std::move(store), this);
    trace("ProfileStore", "loaded " + std::to_string(ruleCount) + " rule(s) from " + ProfileStore::fileURL());

    launch();
    decideTour(profilesFileExisted);
}

AppState::~AppState() {
    self_.reset();
    if (keyTap_) keyTap_->stop();
    if (didBecomeActiveObserver_) disconnect(didBecomeActiveObserver_);
}

void AppState::postToSelf(std::function<void(AppState&)> task) {
    std::weak_ptr<AppState*> weak = self_;
    postToMain([weak, task = std::move(task)] {
        if (auto self = weak.lock()) task(**self);
    });
}

// ---- Launch sequence --------------------------------------------------------

void AppState::launch() {
    // 1. Install location.
    needsInstall_ = pathNeedsInstall(installPath_, homeDirectory_);
    trace("Launch", std::string("needsInstall=") + boolText(needsInstall_) + " (" + installPath_ + ")");

    // 2. Output device.
    currentOutputDevice_ = soundEngine_->currentOutputDeviceName();
    {
        std::weak_ptr<AppState*> weak = self_;
        soundEngine_->setOnOutputDeviceChanged([weak](const std::string& name) {
            postToMain([weak, name] {
                if (auto self = weak.lock()) (*self)->setCurrentOutputDevice(name);
            });
        });
    }

    // 3, 4. Version and fonts.
    trace("Version",
          orQuestionMark(TOCKO_VERSION_TEXT) + " (build " + orQuestionMark(TOCKO_BUILD_TEXT) + ")");
    trace("Fonts", std::string("zillaSlab=") + boolText(deps_.fontAvailable("Zilla Slab")) +
                       " courierPrime=" + boolText(deps_.fontAvailable("Courier Prime")));

    // 5. Engine start and the launch test click, queued behind the start.
    soundEngine_->start();
    const PackID pack = soundEngine_->state().with([](Playback& p) { return p.pack; });
    soundEngine_->play(pack, 0.9f, false);
    trace("Launch", "SoundEngine started + launch test-click scheduled");

    // 6-8. Permission, login item, output.
    permissionGranted_ = deps_.platform.permission->preflight();
    permissionPartial_ = !permissionGranted_ && deps_.platform.permission->partial();
    trace("Launch", std::string("Input access granted = ") + boolText(permissionGranted_));
    if (permissionPartial_) trace("Launch", "Input access partial: X11 windows only (Wayland session)");
    trace("Launch", std::string("launchAtLogin=") + boolText(launchAtLogin_));
    trace("Launch", "Output: " + currentOutputDevice_);

    // 9. Becoming active re-reads the permission on a later turn.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        didBecomeActiveObserver_ =
            connect(gui, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
                if (s == Qt::ApplicationActive) postToSelf([](AppState& a) { a.refreshPermission(); });
            });
    }

    // 10. Watch for the permission when it is missing.
    if (!permissionGranted_) startPermissionPolling();

    // 11. The tap exists from now on; enabling starts it.
    keyTap_ = std::make_shared<KeyTap>(makeKeyHandler(soundEngine_), deps_.platform.tapBackends);
    {
        std::weak_ptr<AppState*> weak = self_;
        keyTap_->onActivationResult = [weak](bool ok) {
            postToMain([weak, ok] {
                if (auto self = weak.lock()) (*self)->setNeedsRelaunchToActivate(!ok);
            });
        };
    }
    reloadMouseSound();
    keyTap_->onMouseDown = makeMouseHandler(soundEngine_);
    releaseSounds_ = userSettings()->value(kReleaseSoundsKey, true).toBool();
    keyTap_->onKeyUp = makeKeyUpHandler(soundEngine_);
    keyTap_->setKeyUpsWanted(releaseSounds_);

    // 12. Frontmost application and microphone.
    QPointer<ContextEngine> context = context_;
    std::weak_ptr<AppState*> weakSelf = self_;
    QPointer<AppState> selfForStatus = this;
    workspaceMonitor_ = new WorkspaceMonitor(
        [context, weakSelf, selfForStatus](const std::optional<std::string>& bundleID,
                                           const std::optional<std::string>& name) {
            if (!context) return;
            context->setCurrentApp(bundleID, name);
            context->applyEffective();
            // A passphrase prompt in front is a secret being typed.
            if (auto self = weakSelf.lock(); self && (*self)->secureInputMonitor_)
                (*self)->secureInputMonitor_->setFrontmostApp(bundleID, name);
            // A first report from a compositor's reporter makes it available.
            if (selfForStatus) emit selfForStatus->frontmostStatusChanged();
        },
        std::move(deps_.platform.frontmost), this);
    micMonitor_ = new MicMonitor(
        [context](bool active) {
            if (context) context->setMicActive(active);
        },
        std::move(deps_.platform.microphone), this);
    workspaceMonitor_->start();
    micMonitor_->start();

    // 13. Secure input.
    {
        std::weak_ptr<AppState*> weak = self_;
        secureInputMonitor_ = new SecureInputMonitor(
            [weak](bool active, const std::optional<std::string>& holder) {
                if (auto self = weak.lock()) (*self)->secureInputChanged(active, holder);
            },
            std::move(deps_.platform.secureInput), this);
    }
    secureInputMonitor_->setFrontmostApp(context_->currentBundleID(), context_->currentAppName());
    secureInputMonitor_->start();
    setSecureInput(secureInputMonitor_->isActive(), secureInputMonitor_->holderName());
    context_->setSecureInput(secureInputActive_, secureInputHolder_);
    trace("SecureInput", std::string("initial=") + boolText(secureInputActive_));

    // 14-16. Decision self-test, optional localization check, the decision.
    context_->runSelfTest();
    if (envSwitch("TOCKO_L10N_CHECK")) runLocalizationCheck();
    context_->applyEffective();

    // 17. Feedback on when the permission is already there; the X11-only
    // fallback of a Wayland session is used meanwhile.
    if (permissionGranted_ || permissionPartial_) setIsEnabled(true);

    // 18. The decision in force.
    std::string effective = "SILENT";
    if (std::optional<ContextEngine::Decision> d = context_->resolve())
        effective = "play(" + std::string(rawValue(d->pack)) + ", " + shortestText(d->volume) + ")";
    trace("Launch", "ContextEngine resolved effective = " + effective +
                        " (frontmost=" + context_->currentBundleID().value_or("nil") +
                        ", mic=" + boolText(context_->micActive()) + ")");

    // 19, 20. Optional self-tests.
    if (envSwitch("TOCKO_AUDIOCHECK")) runAudioCheck();
    if (envSwitch("TOCKO_TOGGLE_TEST")) QTimer::singleShot(0, this, [this] { runToggleTest(); });
}

// ---- Tour ------------------------------------------------------------------

void AppState::decideTour(bool profilesFileExisted) {
    auto show = [this] { postToSelf([](AppState& a) { a.showOnboarding(); }); };
    if (envSwitch("TOCKO_SHOW_ONBOARDING")) return show();
    const auto defaults = userSettings();
    if (defaults->value(kCompletedOnboardingKey, false).toBool()) return;
    if (profilesFileExisted) {
        // A user of an earlier version who never saw the tour.
        defaults->setValue(kCompletedOnboardingKey, true);
        return;
    }
    if (envSwitch("TOCKO_NO_ONBOARDING")) return;
    show();
}

void AppState::showOnboarding() {
    if (!onboarding_) {
        OnboardingFactory factory;
        {
            std::lock_guard lock(gFactoryMutex);
            factory = gOnboardingFactory;
        }
        if (factory) {
            std::weak_ptr<AppState*> weak = self_;
            std::unique_ptr<OnboardingPresenter> presenter = factory(*this, [weak] {
                if (auto self = weak.lock())
                    (*self)->onboardingClosed();
                else
                    userSettings()->setValue(kCompletedOnboardingKey, true);
            });
            onboarding_ = std::move(presenter);
        }
    }
    const bool presented =
        onboarding_ || isSignalConnected(QMetaMethod::fromSignal(&AppState::tourRequested));
    if (!presented) {
        log_.info("Onboarding requested; no window to show in headless mode");
        return;
    }
    if (!onboardingOpen_) {
        onboardingOpen_ = true;
        emit onboardingOpenChanged();
    }
    if (onboarding_) onboarding_->show();
    emit tourRequested();
    trace("Onboarding", "shown");
}

void AppState::onboardingClosed() {
    userSettings()->setValue(kCompletedOnboardingKey, true);
    // The presenter may be the caller: it is released on a later turn.
    if (std::shared_ptr<OnboardingPresenter> closing = std::move(onboarding_))
        QTimer::singleShot(0, this, [closing] {});
    if (onboardingOpen_) {
        onboardingOpen_ = false;
        emit onboardingOpenChanged();
    }
}

// ---- Published fields --------------------------------------------------------

void AppState::setPermissionGranted(bool granted) {
    if (granted == permissionGranted_) return;
    permissionGranted_ = granted;
    emit permissionGrantedChanged();
}

void AppState::readPermission() {
    const bool granted = deps_.platform.permission->preflight();
    const bool partial = !granted && deps_.platform.permission->partial();
    if (partial != permissionPartial_) {
        permissionPartial_ = partial;
        if (granted == permissionGranted_) emit permissionGrantedChanged();
    }
    setPermissionGranted(granted);
}

void AppState::setInputAccessGrant(InputAccessGrant grant) {
    if (grant == inputAccessGrant_) return;
    inputAccessGrant_ = grant;
    emit inputAccessGrantChanged();
}

void AppState::setNeedsRelaunchToActivate(bool needed) {
    if (needed == needsRelaunchToActivate_) return;
    needsRelaunchToActivate_ = needed;
    emit needsRelaunchToActivateChanged();
}

void AppState::setCurrentOutputDevice(const std::string& name) {
    if (name == currentOutputDevice_) return;
    currentOutputDevice_ = name;
    emit currentOutputDeviceChanged();
}

void AppState::setSecureInput(bool active, const std::optional<std::string>& holder) {
    if (active != secureInputActive_) {
        secureInputActive_ = active;
        emit secureInputActiveChanged();
    }
    if (holder != secureInputHolder_) {
        secureInputHolder_ = holder;
        emit secureInputHolderChanged();
    }
}

void AppState::secureInputChanged(bool active, const std::optional<std::string>& holder) {
    context_->setSecureInput(active, holder);  // the mute first
    setSecureInput(active, holder);
    const std::string name = holder.value_or("none");
    log_.info("SecureInput: active={} holder={}", {pub(boolText(active)), pub(name)});
    trace("SecureInput", std::string("active=") + boolText(active) + " holder=" + name);
}

QString AppState::secureInputHolderText() const {
    return secureInputHolder_ ? QString::fromStdString(*secureInputHolder_) : QString();
}

QString AppState::frontmostStatus() const {
    if (!workspaceMonitor_) return {};
    switch (workspaceMonitor_->availability()) {
        case FrontmostAvailability::Available:
            return {};
        case FrontmostAvailability::NotOnThisDesktop:
            return QStringLiteral("unavailable");
        case FrontmostAvailability::NeedsGnomeExtension:
            return QStringLiteral("gnome-extension");
    }
    return {};
}

void AppState::enableGnomeExtension() {
    std::string error;
    const std::string dir = resourcesDirectory() + "/gnome-shell";
    if (deps_.platform.enableDesktopExtension && deps_.platform.enableDesktopExtension(dir, error))
        log_.info("GNOME Shell extension {} enabled", {pub(WorkspaceMonitor::kGnomeExtensionUUID)});
    else
        log_.error("Could not enable the GNOME Shell extension: {}", {pub(error)});
    emit frontmostStatusChanged();
}

QString AppState::inputAccessHelpText() const {
    return QString::fromStdString(deps_.platform.inputAccessHelpText);
}

// ---- Enabling and permission -------------------------------------------------

void AppState::setIsEnabled(bool on) {
    if (on == isEnabled_) return;
    isEnabled_ = on;
    emit isEnabledChanged();
    context_->setGlobalEnabled(on);
    context_->applyEffective();
    applyEnabledState();
}

void AppState::applyEnabledState() {
    if (isEnabled_) {
        if (!permissionGranted_ && !permissionPartial_) {
            log_.info("Enable requested but input access not granted yet");
            return;
        }
        soundEngine_->start();
        if (keyTap_) keyTap_->start();
        if (!activityHeld_) {
            activityHeld_ = true;
            log_.info("Activity assertion held");
            traceLine("Activity assertion held");
        }
    } else {
        if (keyTap_) keyTap_->stop();
        if (activityHeld_) {
            activityHeld_ = false;
            log_.info("Activity assertion released");
            traceLine("Activity assertion released");
        }
    }
    const char* requested = isEnabled_ ? "ON" : "OFF";
    std::weak_ptr<AppState*> weak = self_;
    soundEngine_->status([weak, requested](bool running, bool muted) {
        auto self = weak.lock();
        if (!self) return;
        (*self)->log_.info("Enable: {} (engineRunning={} muted={})",
                           {pub(requested), pub(boolText(running)), pub(boolText(muted))});
        trace("Enable", std::string(requested) + " (engineRunning=" + boolText(running) +
                            " muted=" + boolText(muted) + ")");
    });
}

void AppState::requestPermission() {
    deps_.platform.permission->request();
    const bool before = permissionGranted_;
    readPermission();
    if (permissionGranted_) {
        if (before)
            setIsEnabled(true);
        else
            permissionArrived();
        stopPermissionPolling();
    }
}

void AppState::permissionArrived() {
    // A tap on the X11-only fallback is replaced by one that hears every
    // application.
    if (keyTap_ && keyTap_->isListening()) {
        keyTap_->stop();
        keyTap_->start();
    }
    // Feedback switched on while the permission was missing started
    // nothing; the grant starts it now rather than leaving the switch on
    // with no sound.
    if (isEnabled_)
        applyEnabledState();
    else
        setIsEnabled(true);
}

void AppState::openInputMonitoringSettings() {
    // Linux has no settings pane for this: the user is shown how to grant it.
    const QString help = inputAccessHelpText();
    log_.info("Showing how to grant input access");
    if (isSignalConnected(QMetaMethod::fromSignal(&AppState::inputAccessHelpRequested)))
        emit inputAccessHelpRequested(help);
    else
        trace("Permission", help.toStdString());
    startPermissionPolling();
}

void AppState::startPermissionPolling() {
    if (permissionPollTimer_) return;
    permissionPollTimer_ = new QTimer(this);
    permissionPollTimer_->setInterval(kPermissionPollInterval);
    connect(permissionPollTimer_, &QTimer::timeout, this,
            [this] { postToSelf([](AppState& a) { a.refreshPermission(); }); });
    permissionPollTimer_->start();
}

void AppState::stopPermissionPolling() {
    if (!permissionPollTimer_) return;
    permissionPollTimer_->stop();
    permissionPollTimer_->deleteLater();
    permissionPollTimer_ = nullptr;
}

void AppState::refreshPermission() {
    syncLaunchAtLoginFromSystem();
    const bool before = permissionGranted_;
    readPermission();
    if (!before && permissionGranted_) {
        permissionArrived();
        stopPermissionPolling();
    }
}

void AppState::grantInputAccess() {
    if (inputAccessGrant_ == InputAccessGrant::asking) return;
    setInputAccessGrant(InputAccessGrant::asking);
    trace("Permission", "grant access requested");
    if (!deps_.platform.accessGranter) {
        setInputAccessGrant(InputAccessGrant::unavailable);
        return;
    }
    std::weak_ptr<AppState*> weak = self_;
    deps_.platform.accessGranter->grant([weak](InputAccessGrant result) {
        auto self = weak.lock();
        if (!self) return;
        AppState& a = **self;
        a.log_.info("Input access grant: {}", {pub(grantText(result))});
        trace("Permission", std::string("grant access result = ") + grantText(result));
        a.setInputAccessGrant(result);
        a.refreshPermission();
        if (!a.permissionGranted_) a.startPermissionPolling();
    });
}

QString AppState::inputAccessUndoCommand() const {
    if (!deps_.platform.accessGranter) return {};
    return QString::fromStdString(deps_.platform.accessGranter->undoCommand());
}

QString AppState::manualInputAccessCommands() const {
    return QString::fromStdString(deps_.platform.manualInputAccessCommands);
}

void AppState::relaunch() {
    const QString program = QString::fromStdString(installPath_);
    // The new instance waits for this one to give up the session-bus name.
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.contains(QStringLiteral("--replace"))) arguments << QStringLiteral("--replace");
    if (!QProcess::startDetached(program, arguments))
        log_.error("Relaunch failed to start {}", {pub(installPath_)});
    else
        log_.info("Relaunching");
    QCoreApplication::quit();
}

// ---- Login item and install location -----------------------------------------

void AppState::setLaunchAtLogin(bool on) {
    const bool old = launchAtLogin_;
    if (on == old) return;
    launchAtLogin_ = on;
    emit launchAtLoginChanged();
    launchAtLoginDidChange(old, on);
}

void AppState::setReleaseSounds(bool on) {
    if (on == releaseSounds_) return;
    releaseSounds_ = on;
    userSettings()->setValue(kReleaseSoundsKey, on);
    keyTap_->setKeyUpsWanted(on);
    emit releaseSoundsChanged();
}

void AppState::launchAtLoginDidChange(bool oldValue, bool newValue) {
    if (newValue == oldValue || suppressLaunchToggleSideEffect_) return;
    std::string error;
    const bool ok = newValue ? deps_.platform.loginItem->registerItem(error)
                             : deps_.platform.loginItem->unregisterItem(error);
    if (ok) return;
    log_.error("LaunchAtLogin toggle failed: {}", {pub(error)});
    suppressLaunchToggleSideEffect_ = true;
    setLaunchAtLogin(oldValue);
    suppressLaunchToggleSideEffect_ = false;
}

void AppState::syncLaunchAtLoginFromSystem() {
    const bool enabled = deps_.platform.loginItem->isEnabled();
    if (enabled == launchAtLogin_) return;
    suppressLaunchToggleSideEffect_ = true;
    setLaunchAtLogin(enabled);
    suppressLaunchToggleSideEffect_ = false;
}

void AppState::revealInstallLocation() {
    const QString folder = QFileInfo(QString::fromStdString(installPath_)).absolutePath();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        log_.error("Could not reveal {}", {pub(folder.toStdString())});
}

// ---- Sounds ------------------------------------------------------------------

void AppState::playSound(const QString& pack, double volume, bool vary) {
    const float v = std::isnan(volume) ? 0.0f : float(std::clamp(volume, 0.0, 1.0));
    soundEngine_->play(decodePack(pack.toStdString()), v, vary);
}

}  // namespace tocko

namespace tocko {
QObject* AppState::userPacksObject() const { return userPacks_; }
}  // namespace tocko
