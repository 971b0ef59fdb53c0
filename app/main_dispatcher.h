#pragma once
// Routes tocko::postToMain() into the Qt event loop of the application
// object, so completions delivered "on the main thread" really run there.

namespace tocko {

// Idempotent. Work posted while no QCoreApplication exists is dropped.
void installQtMainDispatcher();

}  // namespace tocko
