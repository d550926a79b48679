#pragma once

#include <QString>

// The folder the program keeps its working and results files in: the folder of
// the executable when it is writable (a portable install), otherwise the
// per-user data folder. Every routine takes the folder as an argument; only
// main() asks for it.
QString ResolveProgramFolder();
