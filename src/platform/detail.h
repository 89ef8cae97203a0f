#pragma once

#include <QString>

// A message in the program's words, with what the system or the database said about it as a last
// paragraph of its own, for whoever wants to know more; the message alone when nothing was said.
QString withDetail(const QString &message, const QString &detail);
