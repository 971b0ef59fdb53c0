#include "main/app_runtime.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cstdlib>
#include <cstring>

#include "app/main_dispatcher.h"
#include "platform/platform.h"
#include "support/log.h"
#include "support/regular_file.h"
#include "support/user_settings.h"

#ifndef TOCKO_VERSION_TEXT
#define TOCKO_VERSION_TEXT ""
#endif

namespace tocko {

namespace {

int gSignalPipe[2] = {-1, -1};

void onQuitSignal(int) {
    const char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(gSignalPipe[1], &byte, 1);
}

bool wantsHeadless(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--headless") == 0) return true;
    return false;
}

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* v = std::getenv(name); v != nullptr && v[0] != '\0') return true;
    return false;
}

// The typefaces shipped in the resources folder, registered by file name
// (the font database reads them as needed) before the launch trace reports
// them; the copies compiled into the program are used only without them.
void registerFontFiles(const QString& folder) {
    QDirIterator it(folder, {"*.ttf", "*.otf"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) QFontDatabase::addApplicationFont(it.next());
}

// QSettings reads its file as it is constructed: a FIFO there would block the
// start for good, a link to a device would fill the memory. Such a file is
// moved aside before anything asks for a setting.
void setAsideUnusableSettings() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
                         kSettingsOrganization + '/' + kSettingsApplication + ".conf";
    const std::string aside = setAsideUnusableFile(path.toStdString(), 1024 * 1024);
    if (!aside.empty())
        Logger("AppState")
            .error("Settings file is not a regular file of sensible size; moved to {}", {pub(aside)});
}

}  // namespace

AppRuntime::AppRuntime(int& argc, char** argv) {
    hasDisplay_ = !wantsHeadless(argc, argv) && displayAvailable();
    if (hasDisplay_) {
        app_ = std::make_unique<QApplication>(argc, argv);
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    QCoreApplication::setOrganizationName(kSettingsOrganization);
    QCoreApplication::setApplicationName(kSettingsApplication);
    QCoreApplication::setApplicationVersion(TOCKO_VERSION_TEXT);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    installQtMainDispatcher();
    setAsideUnusableSettings();
    registerFontFiles(QString::fromStdString(resourcesDirectory() + "/fonts"));

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) == 0) {
        auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, app_.get());
        QObject::connect(notifier, &QSocketNotifier::activated, app_.get(), [] {
            char byte = 0;
            [[maybe_unused]] ssize_t n = ::read(gSignalPipe[0], &byte, 1);
            QCoreApplication::quit();
        });
        struct sigaction sa {};
        sa.sa_handler = onQuitSignal;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGINT, &sa, nullptr);
        sigaction(SIGTERM, &sa, nullptr);
    }
}

AppRuntime::~AppRuntime() {
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
}

int AppRuntime::exec() { return QCoreApplication::exec(); }

}  // namespace tocko
