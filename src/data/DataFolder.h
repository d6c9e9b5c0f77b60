#pragma once

#include <QString>

// Where the account files live.
//
// Run from where it was built (or from any folder of its own), the program keeps its data in
// the folder "data" beside the program file. Installed (the program in <prefix>/bin, its
// shipped files in <prefix>/share/rentora/data), the program's folder is not the user's to
// write, so the data folder is the user's own: $XDG_DATA_HOME/Rentora/data, filled on the
// first start with the shipped template and sample account.
namespace DataFolder {

// The shipped data folder of an installed program whose file lies in programDir: the
// folder itself when it holds the template, else empty (not installed).
QString installedSource(const QString &programDir);

// The data folder (with a trailing '/') for a program in programDir; userDataHome is the
// user's data location ($XDG_DATA_HOME, by default ~/.local/share).
QString resolve(const QString &programDir, const QString &userDataHome);

// Makes sure folder exists and holds the template; a folder made just now also gets the
// sample account. Files already there are never replaced. False with *why on failure.
bool prepare(const QString &folder, const QString &source, QString *why);

} // namespace DataFolder

// The data folder of this program (see DataFolder::resolve).
QString dataFolder();

// Prepares the data folder of an installed program (DataFolder::prepare from its shipped
// files); nothing to do when run from its own folder. Called once at start-up.
bool prepareDataFolder(QString *why);
