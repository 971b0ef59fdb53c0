#pragma once
// The two typefaces of the theme. "Zilla Slab" (display text) and "Courier
// Prime" (small monospaced text) ship with the application as OFL font files
// and are registered with the font database at start-up; when a family is
// not available the system's serif, respectively monospaced, font stands in.

#include <QFont>
#include <QString>

namespace tocko {

inline constexpr const char* kDisplayFamily = "Zilla Slab";
inline constexpr const char* kMonoFamily = "Courier Prime";

// Registers every .ttf/.otf file found under `dir` (recursively) with the
// application's font database; returns how many files were accepted. The
// default is the set compiled into the program. Needs a GUI application.
int registerBundledFonts(const QString& dir = QStringLiteral(":/tocko/fonts"));

// Whether the font database lists exactly this family name (from any
// foundry). Asked afresh at every call.
bool isFamilyAvailable(const QString& family);

// Sizes are in device-independent pixels (the unit of item geometry in Qt
// Quick), fractional sizes allowed.
QFont displayFont(double size);
QFont monoFont(double size, QFont::Weight weight = QFont::Normal);

}  // namespace tocko
