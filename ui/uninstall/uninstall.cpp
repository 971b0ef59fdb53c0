#include "ui/uninstall/uninstall.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "support/log.h"
#include "ui/l10n/localization_store.h"

namespace tocko {

namespace {
const Logger log{"Uninstall"};

QString xdgDir(const char* variable, const QString& fallbackUnderHome) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
    return QDir::homePath() + QLatin1Char('/') + fallbackUnderHome;
}
}  // namespace

UninstallLocations uninstallLocationsFromEnvironment() {
    return {xdgDir("XDG_DATA_HOME", QStringLiteral(".local/share")),
            xdgDir("XDG_CONFIG_HOME", QStringLiteral(".config")),
            xdgDir("XDG_CACHE_HOME", QStringLiteral(".cache"))};
}

std::vector<UninstallItem> uninstallTargets(const UninstallLocations& l, const QString& org,
                                            const QString& app) {
    using K = UninstallItem::Kind;
    return {
        {l.dataHome + '/' + org, K::folder},
        {l.cacheHome + '/' + org + '/' + app, K::folder},
        {l.cacheHome + '/' + app, K::folder},
        {l.cacheHome + '/' + org, K::emptyFolder},
        {l.configHome + '/' + org + '/' + app + QStringLiteral(".conf"), K::file},
        {l.configHome + '/' + org, K::emptyFolder},
    };
}

void removeExistingItems(const std::vector<UninstallItem>& items) {
    for (const UninstallItem& item : items) {
        const QFileInfo info(item.path);
        if (!info.exists() && !info.isSymLink()) continue;
        bool ok = true;
        switch (item.kind) {
            case UninstallItem::Kind::folder:
                ok = info.isDir() && !info.isSymLink() ? QDir(item.path).removeRecursively()
                                                       : QFile::remove(item.path);
                break;
            case UninstallItem::Kind::file:
                ok = QFile::remove(item.path);
                break;
            case UninstallItem::Kind::emptyFolder:
                if (info.isDir() && QDir(item.path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                            QDir::NoDotAndDotDot)) {
                    ok = QDir().rmdir(item.path);
                }
                break;
        }
        if (!ok) log.error("Could not remove {}", {priv(item.path.toStdString())});
    }
}

UninstallTexts uninstallTexts() {
    auto t = [](const char* key) { return LocalizationStore::localizedString(key); };
    // Marked for lupdate in the shared context "Tocko".
    return {
        t(QT_TRANSLATE_NOOP("Tocko", "Uninstall Tocko?")),
        t(QT_TRANSLATE_NOOP("Tocko",
                            "Uninstalling stops Tocko from opening at login, deletes its settings and sound "
                            "profiles from this "
                            "computer, and moves Tocko to the Trash.")),
        t(QT_TRANSLATE_NOOP("Tocko", "Uninstall")),
        t(QT_TRANSLATE_NOOP("Tocko", "Cancel")),
        t(QT_TRANSLATE_NOOP("Tocko", "Tocko has been moved to the Trash.")),
        t(QT_TRANSLATE_NOOP("Tocko",
                            "Tocko’s settings are removed, but the app couldn’t move itself to the Trash. "
                            "Remove it with the package manager that installed it.")),
        t(QT_TRANSLATE_NOOP("Tocko",
                            "One last step: the input access given to Tocko stays until you take it back "
                            "with this command:")),
        t(QT_TRANSLATE_NOOP("Tocko", "Done")),
    };
}

bool moveOwnFileToTrash(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.ownerId() != ::getuid()) return false;
    if (!QFileInfo(info.absolutePath()).isWritable()) return false;
    QFile file(path);
    return file.moveToTrash();
}

void uninstall(const UninstallServices& s) {
    const UninstallTexts texts = uninstallTexts();
    if (!s.confirm || !s.confirm(texts)) return;

    if (s.loginItem && s.loginItem->isEnabled()) {
        std::string error;
        if (!s.loginItem->unregisterItem(error)) log.error("Login item stays: {}", {pub(error)});
    }
    if (s.clearSettings) s.clearSettings();
    removeExistingItems(uninstallTargets(s.locations, s.organization, s.application));

    const bool moved = s.moveToTrash && !s.executablePath.isEmpty() && s.moveToTrash(s.executablePath);
    const QString undo = s.inputAccessUndoCommand ? s.inputAccessUndoCommand() : QString();
    if (s.showResult) s.showResult(texts, moved, undo);
    if (s.exitProcess) s.exitProcess();
}

}  // namespace tocko
