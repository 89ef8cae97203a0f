#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <array>

class SettingsStore;

// The eight study choices of the Settings section. Only the aettir change what is studied; the
// meaning and object choices are kept for the user but read by nothing else.
struct StudySettings {
    std::array<bool, 3> stoneGroup{};
    std::array<bool, 3> stoneMeaning{};
    // Index 0 is "Keywords", index 1 "Also Known As".
    std::array<bool, 2> stoneObject{};

    static StudySettings allTicked();
    bool operator==(const StudySettings &) const = default;
};

namespace StudySettingsRules {

inline const QString section = QStringLiteral("Settings");

// A stored value ticks its box when it reads as the number 1, unticks it for any other number, and
// ticks it when it is not a number at all (an absent key reads as empty text).
bool tickFor(const QString &storedValue);

// What the study window starts with: everything ticked while no choice has ever been stored.
StudySettings load(const SettingsStore &store);

enum class Verdict { Accepted, NoStoneGroup, NoStoneMeaning };
Verdict check(const StudySettings &settings);
// The message that explains a refusal; empty for an accepted choice.
QString refusalMessage(Verdict verdict);

// The eight keys with "1" or "0", in the order they are written.
QList<QPair<QString, QString>> storedValues(const StudySettings &settings);

// What the user is told when the choices could not be stored, `why` being the store's reason.
QString notStoredMessage(const QString &why);

// Writes the eight keys and pushes them to lasting storage. Returns an empty text on success,
// otherwise why the choices could not be kept.
QString store(SettingsStore &store, const StudySettings &settings);

} // namespace StudySettingsRules
