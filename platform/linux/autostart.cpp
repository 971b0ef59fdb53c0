#include "platform/linux/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <cstdlib>

#include "platform/linux/linux_platform.h"
#include "support/log.h"

namespace tocko {

namespace {

std::string defaultConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return xdg;
    return QDir::homePath().toStdString() + "/.config";
}

bool isFalse(const QString& v) { return v.trimmed().compare("false", Qt::CaseInsensitive) == 0; }
bool isTrue(const QString& v) { return v.trimmed().compare("true", Qt::CaseInsensitive) == 0; }

// <prefix>/bin/tocko with its <prefix>/share/tocko beside it.
bool isInstalledLayout(const std::string& executable) {
    const QFileInfo exe(QString::fromStdString(executable));
    return QFileInfo(exe.absolutePath() + "/../share/tocko/sounds").isDir();
}

}  // namespace

std::optional<std::string> desktopExecArgument(const std::string& path) {
    bool needsQuotes = path.empty();
    for (unsigned char c : path) {
        if (c < 0x20 || c == 0x7f) return std::nullopt;
        if (std::string_view(" \t\"'\\><~|&;$*?#()`").find(char(c)) != std::string_view::npos)
            needsQuotes = true;
    }
    std::string arg;
    if (needsQuotes) arg += '"';
    for (char c : path) {
        // Inside quotes, these four are escaped with a backslash.
        if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\')) arg += '\\';
        if (c == '%') arg += '%';  // field codes
        arg += c;
    }
    if (needsQuotes) arg += '"';
    // The value as a whole is a desktop-entry string: backslashes doubled.
    std::string value;
    for (char c : arg) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

AutostartLoginItem::AutostartLoginItem(std::string executablePath, std::string configHome)
    : executablePath_(std::move(executablePath)), configHome_(std::move(configHome)) {}

std::string AutostartLoginItem::entryPath() const {
    return (configHome_.empty() ? defaultConfigHome() : configHome_) + "/autostart/tocko.desktop";
}

std::optional<std::string> AutostartLoginItem::entryText() const {
    const std::optional<std::string> exec = desktopExecArgument(executablePath_);
    if (!exec) return std::nullopt;
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tocko\n"
           "Comment=Keyboard sounds for every key press\n"
           "Exec=" +
           *exec +
           " --background\n"
           "Icon=com.pollix.Tocko\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool AutostartLoginItem::isEnabled() {
    QFile file(QString::fromStdString(entryPath()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    // Hidden=true, or the GNOME switch set to false, turns an entry off.
    QTextStream in(&file);
    bool inMainGroup = false;
    bool sawMainGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        if (!inMainGroup) continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        if (key == "Hidden" && isTrue(value)) return false;
        if (key == "X-GNOME-Autostart-enabled" && isFalse(value)) return false;
    }
    return sawMainGroup;
}

bool AutostartLoginItem::registerItem(std::string& error) {
    const std::optional<std::string> text = entryText();
    if (!text) {
        error = "the program path cannot be written into an autostart entry: " + executablePath_;
        return false;
    }
    const QString path = QString::fromStdString(entryPath());
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = "could not create the folder " + QFileInfo(path).absolutePath().toStdString();
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    const QByteArray bytes = QByteArray::fromStdString(*text);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString().toStdString();
        return false;
    }
    std::string where =
        "autostart entry " + path.toStdString() + " starts " + executablePath_ + " --background";
    if (!isInstalledLayout(executablePath_))
        where +=
            " (a build-tree copy: once that build is moved or removed the entry starts nothing; install "
            "Tocko, then switch Launch at login off and on)";
    trace("LoginItem", where);
    return true;
}

bool AutostartLoginItem::unregisterItem(std::string& error) {
    QFile file(QString::fromStdString(entryPath()));
    if (!file.exists()) return true;
    if (!file.remove()) {
        error = file.errorString().toStdString();
        return false;
    }
    return true;
}

std::shared_ptr<LoginItemService> makeLoginItemService(std::string executablePath) {
    return std::make_shared<AutostartLoginItem>(std::move(executablePath));
}

}  // namespace tocko
