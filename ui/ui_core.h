#pragma once
// Start-up of the theme and localization layer for the windows.

class QQmlEngine;

namespace tocko {

// Registers the QML module "Tocko.Theme" (singletons `Theme` and
// `Localization`, item `AccentGradientRect`). Idempotent; call before the
// first engine loads anything.
void registerUiCoreQmlTypes();

// Registers the QML types, then attaches `engine` to the shared
// localization store so that it is retranslated on every language change.
void prepareQmlEngine(QQmlEngine& engine);

}  // namespace tocko
