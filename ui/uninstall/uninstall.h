#pragma once
// Removing the application and everything it stored: after a confirmation
// the login item is unregistered, the settings are cleared, the data, cache
// and settings files are deleted, the executable goes to the Trash, the user
// is told how to take back the input access given to Tocko, with the command
// (when there is any), and the process ends with
// status 0. Every removal is best effort; only a failed move to the Trash
// changes what the user is told.

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace tocko {

class LoginItemService;

// The XDG base folders the application's files live in.
struct UninstallLocations {
    QString dataHome;    // $XDG_DATA_HOME, default ~/.local/share
    QString configHome;  // $XDG_CONFIG_HOME, default ~/.config
    QString cacheHome;   // $XDG_CACHE_HOME, default ~/.cache
};
// Relative or empty XDG variables are ignored, as the base-directory rules say.
UninstallLocations uninstallLocationsFromEnvironment();

struct UninstallItem {
    enum class Kind {
        folder,       // removed with its contents
        file,         // removed
        emptyFolder,  // removed only when nothing is left in it
    };
    QString path;
    Kind kind;
};

// The items removed, in order, for organisation `org` and application `app`
// (the settings identity, "Pollix" and "Tocko"):
//   1 <data>/<org>                 folder  profile store files
//   2 <cache>/<org>/<app>          folder  Qt's cache location (QML and network caches)
//   3 <cache>/<app>                folder  cache location used without an organisation
//   4 <cache>/<org>                empty   left-over parent of 2
//   5 <config>/<org>/<app>.conf    file    the settings file
//   6 <config>/<org>               empty   left-over parent of 5
std::vector<UninstallItem> uninstallTargets(const UninstallLocations& locations, const QString& org,
                                            const QString& app);

// Removes each existing item; failures are skipped.
void removeExistingItems(const std::vector<UninstallItem>& items);

// The user-visible texts, translated into the chosen interface language.
struct UninstallTexts {
    QString confirmTitle, confirmBody, uninstallButton, cancelButton;
    QString movedTitle, notMovedTitle, resultBody, doneButton;
};
UninstallTexts uninstallTexts();

// Everything the flow touches, replaceable for tests.
struct UninstallServices {
    // Shows the confirmation; true when the user chose "Uninstall".
    std::function<bool(const UninstallTexts&)> confirm;
    std::shared_ptr<LoginItemService> loginItem;
    // Deletes every setting of the application and flushes the store.
    std::function<void()> clearSettings;
    UninstallLocations locations;
    QString organization;
    QString application;
    QString executablePath;
    // Moves the file to the Trash; false when it did not move.
    std::function<bool(const QString& path)> moveToTrash;
    // The command that takes back the input access given to Tocko; empty
    // when there is none to take back.
    std::function<QString()> inputAccessUndoCommand;
    // Shows the result, with `undoCommand` under the result text when there is one.
    std::function<void(const UninstallTexts&, bool moved, const QString& undoCommand)> showResult;
    // Ends the process at once with status 0 (no normal termination).
    std::function<void()> exitProcess;
};

// The real services: message boxes, the XDG autostart entry, the application's
// QSettings, the XDG folders, the running executable, the freedesktop Trash.
// `loginItem` is the platform's; `inputAccessUndoCommand` may be left empty.
UninstallServices defaultUninstallServices(std::shared_ptr<LoginItemService> loginItem,
                                           std::function<QString()> inputAccessUndoCommand = {});

// Moves `path` to the Trash when it is a file the current user owns in a
// folder they may write to; false otherwise or when the move fails.
bool moveOwnFileToTrash(const QString& path);

// The whole flow on the main thread. Returns only when the user cancels (or
// when a test's exitProcess returns).
void uninstall(const UninstallServices& services);

}  // namespace tocko
