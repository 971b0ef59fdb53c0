// The tocko executable: one application state for the life of the process,
// and with a display the tray icon, its panel and the windows over it.

#include <memory>

#include "app/app_runtime.h"
#include "app/app_state.h"
#include "ui/views/ui_entry.h"

int main(int argc, char** argv) {
    tocko::AppRuntime runtime(argc, argv);
    tocko::ui::prepareApplication();
    tocko::AppState state;
    // Without a display (or with --headless) the state runs on its own:
    // clicks, monitors, self-tests.
    std::unique_ptr<tocko::ui::TockoUi> ui;
    if (runtime.hasDisplay()) ui = tocko::ui::install(state);
    return runtime.exec();
}
