#pragma once
// The tocko command line: options for the program itself and the control
// verbs that reach a running instance. Parsed with QCommandLineParser before
// any application object exists, so --help and --version answer at once.

#include <QString>
#include <QStringList>

namespace tocko {

// The control verbs, as typed.
enum class Verb { Toggle, On, Off, Snooze, Unsnooze, Status, Settings, Panel, Quit };

struct CommandLine {
    enum class Action {
        Run,         // start Tocko (or hand the launch to the running instance)
        Verb,        // send `verb` to the running instance
        Help,        // print helpText() and exit 0
        Version,     // print versionText() and exit 0
        UsageError,  // print `error` and a pointer to --help, exit 2
        ImportPack,  // import the sound pack at `importPath` into the data folder
    };
    Action action = Action::Run;
    Verb verb = Verb::Status;
    int snoozeMinutes = 10;
    bool background = false;  // start without opening any window
    bool headless = false;    // no tray, no windows
    bool panel = false;       // open the quick controls (started or handed over)
    bool settings = false;    // open Settings (started or handed over)
    // For a relaunch: wait until the running instance has gone.
    bool replace = false;
    QString importPath;
    QString error;
};

// Exit codes besides 0.
constexpr int kExitNoInstance = 1;
constexpr int kExitUsage = 2;

// `arguments` includes the program name first.
CommandLine parseCommandLine(const QStringList& arguments);
QStringList argumentList(int argc, char** argv);

QString helpText(const QString& programName);
// "Tocko 0.1.0 (build 123)".
QString versionText();
QString verbName(Verb verb);

}  // namespace tocko
