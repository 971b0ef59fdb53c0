// The tocko executable, and the one place that chooses the platform's
// backends: the command line first (help, version and control verbs never
// start the application), then one application per session: one application
// state over the Linux platform for the life of the process, and with a
// display the tray icon, its panel and the windows over it.

#include <QCoreApplication>
#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/app_state.h"
#include "app/command_line.h"
#include "main/app_runtime.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/single_instance.h"
#include "ui/l10n/localization_store.h"
#include "ui/views/running_apps.h"
#include "ui/views/ui_entry.h"
#include "userpacks/user_packs.h"

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // A malloc arena per thread would keep its own free memory for threads
    // (audio, input, D-Bus, the QML type loader) that allocate little or only
    // at start; two arenas are plenty. MALLOC_ARENA_MAX still overrides.
    if (qEnvironmentVariableIsEmpty("MALLOC_ARENA_MAX")) mallopt(M_ARENA_MAX, 2);
#endif
    const tocko::CommandLine command = tocko::parseCommandLine(tocko::argumentList(argc, argv));
    if (command.action == tocko::CommandLine::Action::ImportPack) {
        QString id;
        // In the language the user chose for Tocko, as Settings would say it.
        const int code = tocko::userpacks::importFromCommandLine(
            command.importPath, tocko::userpacks::defaultPacksDir(),
            [](const char* key) { return tocko::LocalizationStore::localizedString(key); }, &id);
        // A running Tocko plays the new pack at once.
        if (code == 0) tocko::announcePackImported(id, argc, argv);
        return code;
    }
    if (command.action != tocko::CommandLine::Action::Run) return tocko::runCommand(command, argc, argv);

    tocko::setSystemLogSink(tocko::makeJournalLogSink());
    tocko::AppRuntime runtime(argc, argv);
    tocko::SingleInstance instance;
    if (const std::optional<int> handedOver = instance.start(command)) return *handedOver;

    tocko::ui::prepareApplication();
    tocko::AppState::Dependencies deps;
    deps.executablePath = QCoreApplication::applicationFilePath().toStdString();
    deps.platform = tocko::makeLinuxPlatform(*deps.executablePath);
    tocko::ui::setRunningAppsSource(tocko::ui::makeRunningAppsSource());
    tocko::AppState state(std::move(deps));
    // Without a display (or with --headless) the state runs on its own:
    // clicks, monitors, self-tests.
    std::unique_ptr<tocko::ui::TockoUi> ui;
    if (runtime.hasDisplay())
        ui = tocko::ui::install(
            state, {.background = command.background, .noTrayFallbackAfter = std::chrono::seconds(5)});
    // `tocko --panel` (the desktop entry's Quick Controls) opens the panel
    // at once: under the tray icon, or as a window where there is no tray.
    if (ui && command.panel) ui->showPanel();
    // `tocko --settings` (the desktop entry's Settings action) likewise.
    if (ui && command.settings) ui->openSettings();
    tocko::AppControl::Hooks hooks;
    if (ui) {
        hooks.openSettings = [&ui] { ui->openSettings(); };
        hooks.openPanel = [&ui] { ui->showPanel(); };
        hooks.reopen = [&ui] { return ui->reopen(); };
    }
    instance.serve(state, std::move(hooks));
    return runtime.exec();
}
