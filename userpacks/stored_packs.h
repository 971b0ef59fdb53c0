#pragma once
// Hands the packs stored in the data folder to the sound engine: each gets
// its PackID slot, its display name and its sounds.

#include <QString>
#include <memory>

#include "userpacks/pack_problem.h"

namespace tocko {
class SoundEngine;
}

namespace tocko::userpacks {

// Loads one stored pack into the engine. False, with a reason, when it is
// missing or damaged (its slot is then marked not installed).
bool installIntoEngine(SoundEngine& engine, const QString& packsDir, const QString& id, PackProblem& error);
// Every stored pack; damaged ones are skipped and logged. Meant for a
// background thread: it decodes files.
void installStoredPacks(SoundEngine& engine, const QString& packsDir);
// Takes a pack out of the engine and the data folder.
bool uninstall(SoundEngine& engine, const QString& packsDir, const QString& id, PackProblem& error);

}  // namespace tocko::userpacks
