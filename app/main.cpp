// The tocko executable: one application state for the life of the process.

#include "app/app_runtime.h"
#include "app/app_state.h"

int main(int argc, char** argv) {
    tocko::AppRuntime runtime(argc, argv);
    tocko::AppState state;
    // Without a user interface the state runs on its own: clicks, monitors, self-tests.
    return runtime.exec();
}
