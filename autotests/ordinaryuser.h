#pragma once

#include <QStringList>

#include <functional>

// Permissions do not bind the superuser, and the tests may well run as root. Runs body as an
// ordinary user: in this process when it is one, otherwise in a child process that has given up
// root for the account "nobody", once the given paths have been handed over to that account.
// Returns what body returned; false when root could not be given up.
bool asOrdinaryUser(const QStringList &handedOver, const std::function<bool()> &body);

// Runs body while this process cannot make any file grow, as if the disk were full. Returns what
// body returned.
bool onAFullDisk(const std::function<bool()> &body);

// Makes linkPath a symbolic link to /dev/full, which takes no byte written to it, as a full disk.
// Root, whose careless save could replace the system's own device, gets a private one of the
// same kind beside the link instead. False when the link could not be made.
bool linkToAFullDisk(const QString &linkPath);
