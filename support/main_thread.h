#pragma once
// Posting work to the application's main thread. The application installs a
// dispatcher over its event loop; until then (and in tests) work runs on a
// private serial queue standing in for the main thread.

#include <functional>

namespace tocko {

using MainDispatcher = std::function<void(std::function<void()>)>;
void setMainDispatcher(MainDispatcher dispatcher);
void postToMain(std::function<void()> task);

}  // namespace tocko
