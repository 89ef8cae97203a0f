#pragma once

// Only the history's own sources include this: it brings in Qt SQL.

#include "testrows.h"

#include <QSqlDatabase>
#include <QSqlQuery>

// The statements a test is written with, prepared once for however many tests follow.
class TestWriter
{
public:
    explicit TestWriter(const QSqlDatabase &db);

    struct Test {
        qint64 finishedMs = 0;
        QuizSubject subject = QuizSubject::Keywords;
        QuizLevel level = QuizLevel::Beginner;
        StoneTypes stoneTypes;
        int score = 0;
        int most = 0;
        bool practice = false;
    };
    // The new test's id, or -1 with `error` saying why.
    qint64 addTest(const Test &test, QSqlError &error);
    // Question `number` (from 1) of test `id`, counted in its stone's tally as full when it has
    // `needed` ticks. The phrases known outlive the writer: reading them all is worth it once.
    bool addAnswer(PhraseIds &phrases, qint64 id, int number, const AnsweredQuestion &question,
                   QuizSubject subject, const Test &test, int needed, QSqlError &error);

private:
    QSqlDatabase m_db;
    QSqlQuery m_test;
    QSqlQuery m_answer;
    QSqlQuery m_tally;
};
