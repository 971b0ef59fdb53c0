#pragma once
// The QML module "Tocko.Views": the menu panel, the Settings window, the
// tour and their parts.

class QQmlEngine;

namespace tocko::ui {

// Registers "Tocko.Views" (and "Tocko.Theme"). Idempotent.
void registerViewQmlTypes();

// Readies an engine for the views: the types, the module's import path,
// the "tocko" image provider, and the localization store's retranslation.
void prepareViewEngine(QQmlEngine& engine);

}  // namespace tocko::ui
