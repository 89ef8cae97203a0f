#include "reviewwindow.h"

#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "catalogue/stonepictures.h"
#include "quiz/answerreview.h"
#include "quiz/quizrules.h"
#include "widgets/screenfit.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

using AnswerReview::Mark;

// A symbol and a word, so a mark reads without its colour.
struct MarkLook {
    const char *shown;
    QColor colour;
};

MarkLook markLook(Mark mark)
{
    switch (mark) {
    case Mark::RightTicked:
        return {"\u2714 Right", QColor(0, 128, 0)};
    case Mark::RightMissed:
        return {"\u279C Missed", QColor(0, 0, 192)};
    case Mark::WrongTicked:
        return {"\u2718 Wrong", QColor(192, 0, 0)};
    case Mark::WrongUnticked:
        break;
    }
    return {"", QColor()};
}

// One question: a stop for Tab, which the scroll area brings into view, and what a screen reader
// says of it there.
class ReviewRow : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

// A row is read as one, by its name and description, which say all that its labels show.
// Exposed, the labels of all 24 rows would be read as well when the window opens, as one long
// utterance from which a screen reader drops every line it has already heard in it.
class ReviewRowAccessible : public QAccessibleWidget
{
public:
    explicit ReviewRowAccessible(QWidget *row)
        : QAccessibleWidget(row, QAccessible::Border)
    {}

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
};

QAccessibleInterface *reviewRowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QFrame") && dynamic_cast<ReviewRow *>(object))
        return new ReviewRowAccessible(static_cast<ReviewRow *>(object));
    return nullptr;
}

// One option: its mark in a column of its own, then its text wrapped at the label's width. A
// word-wrapped label lays its text out afresh for every size a layout asks of it, which for the
// 192 paragraphs of a meanings review took most of the time the window needed to open; this one
// lays its text out once per width and otherwise only draws the lines.
class OptionLabel : public QLabel
{
public:
    OptionLabel(const AnsweredQuestion &answer, int option, QWidget *parent)
        : QLabel(parent)
        , m_mark(AnswerReview::mark(answer, option))
    {
        QString text = answer.options.value(option);
        setText(text);
        m_text.setText(text.replace(QLatin1String("\r\n"), QChar(QChar::LineSeparator)));
        m_text.setFont(font());
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
        setAccessibleName(AnswerReview::optionName(answer, option));
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        layOut(width - MarkWidth);
        return m_height;
    }
    // Heights come from heightForWidth; a hint of its own would lay the text out once more.
    QSize sizeHint() const override { return {MarkWidth + 400, fontMetrics().height()}; }
    QSize minimumSizeHint() const override { return {MarkWidth + 80, fontMetrics().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const MarkLook look = markLook(m_mark);
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        const QColor ground = palette().color(backgroundRole());
        painter.setPen(Branding::readableColour(look.colour, ground));
        painter.drawText(QPointF(0, fontMetrics().ascent()), QString::fromUtf8(look.shown));
        // Options nobody needs to look at again step back.
        painter.setPen(m_mark == Mark::WrongUnticked
                           ? Branding::readableColour(QColor(0x5a, 0x5a, 0x5a), ground)
                           : palette().color(QPalette::WindowText));
        layOut(width() - MarkWidth);
        m_text.draw(&painter, QPointF(MarkWidth, 0));
    }

private:
    static constexpr int MarkWidth = 80;

    void layOut(int width) const
    {
        if (width == m_width)
            return;
        m_width = width;
        qreal y = 0;
        m_text.beginLayout();
        for (QTextLine line = m_text.createLine(); line.isValid(); line = m_text.createLine()) {
            line.setLineWidth(qMax(width, 1));
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        m_text.endLayout();
        m_height = qCeil(y);
    }

    const Mark m_mark;
    mutable QTextLayout m_text;
    mutable int m_width = -1;
    mutable int m_height = 0;
};

// The frame of a row, with the names a screen reader needs of the whole question; its picture,
// heading and options come later (fillRow), as they take most of the time the window needs.
ReviewRow *emptyRow(const AnsweredQuestion &answer, int number, qint16 level, QWidget *parent)
{
    auto *row = new ReviewRow(parent);
    row->setObjectName(QStringLiteral("fraReview_%1").arg(number - 1));
    row->setFrameShape(QFrame::StyledPanel);
    row->setFocusPolicy(Qt::StrongFocus);
    row->setAccessibleName(AnswerReview::rowName(loadRuneCatalogue(), answer, level));
    row->setAccessibleDescription(AnswerReview::rowDescription(answer, number));
    return row;
}

void fillRow(QWidget *row, const AnsweredQuestion &answer, int number, qint16 level)
{
    const QString &name = loadRuneCatalogue().stoneNames[answer.stone];
    const QString scoreLine = QuizRules::scoreLine(level, answer.score);
    auto *picture = new StonePictureBox(row);
    picture->setObjectName(QStringLiteral("picReview_%1").arg(number - 1));
    picture->setPictureNumber(pictureNumberOf(answer.stone));
    picture->setAccessibleName(name);
    picture->setFixedSize(StonePictures::NaturalSize / 2);

    auto *heading = new QLabel(
        QStringLiteral("Question %1: %2 \u2014 %3").arg(number).arg(name, scoreLine), row);
    heading->setTextFormat(Qt::PlainText);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAccessibleName(
        QStringLiteral("Question %1: %2, %3").arg(number).arg(name, scoreLine));

    auto *layout = new QGridLayout(row);
    layout->addWidget(picture, 0, 0, -1, 1, Qt::AlignTop);
    layout->addWidget(heading, 0, 1);
    for (int i = 0; i < answer.options.size(); ++i) {
        auto *option = new OptionLabel(answer, i, row);
        option->setObjectName(QStringLiteral("lblReviewOption_%1_%2").arg(number - 1).arg(i));
        layout->addWidget(option, i + 1, 1);
    }
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(8);
    for (QWidget *child : row->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->show();
}

QList<AnsweredQuestion> answersOf(const PracticeRound &round)
{
    QList<AnsweredQuestion> answers;
    for (const PracticeAnswer &answer : round.answers)
        answers.append(answer.question);
    return answers;
}

} // namespace

ReviewWindow::ReviewWindow(const AnswerSheet &sheet, QWidget *parent)
    : ReviewWindow(AnswerReview::title(sheet), {sheet.answers.begin(), sheet.answers.end()},
                   sheet.level, parent)
{}

ReviewWindow::ReviewWindow(const PracticeRound &round, QWidget *parent)
    : ReviewWindow(AnswerReview::title(round), answersOf(round), round.level, parent)
{}

ReviewWindow::ReviewWindow(const QString &title, QList<AnsweredQuestion> answers, qint16 level,
                           QWidget *parent)
    : QDialog(parent)
    , m_answers(std::move(answers))
    , m_level(level)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(reviewRowAccessible);
        return true;
    }();
    setObjectName(QStringLiteral("frmReview"));
    setWindowTitle(QStringLiteral("Review Answers"));
    setAccessibleName(windowTitle());
    QFont font = Branding::programFont();
    // Whole paragraphs are read here, not glanced at.
    font.setPixelSize(13);
    setFont(font);

    auto *heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("lblReviewTitle"));
    QFont bold = font;
    bold.setBold(true);
    heading->setFont(bold);
    QStringList legend;
    for (const Mark mark : {Mark::RightTicked, Mark::RightMissed, Mark::WrongTicked}) {
        const MarkLook look = markLook(mark);
        legend << QStringLiteral("<b style=\"color:%1\">%2</b>: %3")
                      .arg(Branding::readableColour(look.colour, palette().color(QPalette::Window))
                               .name(),
                           QString::fromUtf8(look.shown), AnswerReview::markName(mark).toLower());
    }
    auto *legendLabel = new QLabel(legend.join(QLatin1String("&nbsp;&nbsp;&nbsp;&nbsp;")), this);
    legendLabel->setObjectName(QStringLiteral("lblReviewLegend"));
    legendLabel->setTextFormat(Qt::RichText);
    legendLabel->setWordWrap(true);

    m_mistakesOnly = new QCheckBox(QStringLiteral("&Mistakes only"), this);
    m_mistakesOnly->setObjectName(QStringLiteral("chkMistakesOnly"));
    m_mistakesOnly->setAccessibleName(QStringLiteral("Mistakes only"));

    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("reviewRows"));
    auto *rows = new QVBoxLayout(content);
    for (int q = 0; q < m_answers.size(); ++q)
        m_rows.push_back(emptyRow(m_answers[q], q + 1, m_level, content));
    for (QWidget *row : m_rows)
        rows->addWidget(row);
    m_noMistakes = new QLabel(QStringLiteral("No mistakes: every answer scored in full."), content);
    m_noMistakes->setObjectName(QStringLiteral("lblNoMistakes"));
    m_noMistakes->hide();
    rows->addWidget(m_noMistakes);
    rows->addStretch(1);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrReview"));
    m_scroll->setAccessibleName(QStringLiteral("Answers"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(content);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAccessibleName(close->text().remove(QLatin1Char('&')));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(legendLabel);
    layout->addWidget(m_mistakesOnly);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(buttons);
    fitToScreen(this, QSize(860, 640), parent ? parent->screen() : screen());

    connect(m_mistakesOnly, &QCheckBox::toggled, this, &ReviewWindow::showMistakesOnly);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ReviewWindow::fillRowsInView);
}

QWidget *ReviewWindow::row(int number)
{
    while (m_filled < number)
        fillNextRow();
    return m_rows[static_cast<size_t>(number - 1)];
}

void ReviewWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fillRowsInView();
}

void ReviewWindow::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // Once the window is drawn, the rows below the first screenful follow one at a time, each
    // between two turns of the event loop, so the window answers the user meanwhile.
    if (m_filled < m_answers.size() && !m_fillingLater) {
        m_fillingLater = true;
        QTimer::singleShot(0, this, &ReviewWindow::fillLater);
    }
}

void ReviewWindow::fillLater()
{
    if (m_filled == m_answers.size())
        return;
    fillNextRow();
    QTimer::singleShot(0, this, &ReviewWindow::fillLater);
}

void ReviewWindow::fillNextRow()
{
    fillRow(m_rows[static_cast<size_t>(m_filled)], m_answers[m_filled], m_filled + 1, m_level);
    ++m_filled;
}

void ReviewWindow::fillRowsInView()
{
    // Rows are filled from the top, so the heights above the view are the rows' own.
    const int width = m_scroll->viewport()->width();
    const int bottom = m_scroll->verticalScrollBar()->value() + m_scroll->viewport()->height();
    const int spacing = m_scroll->widget()->layout()->spacing();
    int reached = 0;
    for (int q = 0; q < m_answers.size() && reached < bottom; ++q) {
        if (q == m_filled)
            fillNextRow();
        if (!m_rows[static_cast<size_t>(q)]->isHidden())
            reached += m_rows[static_cast<size_t>(q)]->heightForWidth(width) + spacing;
    }
}

void ReviewWindow::showMistakesOnly(bool only)
{
    bool anyShown = false;
    for (int q = 0; q < m_answers.size(); ++q) {
        const bool shown = !only || AnswerReview::isMistake(m_answers[q], m_level);
        m_rows[static_cast<size_t>(q)]->setVisible(shown);
        anyShown = anyShown || shown;
    }
    m_noMistakes->setVisible(!anyShown);
    m_scroll->verticalScrollBar()->setValue(0);
    fillRowsInView();
}
