#include "reviewwindow.h"

#include "answerreview.h"
#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "catalogue/stonepictures.h"
#include "quizrules.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

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

QLabel *optionLabel(const AnsweredQuestion &answer, int option, QWidget *parent)
{
    const Mark mark = AnswerReview::mark(answer, option);
    const MarkLook look = markLook(mark);
    QString text = answer.options[option].toHtmlEscaped();
    text.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    // Options nobody needs to look at again step back; whole paragraphs read best unbolded.
    if (mark == Mark::WrongUnticked)
        text = QStringLiteral("<span style=\"color:#5a5a5a\">%1</span>").arg(text);
    auto *label = new QLabel(QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>"
                                            "<td width=\"80\"><b style=\"color:%1\">%2</b></td>"
                                            "<td>%3</td></tr></table>")
                                 .arg(look.colour.name(), QString::fromUtf8(look.shown), text),
                             parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setAccessibleName(AnswerReview::optionName(answer, option));
    return label;
}

QWidget *reviewRow(const AnsweredQuestion &answer, int number, qint16 level, QWidget *parent)
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    auto *row = new ReviewRow(parent);
    row->setObjectName(QStringLiteral("fraReview_%1").arg(number - 1));
    row->setFrameShape(QFrame::StyledPanel);
    row->setFocusPolicy(Qt::StrongFocus);
    row->setAccessibleName(AnswerReview::rowName(catalogue, answer, level));
    row->setAccessibleDescription(AnswerReview::rowDescription(answer, number));

    const QString &name = catalogue.stoneNames[answer.stone];
    auto *picture = new StonePictureBox(row);
    picture->setObjectName(QStringLiteral("picReview_%1").arg(number - 1));
    picture->setPictureNumber(pictureNumberOf(answer.stone));
    picture->setAccessibleName(name);
    picture->setFixedSize(StonePictures::NaturalSize / 2);

    const QString scoreLine = QuizRules::scoreLine(level, answer.score);
    auto *heading = new QLabel(QStringLiteral("<b>Question %1: %2</b> \u2014 %3")
                                   .arg(number)
                                   .arg(name.toHtmlEscaped(), scoreLine.toHtmlEscaped()),
                               row);
    heading->setTextFormat(Qt::RichText);
    heading->setAccessibleName(
        QStringLiteral("Question %1: %2, %3").arg(number).arg(name, scoreLine));

    auto *layout = new QGridLayout(row);
    layout->addWidget(picture, 0, 0, -1, 1, Qt::AlignTop);
    layout->addWidget(heading, 0, 1);
    for (int i = 0; i < answer.options.size(); ++i) {
        QLabel *option = optionLabel(answer, i, row);
        option->setObjectName(QStringLiteral("lblReviewOption_%1_%2").arg(number - 1).arg(i));
        layout->addWidget(option, i + 1, 1);
    }
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(8);
    return row;
}

} // namespace

ReviewWindow::ReviewWindow(const AnswerSheet &sheet, QWidget *parent)
    : QDialog(parent)
    , m_sheet(sheet)
{
    setObjectName(QStringLiteral("frmReview"));
    setWindowTitle(QStringLiteral("Review Answers"));
    setAccessibleName(windowTitle());
    QFont font = Branding::programFont();
    // Whole paragraphs are read here, not glanced at.
    font.setPixelSize(13);
    setFont(font);

    auto *title = new QLabel(AnswerReview::title(sheet), this);
    title->setObjectName(QStringLiteral("lblReviewTitle"));
    QFont bold = font;
    bold.setBold(true);
    title->setFont(bold);
    QStringList legend;
    for (const Mark mark : {Mark::RightTicked, Mark::RightMissed, Mark::WrongTicked}) {
        const MarkLook look = markLook(mark);
        legend << QStringLiteral("<b style=\"color:%1\">%2</b>: %3")
                      .arg(look.colour.name(), QString::fromUtf8(look.shown),
                           AnswerReview::markName(mark).toLower());
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
    for (int q = 0; q < QuestionCount; ++q)
        m_rows.push_back(reviewRow(sheet.answers[q], q + 1, sheet.level, content));
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
    layout->addWidget(title);
    layout->addWidget(legendLabel);
    layout->addWidget(m_mistakesOnly);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(buttons);
    resize(860, 640);

    connect(m_mistakesOnly, &QCheckBox::toggled, this, &ReviewWindow::showMistakesOnly);
}

void ReviewWindow::showMistakesOnly(bool only)
{
    bool anyShown = false;
    for (int q = 0; q < QuestionCount; ++q) {
        const bool shown = !only || AnswerReview::isMistake(m_sheet.answers[q], m_sheet.level);
        m_rows[static_cast<size_t>(q)]->setVisible(shown);
        anyShown = anyShown || shown;
    }
    m_noMistakes->setVisible(!anyShown);
    m_scroll->verticalScrollBar()->setValue(0);
}
