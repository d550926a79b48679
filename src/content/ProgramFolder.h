#pragma once

#include <QString>

// The folder the program keeps its working and results files in. An installed
// copy (one whose desktop entry sits in ../share/applications beside its
// executable) always uses the per-user data folder, so that it never writes
// beside a system binary, even when run as root. A copy run from its build or
// an unpacked folder uses its own folder when that is writable (a portable
// copy), otherwise the per-user data folder. Every routine takes the folder as
// an argument; only main() asks for it.
QString ResolveProgramFolder();

// The rule above for an executable in `executableDir` and a per-user data
// folder `dataDir`; creates neither.
QString ProgramFolderFor(const QString &executableDir, const QString &dataDir);

// Whether the executable in `executableDir` is an installed copy.
bool IsInstalledCopy(const QString &executableDir);

// The file name of the desktop entry that marks an installed copy.
QString DesktopEntryName();
