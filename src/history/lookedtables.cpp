#include "lookedtables.h"

namespace LookedTables {

QStringList creation()
{
    // Without a row in `looked` the next look reads every test, so the triggers note nothing
    // then. A test added above the mark is read by the next look anyway; one added at or below
    // it (by hand, or an id used again) is noted. `relook` takes any value an edited answer
    // names as its test, so that no hand edit fails for the sake of this note.
    const QString noted = QStringLiteral("INSERT OR IGNORE INTO relook VALUES(%1)");
    const QString marked = QStringLiteral("EXISTS (SELECT 1 FROM looked)");
    const QString atOrBelow = QStringLiteral("%1 <= (SELECT max(upto) FROM looked)");
    const auto trigger = [](const QString &name, const QString &event, const QString &when,
                            const QString &action) {
        return QStringLiteral("CREATE TRIGGER %1 AFTER %2 WHEN %3 BEGIN %4; END")
            .arg(name, event, when, action);
    };
    // A phrase gone (or given another id) may break any test that shows it, and one added may
    // mend a test found damaged for the want of it: every test is looked at again.
    const QString again = QStringLiteral("DELETE FROM looked");
    return {
        QStringLiteral("CREATE TABLE looked(upto INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE damaged_test(id INTEGER PRIMARY KEY)"),
        QStringLiteral("CREATE TABLE relook(test PRIMARY KEY) WITHOUT ROWID"),
        trigger(QStringLiteral("relook_test_added"), QStringLiteral("INSERT ON test"),
                atOrBelow.arg(QStringLiteral("NEW.id")), noted.arg(QStringLiteral("NEW.id"))),
        trigger(QStringLiteral("relook_test_changed"), QStringLiteral("UPDATE ON test"), marked,
                noted.arg(QStringLiteral("OLD.id), (NEW.id"))),
        trigger(QStringLiteral("relook_test_gone"), QStringLiteral("DELETE ON test"), marked,
                noted.arg(QStringLiteral("OLD.id"))),
        trigger(QStringLiteral("relook_answer_added"), QStringLiteral("INSERT ON answer"),
                atOrBelow.arg(QStringLiteral("NEW.test")), noted.arg(QStringLiteral("NEW.test"))),
        trigger(QStringLiteral("relook_answer_changed"), QStringLiteral("UPDATE ON answer"), marked,
                noted.arg(QStringLiteral("OLD.test), (NEW.test"))),
        trigger(QStringLiteral("relook_answer_gone"), QStringLiteral("DELETE ON answer"), marked,
                noted.arg(QStringLiteral("OLD.test"))),
        trigger(QStringLiteral("relook_all_phrase_gone"), QStringLiteral("DELETE ON phrase"),
                marked, again),
        trigger(QStringLiteral("relook_all_phrase_renumbered"),
                QStringLiteral("UPDATE OF id ON phrase"), marked, again),
        trigger(QStringLiteral("relook_all_phrase_added"), QStringLiteral("INSERT ON phrase"),
                QStringLiteral("EXISTS (SELECT 1 FROM damaged_test)"), again),
    };
}

QStringList names()
{
    return {QStringLiteral("looked"), QStringLiteral("relook"), QStringLiteral("damaged_test")};
}

} // namespace LookedTables
