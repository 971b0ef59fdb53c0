#pragma once
// AppState: the one object that owns the running system (sound engine,
// context engine, key tap, the three monitors), runs the start-up sequence,
// and publishes the facts the views show. Create exactly one, on the Qt main
// thread, after the Q(Gui)Application exists; construction runs the whole
// launch. Everything here is main-thread only unless noted.
//
// Properties (all NOTIFY <name>Changed unless CONSTANT):
//   bool    isEnabled              read/write: typing feedback on/off (its setter starts/stops the tap)
//   bool    permissionGranted      input access as last read: every application is heard
//   bool    permissionPartial      not granted, but X11 windows are heard (XWayland fallback)
//   int     inputAccessGrant       InputAccessGrant of the last "Grant access…" (app/input_access.h)
//   bool    needsRelaunchToActivate  the tap could not be created although feedback is on
//   bool    needsInstall           the executable lies outside an install location (/usr/, /opt/, ~/.local/,
//                                  Flatpak, Snap, Nix)
//   bool    launchAtLogin          read/write: the XDG autostart entry (its setter writes/removes it)
//   bool    releaseSounds          read/write: key-ups play the pack's release sound (stored, on by default)
//   QString currentOutputDevice    name of the default output device
//   bool    secureInputActive      another application holds secure keyboard entry
//   QString secureInputHolder      its name; empty when none is known
//   bool    onboardingOpen         the tour is open
//   ContextEngine* context         CONSTANT: pack/volume rules, snooze, auto-mute (context/context_engine.h)
//   QString installPath            CONSTANT: path of the running executable
//   QString inputAccessHelpText    CONSTANT: how the user grants input access on Linux
//
// Invokables:
//   showOnboarding()               open the tour (or bring it forward): emits tourRequested()
//   onboardingClosed()             the tour window closed: records "hasCompletedOnboarding"
//   requestPermission()            re-reads input access; turns feedback on when granted
//   openInputMonitoringSettings()  emits inputAccessHelpRequested(text) and starts the 2 s poll
//   grantInputAccess()             runs the polkit grant, then re-reads the permission and polls
//   inputAccessUndoCommand()       the command that takes the granted access back, or ""
//   startPermissionPolling(), refreshPermission(), syncLaunchAtLoginFromSystem()
//   requestDiagnostics()           emits diagnosticsReady(text) (C++: collectDiagnostics(completion))
//   playSound(pack, volume, vary)  one click of a pack id ("soft"), e.g. for previews
//   relaunch()                     starts a new instance of this executable, then quits
//   revealInstallLocation()        opens the folder holding the executable
//   runAudioCheck(), runToggleTest(), runLocalizationCheck()   self-tests
//
// Signals besides NOTIFY: tourRequested(), inputAccessHelpRequested(QString),
// diagnosticsReady(QString).
//
// The tour: a widget UI may install an OnboardingFactory before constructing
// AppState (showOnboarding() then creates and shows the presenter, whose
// onClose ends the tour); a QML UI may instead connect to tourRequested() and
// call onboardingClosed() when its window closes. Either is connected before
// the event loop runs: the launch decision opens the tour on the next turn.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/input_access.h"
#include "audio/sound_engine.h"
#include "context/context_engine.h"
#include "platform/platform.h"
#include "support/log.h"

class QTimer;

namespace tocko {

class EnginePlaybackSink;
class FrontmostAppSource;
class InputDeviceSystem;
class KeyTap;
class MicMonitor;
class SecureInputMonitor;
class SecureInputProbe;
class TapBackendFactory;
class WorkspaceMonitor;

class AppState;
namespace userpacks {
class UserPackLibrary;
}

// The tour window as the application state sees it.
class OnboardingPresenter {
public:
    virtual ~OnboardingPresenter() = default;
    // Shows the window, or brings the open one to the front.
    virtual void show() = 0;
};
// `onClose` must be called once when the tour window closes.
using OnboardingFactory =
    std::function<std::unique_ptr<OnboardingPresenter>(AppState& state, std::function<void()> onClose)>;

class AppState : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isEnabled READ isEnabled WRITE setIsEnabled NOTIFY isEnabledChanged)
    Q_PROPERTY(bool permissionGranted READ permissionGranted NOTIFY permissionGrantedChanged)
    Q_PROPERTY(bool permissionPartial READ permissionPartial NOTIFY permissionGrantedChanged)
    Q_PROPERTY(int inputAccessGrant READ inputAccessGrantValue NOTIFY inputAccessGrantChanged)
    Q_PROPERTY(
        bool needsRelaunchToActivate READ needsRelaunchToActivate NOTIFY needsRelaunchToActivateChanged)
    Q_PROPERTY(bool needsInstall READ needsInstall NOTIFY needsInstallChanged)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)
    Q_PROPERTY(bool releaseSounds READ releaseSounds WRITE setReleaseSounds NOTIFY releaseSoundsChanged)
    Q_PROPERTY(QString currentOutputDevice READ currentOutputDeviceText NOTIFY currentOutputDeviceChanged)
    Q_PROPERTY(bool secureInputActive READ secureInputActive NOTIFY secureInputActiveChanged)
    Q_PROPERTY(QString secureInputHolder READ secureInputHolderText NOTIFY secureInputHolderChanged)
    Q_PROPERTY(bool onboardingOpen READ onboardingOpen NOTIFY onboardingOpenChanged)
    Q_PROPERTY(tocko::ContextEngine* context READ contextObject CONSTANT)
    // The user's imported packs (userpacks::UserPackLibrary).
    Q_PROPERTY(QObject* userPacks READ userPacksObject CONSTANT)
    Q_PROPERTY(QString installPath READ installPathText CONSTANT)
    Q_PROPERTY(QString inputAccessHelpText READ inputAccessHelpText CONSTANT)
    // "" when the application in front is known; "unavailable" when this
    // desktop offers no way to tell; "gnome-extension" when GNOME Shell
    // needs Tocko's extension enabled.
    Q_PROPERTY(QString frontmostStatus READ frontmostStatus NOTIFY frontmostStatusChanged)

public:
    // The platform's services and what else the state is built from.
    struct Dependencies {
        Platform platform;            // required: see platform/platform.h
        SoundEngine::Options engine;  // soundsDir, uniform; output: default platform.audioOutput
        std::optional<std::string> executablePath;        // default: QCoreApplication::applicationFilePath()
        std::optional<std::string> homeDirectory;         // default: QDir::homePath()
        std::shared_ptr<LocalizationProbe> localization;  // default: Qt translator tables
        std::function<bool(const std::string& family)> fontAvailable;  // default: QFontDatabase
    };

    // Runs the whole start-up before it returns. Aborts when a required
    // platform service is missing.
    explicit AppState(Dependencies deps, QObject* parent = nullptr);
    ~AppState() override;

    // Used by the next showOnboarding() that finds no open tour.
    static void setOnboardingFactory(OnboardingFactory factory);

    // ---- Published fields
    bool isEnabled() const { return isEnabled_; }
    void setIsEnabled(bool on);
    bool permissionGranted() const { return permissionGranted_; }
    bool permissionPartial() const { return permissionPartial_; }
    InputAccessGrant inputAccessGrant() const { return inputAccessGrant_; }
    bool needsRelaunchToActivate() const { return needsRelaunchToActivate_; }
    bool needsInstall() const { return needsInstall_; }
    bool launchAtLogin() const { return launchAtLogin_; }
    bool releaseSounds() const { return releaseSounds_; }
    void setReleaseSounds(bool on);
    void setLaunchAtLogin(bool on);
    const std::string& currentOutputDevice() const { return currentOutputDevice_; }
    bool secureInputActive() const { return secureInputActive_; }
    const std::optional<std::string>& secureInputHolder() const { return secureInputHolder_; }
    bool onboardingOpen() const { return onboardingOpen_; }
    const std::string& installPath() const { return installPath_; }

    // ---- Owned parts
    const std::shared_ptr<SoundEngine>& soundEngine() const { return soundEngine_; }
    ContextEngine& context() const { return *context_; }
    const std::shared_ptr<KeyTap>& keyTap() const { return keyTap_; }
    const std::shared_ptr<LoginItemService>& loginItem() const { return deps_.platform.loginItem; }
    bool hasActivityToken() const { return activityHeld_; }
    bool isPermissionPolling() const { return permissionPollTimer_ != nullptr; }

    // ---- Tour
    // The user's imported packs (userpacks::UserPackLibrary).
    QObject* userPacksObject() const;
    Q_INVOKABLE void showOnboarding();
    Q_INVOKABLE void onboardingClosed();

    // ---- Enabling and permission
    Q_INVOKABLE void requestPermission();
    Q_INVOKABLE void openInputMonitoringSettings();
    Q_INVOKABLE void startPermissionPolling();
    Q_INVOKABLE void refreshPermission();
    Q_INVOKABLE void relaunch();
    Q_INVOKABLE void grantInputAccess();
    Q_INVOKABLE QString inputAccessUndoCommand() const;
    // The commands that grant input access by hand, as the platform spells them.
    QString manualInputAccessCommands() const;

    // ---- Login item and install location
    Q_INVOKABLE void syncLaunchAtLoginFromSystem();
    Q_INVOKABLE void revealInstallLocation();

    // ---- Diagnostics and self-tests
    // The completion runs on the main thread with the ten-line text.
    void collectDiagnostics(std::function<void(std::string)> completion);
    Q_INVOKABLE void requestDiagnostics();
    // Installs and enables the GNOME Shell extension that reports the
    // application in front; the result arrives as frontmostStatusChanged.
    Q_INVOKABLE void enableGnomeExtension();
    QString frontmostStatus() const;
    Q_INVOKABLE void runAudioCheck();
    Q_INVOKABLE void runToggleTest();
    Q_INVOKABLE void runLocalizationCheck();

    // ---- Sounds outside the tap (previews): an unknown pack text plays soft.
    Q_INVOKABLE void playSound(const QString& pack, double volume, bool vary);

    // The key and mouse handlers given to the tap (exposed for tests and
    // benchmarks; they run on the tap thread).
    static std::function<void(uint16_t)> makeKeyHandler(std::shared_ptr<SoundEngine> engine);
    // The mouse handler plays currentMouseSound(), which the main thread keeps.
    static std::function<void()> makeMouseHandler(std::shared_ptr<SoundEngine> engine);
    // Key-up: the active pack's release sound, unless muted; counts no invocation.
    static std::function<void(uint16_t)> makeKeyUpHandler(std::shared_ptr<SoundEngine> engine);

    // `needsInstall` for an executable at `path` with home folder `home`.
    static bool pathNeedsInstall(const std::string& path, const std::string& home);

signals:
    void isEnabledChanged();
    void permissionGrantedChanged();
    void inputAccessGrantChanged();
    void needsRelaunchToActivateChanged();
    void needsInstallChanged();
    void launchAtLoginChanged();
    void releaseSoundsChanged();
    void currentOutputDeviceChanged();
    void secureInputActiveChanged();
    void secureInputHolderChanged();
    void onboardingOpenChanged();
    void tourRequested();
    void inputAccessHelpRequested(const QString& text);
    void diagnosticsReady(const QString& text);
    void frontmostStatusChanged();

private:
    void launch();
    void decideTour(bool profilesFileExisted);
    void applyEnabledState();
    void permissionArrived();
    void setPermissionGranted(bool granted);
    void readPermission();
    void setInputAccessGrant(InputAccessGrant grant);
    int inputAccessGrantValue() const { return int(inputAccessGrant_); }
    void setNeedsRelaunchToActivate(bool needed);
    void setCurrentOutputDevice(const std::string& name);
    void setSecureInput(bool active, const std::optional<std::string>& holder);
    void secureInputChanged(bool active, const std::optional<std::string>& holder);
    void stopPermissionPolling();
    void launchAtLoginDidChange(bool oldValue, bool newValue);
    // Runs `task` on the main thread later if this object still exists then.
    void postToSelf(std::function<void(AppState&)> task);

    ContextEngine* contextObject() const { return context_; }

    QString currentOutputDeviceText() const { return QString::fromStdString(currentOutputDevice_); }
    QString secureInputHolderText() const;
    QString installPathText() const { return QString::fromStdString(installPath_); }
    QString inputAccessHelpText() const;

    // Published fields.
    bool isEnabled_ = false;
    bool permissionGranted_ = false;
    bool permissionPartial_ = false;
    InputAccessGrant inputAccessGrant_ = InputAccessGrant::idle;
    bool needsRelaunchToActivate_ = false;
    bool needsInstall_ = false;
    bool suppressLaunchToggleSideEffect_ = false;
    bool launchAtLogin_ = false;
    bool releaseSounds_ = true;
    std::string currentOutputDevice_;
    bool secureInputActive_ = false;
    std::optional<std::string> secureInputHolder_;
    bool onboardingOpen_ = false;

    Dependencies deps_;
    std::string installPath_;
    std::string homeDirectory_;
    // Handed out weakly to posted work: gone once this object is.
    std::shared_ptr<AppState*> self_;

    std::shared_ptr<SoundEngine> soundEngine_;
    std::shared_ptr<EnginePlaybackSink> playbackSink_;
    ContextEngine* context_ = nullptr;  // child QObject
    userpacks::UserPackLibrary* userPacks_ = nullptr;
    std::shared_ptr<KeyTap> keyTap_;
    WorkspaceMonitor* workspaceMonitor_ = nullptr;      // child QObject
    MicMonitor* micMonitor_ = nullptr;                  // child QObject
    SecureInputMonitor* secureInputMonitor_ = nullptr;  // child QObject
    QMetaObject::Connection didBecomeActiveObserver_;
    QTimer* permissionPollTimer_ = nullptr;  // child QObject
    // The activity held while typing feedback is on. Linux has no App Nap, so
    // this only records that it is held; it never inhibits system sleep.
    bool activityHeld_ = false;
    std::shared_ptr<OnboardingPresenter> onboarding_;
    Logger log_{"AppState"};
};

}  // namespace tocko
