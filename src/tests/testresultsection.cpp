#include "testresultsection.h"

#include "platform/guardedtextbox.h"
#include "platform/platform.h"
#include "testrules.h"

#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TestResultSection::TestResultSection(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("picTestResult"));
    setAccessibleName(QStringLiteral("Test result"));
    auto *title = new QLabel(QStringLiteral("Orlendra Result"), this);
    title->setObjectName(QStringLiteral("lblResultTitle"));
    m_result = new GuardedTextBox(platform, this);
    m_result->setObjectName(QStringLiteral("txtResult"));
    m_result->setAccessibleName(title->text());
    // Result lines are laid out in columns, which only line up in a fixed-pitch face; they
    // scroll sideways rather than wrap.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(font().pixelSize());
    m_result->setFont(fixed);
    m_result->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_result->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    title->setBuddy(m_result);
    m_save = new QPushButton(QStringLiteral("Save Current Result"), this);
    m_save->setObjectName(QStringLiteral("Command5"));
    m_save->setAccessibleName(m_save->text());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_result, 1);
    layout->addWidget(m_save, 0, Qt::AlignRight);

    connect(m_save, &QPushButton::clicked, this, &TestResultSection::saveResult);
}

void TestResultSection::setResultText(const QString &text)
{
    m_result->setText(text);
}

void TestResultSection::saveResult()
{
    const QString path = TestRules::withTextSuffix(
        m_platform.saveFileName(this, QStringLiteral("Text file (*.txt)")));
    if (path.isEmpty())
        return;
    const QString error = TestRules::saveResult(path, m_result->text());
    if (error.isEmpty())
        return;
    m_platform.message(this,
                       QStringLiteral("The result could not be saved to %1.\n%2\n\nAny file of "
                                      "that name still holds what it held before, and the result "
                                      "is still in the box.")
                           .arg(QDir::toNativeSeparators(path), error),
                       Platform::Icon::Critical);
}
