#include "studysettings.h"

#include "platform/platform.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString keyName(const char *prefix, int index)
{
    return QLatin1String(prefix) + QString::number(index);
}

bool anyOf(const auto &flags)
{
    return std::any_of(flags.begin(), flags.end(), [](bool ticked) { return ticked; });
}

} // namespace

StudySettings StudySettings::allTicked()
{
    StudySettings settings;
    settings.stoneGroup.fill(true);
    settings.stoneMeaning.fill(true);
    settings.stoneObject.fill(true);
    return settings;
}

namespace StudySettingsRules {

bool tickFor(const QString &storedValue)
{
    bool isNumber = false;
    const double number = storedValue.trimmed().toDouble(&isNumber);
    return !isNumber || number == 1.0;
}

StudySettings load(const SettingsStore &store)
{
    if (store.read(section, keyName("StoneGroup", 0)).isEmpty())
        return StudySettings::allTicked();
    StudySettings settings;
    for (int i = 0; i < 3; ++i) {
        settings.stoneGroup[i] = tickFor(store.read(section, keyName("StoneGroup", i)));
        settings.stoneMeaning[i] = tickFor(store.read(section, keyName("StoneMeaning", i)));
        if (i < 2)
            settings.stoneObject[i] = tickFor(store.read(section, keyName("StoneObject", i)));
    }
    return settings;
}

Verdict check(const StudySettings &settings)
{
    if (!anyOf(settings.stoneGroup))
        return Verdict::NoStoneGroup;
    if (!anyOf(settings.stoneMeaning) && !anyOf(settings.stoneObject))
        return Verdict::NoStoneMeaning;
    return Verdict::Accepted;
}

QString refusalMessage(Verdict verdict)
{
    switch (verdict) {
    case Verdict::NoStoneGroup:
        return QCoreApplication::translate("StudySettingsRules", "Please Select A Stone Group");
    case Verdict::NoStoneMeaning:
        return QCoreApplication::translate("StudySettingsRules", "Please Select A Stone Meaning");
    case Verdict::Accepted:
        break;
    }
    return {};
}

QList<QPair<QString, QString>> storedValues(const StudySettings &settings)
{
    const auto flag = [](bool ticked) {
        return ticked ? QStringLiteral("1") : QStringLiteral("0");
    };
    QList<QPair<QString, QString>> values;
    for (int i = 0; i < 3; ++i) {
        values.append({keyName("StoneGroup", i), flag(settings.stoneGroup[i])});
        values.append({keyName("StoneMeaning", i), flag(settings.stoneMeaning[i])});
        if (i < 2)
            values.append({keyName("StoneObject", i), flag(settings.stoneObject[i])});
    }
    return values;
}

QString notStoredMessage(const QString &why)
{
    return QCoreApplication::translate("StudySettingsRules",
                                       "Your study settings could not be stored, so they will not "
                                       "be remembered next time.\n%1")
        .arg(why);
}

QString store(SettingsStore &store, const StudySettings &settings)
{
    for (const auto &[key, value] : storedValues(settings))
        store.write(section, key, value);
    return store.sync();
}

} // namespace StudySettingsRules
