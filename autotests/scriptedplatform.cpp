#include "scriptedplatform.h"

#include "platform/paper.h"

#include <QLocale>

QString MemorySettingsStore::read(const QString &section, const QString &key) const
{
    return values.value(section + QLatin1Char('/') + key);
}

void MemorySettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    values.insert(section + QLatin1Char('/') + key, value);
    writtenKeys.append(key);
}

Platform::Answer ScriptedPlatform::message(QWidget *, const QString &text, Icon icon,
                                           Buttons buttons, Answer defaultAnswer,
                                           const QString &spokenDetail)
{
    messages.append({text, icon, buttons, defaultAnswer, spokenDetail});
    if (!answers.isEmpty())
        return answers.takeFirst();
    if (answerer)
        return answerer(messages.constLast());
    return buttons == Buttons::Ok ? Answer::Ok : defaultAnswer;
}

QString ScriptedPlatform::saveFileName(QWidget *, const QString &filter)
{
    saveFilters.append(filter);
    if (!saveNames.isEmpty())
        return saveNames.takeFirst();
    return saveNamer ? saveNamer(filter) : QString();
}

void ScriptedPlatform::clearClipboardIfOurs()
{
    if (clipboardOurs) {
        clipboardText.clear();
        clipboardOurs = false;
    }
}

bool ScriptedPlatform::print(QWidget *, const PaperDocument &document)
{
    printed.append(
        Paper::pdf(document, Paper::pageLayout(QLocale(QLocale::German, QLocale::Germany))));
    return true;
}
