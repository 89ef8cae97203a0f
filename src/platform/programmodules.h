#pragma once

class QObject;
class QString;

// Loads one of the program's own modules (a part kept out of the program, so that the libraries
// it needs load only when it is first used), looked for beside the program in a build tree and
// where it is installed otherwise. It stays loaded for the run: what it made may live until the
// end. None when it is not there.
QObject *loadProgramModule(const QString &name);
