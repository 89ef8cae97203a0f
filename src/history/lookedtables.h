#pragma once

#include <QStringList>

// What the last look for damaged tests found and where it ended, kept in the history so that a
// start over unchanged tests looks at none of them again. Triggers note every test changed since,
// whoever changed it: the program, or a hand in an SQLite shell.
namespace LookedTables {

// The statements that add the tables and their triggers to a history that has none.
QStringList creation();
// The tables, in the order a history is emptied: the mark first, so that the triggers have
// nothing to note while the tests go.
QStringList names();

} // namespace LookedTables
