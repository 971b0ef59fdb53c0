#pragma once
// The application id: the name of the desktop entry, the icon, the AppStream
// file and the session-bus name of the running instance.

namespace tocko {

inline constexpr char kAppId[] = "com.pollix.Tocko";
// Object path and interface of the control verbs on the bus name kAppId.
inline constexpr char kControlPath[] = "/com/pollix/Tocko";
inline constexpr char kControlInterface[] = "com.pollix.Tocko.Control";

}  // namespace tocko
