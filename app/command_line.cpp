#include "app/command_line.h"

#include <QCommandLineParser>
#include <array>

#ifndef TOCKO_VERSION_TEXT
#define TOCKO_VERSION_TEXT ""
#endif
#ifndef TOCKO_BUILD_TEXT
#define TOCKO_BUILD_TEXT ""
#endif

namespace tocko {

namespace {

struct VerbInfo {
    Verb verb;
    const char* name;
    const char* help;
};

constexpr std::array<VerbInfo, 9> kVerbs{{
    {Verb::Toggle, "toggle", "switch keyboard sounds on or off"},
    {Verb::On, "on", "switch keyboard sounds on"},
    {Verb::Off, "off", "switch keyboard sounds off"},
    {Verb::Snooze, "snooze", "mute for MINUTES (default 10), then play again"},
    {Verb::Unsnooze, "unsnooze", "end a snooze now"},
    {Verb::Status, "status", "print the frontmost application and what plays there"},
    {Verb::Settings, "settings", "open the Settings window"},
    {Verb::Panel, "panel", "open the quick controls (the tray icon's panel)"},
    {Verb::Quit, "quit", "quit the running Tocko"},
}};

constexpr int kMaxSnoozeMinutes = 24 * 60;

CommandLine usageError(QString text) {
    CommandLine c;
    c.action = CommandLine::Action::UsageError;
    c.error = std::move(text);
    return c;
}

}  // namespace

QStringList argumentList(int argc, char** argv) {
    QStringList list;
    list.reserve(argc);
    for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
    return list;
}

QString verbName(Verb verb) {
    for (const VerbInfo& v : kVerbs)
        if (v.verb == verb) return QString::fromLatin1(v.name);
    return {};
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption version({"v", "version"}, "");
    const QCommandLineOption background("background", "");
    const QCommandLineOption headless("headless", "");
    const QCommandLineOption replace("replace", "");
    const QCommandLineOption importPack("import-pack", "", "PATH");
    const QCommandLineOption panel("panel", "");
    const QCommandLineOption settings("settings", "");
    parser.addOptions({help, version, background, headless, replace, importPack, panel, settings});
    if (!parser.parse(arguments.isEmpty() ? QStringList{"tocko"} : arguments))
        return usageError(parser.errorText());

    CommandLine c;
    if (parser.isSet(help) || parser.isSet(version)) {
        c.action = parser.isSet(help) ? CommandLine::Action::Help : CommandLine::Action::Version;
        return c;
    }

    if (parser.isSet(importPack)) {
        if (parser.isSet(background) || parser.isSet(headless) || parser.isSet(replace) ||
            parser.isSet(panel) || parser.isSet(settings) || !parser.positionalArguments().isEmpty() ||
            parser.values(importPack).size() != 1)
            return usageError(QStringLiteral("--import-pack takes one PATH and nothing else"));
        c.action = CommandLine::Action::ImportPack;
        c.importPath = parser.value(importPack);
        return c;
    }
    c.background = parser.isSet(background);
    c.headless = parser.isSet(headless);
    c.replace = parser.isSet(replace);
    c.panel = parser.isSet(panel);
    c.settings = parser.isSet(settings);
    if (c.panel && c.settings)
        return usageError(QStringLiteral("--panel and --settings open different windows"));
    if ((c.panel || c.settings) && (c.background || c.headless))
        return usageError(QStringLiteral("--%1 opens a window; it cannot go with --background or --headless")
                              .arg(c.panel ? "panel" : "settings"));
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) return c;

    const VerbInfo* found = nullptr;
    for (const VerbInfo& v : kVerbs)
        if (words.first() == QLatin1String(v.name)) found = &v;
    if (!found) return usageError(QStringLiteral("unknown command \"%1\"").arg(words.first()));
    if (c.background || c.headless || c.replace || c.panel || c.settings)
        return usageError(QStringLiteral("\"%1\" talks to the running Tocko and takes no start-up option")
                              .arg(words.first()));
    c.action = CommandLine::Action::Verb;
    c.verb = found->verb;
    const qsizetype allowed = found->verb == Verb::Snooze ? 2 : 1;
    if (words.size() > allowed)
        return usageError(
            QStringLiteral("unexpected \"%1\" after \"%2\"").arg(words[allowed], words[allowed - 1]));
    if (words.size() == 2) {
        bool ok = false;
        const int minutes = words[1].toInt(&ok);
        if (!ok || minutes < 1 || minutes > kMaxSnoozeMinutes)
            return usageError(QStringLiteral("snooze takes whole minutes from 1 to %1, not \"%2\"")
                                  .arg(kMaxSnoozeMinutes)
                                  .arg(words[1]));
        c.snoozeMinutes = minutes;
    }
    return c;
}

QString helpText(const QString& programName) {
    QString text = QStringLiteral(
                       "Usage: %1 [--background | --headless | --panel | --settings]\n"
                       "       %1 COMMAND\n"
                       "\n"
                       "Tocko plays a short keyboard sound for every key you press. Started without a\n"
                       "command it runs in the system tray; when Tocko already runs, it opens the\n"
                       "running one's Settings window (its panel where the desktop has no tray)\n"
                       "instead of starting twice.\n"
                       "\n"
                       "Options:\n"
                       "  -h, --help      show this help and exit\n"
                       "  -v, --version   show the version and exit\n"
                       "  --background    start without opening any window (used at login)\n"
                       "  --headless      run without tray icon or windows; keys still click\n"
                       "  --panel         start (or reach the running Tocko) with its quick controls open\n"
                       "  --settings      start (or reach the running Tocko) with its Settings open\n"
                       "  --import-pack PATH  import a sound pack (a folder or .zip: a config.json pack,\n"
                       "                  or press and release sounds) and print its id\n"
                       "\n"
                       "Commands for the running Tocko (bind them to keyboard shortcuts):\n")
                       .arg(programName);
    for (const VerbInfo& v : kVerbs) {
        QString name = QString::fromLatin1(v.name);
        if (v.verb == Verb::Snooze) name += " [MINUTES]";
        text += QStringLiteral("  %1%2\n").arg(name, -18).arg(QString::fromLatin1(v.help));
    }
    text += QStringLiteral(
        "\n"
        "Exit status: 0 on success, 1 when a command finds no running Tocko, 2 on a\n"
        "usage error.\n");
    return text;
}

QString versionText() {
    QString text = QStringLiteral("Tocko " TOCKO_VERSION_TEXT);
    const QString build = QStringLiteral(TOCKO_BUILD_TEXT);
    if (!build.isEmpty()) text += QStringLiteral(" (build %1)").arg(build);
    return text;
}

}  // namespace tocko
