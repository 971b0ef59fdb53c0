#pragma once
// The user's settings: the one QSettings identity of the application,
// organisation "Pollix" and application "Tocko", stored by Qt in
// <XDG config home>/Pollix/Tocko.conf. Every reader and writer of a user
// setting goes through userSettings(), so all of them share one file.

#include <QSettings>
#include <memory>

namespace tocko {

inline constexpr const char* kSettingsOrganization = "Pollix";
inline constexpr const char* kSettingsApplication = "Tocko";

// A fresh QSettings on the user's settings file. Constructing one reads the
// file: call it on the main thread, never where I/O is not allowed.
std::unique_ptr<QSettings> userSettings();

}  // namespace tocko
