#include "reviewwindow.h"

#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "catalogue/stonepictures.h"
#include "quiz/answerreview.h"
#include "quiz/quizscoring.h"
#include "quizpage.h"
#include "quizpaper.h"
#include "widgets/commandbutton.h"
#include "widgets/paperoutput.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

using AnswerReview::Mark;

// A symbol and a word, so a mark reads without its colour, and what the legend says it means.
struct MarkLook {
    const char *symbol;
    const char *word;
    const char *meaning;
    QColor colour;
};

MarkLook markLook(Mark mark)
{
    switch (mark) {
    case Mark::RightTicked:
        return {"\u2714", QT_TRANSLATE_NOOP("ReviewWindow", "Right"),
                QT_TRANSLATE_NOOP("ReviewWindow", "right and ticked"), QColor(0, 128, 0)};
    case Mark::RightMissed:
        return {"\u279C", QT_TRANSLATE_NOOP("ReviewWindow", "Missed"),
                QT_TRANSLATE_NOOP("ReviewWindow", "right and missed"), QColor(0, 0, 192)};
    case Mark::WrongTicked:
        return {"\u2718", QT_TRANSLATE_NOOP("ReviewWindow", "Wrong"),
                QT_TRANSLATE_NOOP("ReviewWindow", "wrong and ticked"), QColor(192, 0, 0)};
    case Mark::WrongUnticked:
        break;
    }
    return {"", "", "", QColor()};
}

QString shownMark(const MarkLook &look)
{
    return *look.word
               ? QString::fromUtf8(look.symbol) + QLatin1Char(' ') + ReviewWindow::tr(look.word)
               : QString();
}

// The answers, one row per question. Tab goes through the rows one at a time, from the first when
// it comes from above and from the last when it comes from below, and on out of the list after
// them, as if each row were a control of its own.
//
// A row of a meanings test at Advanced lays out eight paragraphs, which for 24 rows takes longer
// than the window may to open. So only the rows down to the bottom of the view are measured
// before the list is painted; the others stand in with a height for one line an option, and are
// measured a few at a time once the list is on screen, between turns of the event loop, so that
// the window answers the user meanwhile.
class AnswersView : public QListView
{
public:
    explicit AnswersView(QWidget *parent)
        : QListView(parent)
    {
        setTabKeyNavigation(true);
        setSelectionMode(QAbstractItemView::NoSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setResizeMode(QListView::Adjust);
        verticalScrollBar()->setSingleStep(20);
        // Rows stand on the window's ground, a layout's spacing apart and its margin from the
        // frame. The list puts its spacing on both sides of a row; the rest of the margin is the
        // rows' own (edge()), so that a row scrolled half out of view is cut at the frame.
        viewport()->setBackgroundRole(QPalette::Window);
        int gap = style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
        if (gap < 0)
            gap = 6;
        setSpacing(gap / 2);
        m_edge = qMax(style()->pixelMetric(QStyle::PM_LayoutLeftMargin) - spacing(), 0);
    }

    // Between a row and the list's edges, besides the spacing: at both sides of every row, above
    // the first and below the last.
    int edge() const { return m_edge; }

    // The width a row lays its texts out at: what the viewport has beside a scroll bar, shown or
    // not, so that a scroll bar coming or going never changes a row's height.
    int rowWidth() const
    {
        return maximumViewportSize().width() - verticalScrollBar()->sizeHint().width() -
               2 * (spacing() + m_edge);
    }

    // Rows 0 to measuredRows() - 1 have their own heights.
    int measuredRows() const { return m_measured; }

    void setModel(QAbstractItemModel *model) override
    {
        QListView::setModel(model);
        if (!model)
            return;
        // Rows that came or went, "Mistakes only" for one, put others in the places measured.
        for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(model, changed, this, [this] { m_measured = 0; });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { m_measured = 0; });
        connect(model, &QAbstractItemModel::layoutChanged, this, [this] { m_measured = 0; });
    }

    void doItemsLayout() override
    {
        measureDownTo(verticalOffset() + viewport()->height());
        QListView::doItemsLayout();
    }

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override
    {
        // Tab or a key may ask for a row not measured yet.
        if (index.row() >= m_measured) {
            m_measured = index.row() + 1;
            QListView::doItemsLayout();
        }
        QListView::scrollTo(index, hint);
    }

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        const int rows = model() ? model()->rowCount() : 0;
        if (rows > 0 && event->reason() == Qt::TabFocusReason)
            setCurrentIndex(model()->index(0, 0));
        else if (rows > 0 && event->reason() == Qt::BacktabFocusReason)
            setCurrentIndex(model()->index(rows - 1, 0));
        QListView::focusInEvent(event);
    }

    void resizeEvent(QResizeEvent *event) override
    {
        QListView::resizeEvent(event);
        // At once, where the list would wait a tenth of a second: meanwhile its rows would be
        // painted at heights measured for another width.
        if (rowWidth() != m_laidOutWidth) {
            m_laidOutWidth = rowWidth();
            doItemsLayout();
        }
    }

    void paintEvent(QPaintEvent *event) override
    {
        QListView::paintEvent(event);
        if (!m_measuringLater && model() && m_measured < model()->rowCount()) {
            m_measuringLater = true;
            QTimer::singleShot(0, this, &AnswersView::measureLater);
        }
    }

private:
    static constexpr int RowsATurn = 2;

    // Measures rows from the top on until one reaches the given height.
    void measureDownTo(int bottom)
    {
        if (!model() || !itemDelegate())
            return;
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        int reached = 0;
        for (int row = 0; row < model()->rowCount() && reached < bottom; ++row) {
            m_measured = qMax(m_measured, row + 1);
            reached +=
                itemDelegate()->sizeHint(option, model()->index(row, 0)).height() + 2 * spacing();
        }
    }

    void measureLater()
    {
        m_measuringLater = false;
        if (!model() || m_measured >= model()->rowCount())
            return;
        m_measured = qMin(m_measured + RowsATurn, model()->rowCount());
        QListView::doItemsLayout();
        if (m_measured < model()->rowCount()) {
            m_measuringLater = true;
            QTimer::singleShot(0, this, &AnswersView::measureLater);
        }
    }

    int m_edge = 0;
    int m_laidOutWidth = -1;
    int m_measured = 0;
    bool m_measuringLater = false;
};

// Paints a question as a framed row: the stone's picture, a heading with the score line, and each
// option after its mark in a column of its own, wrapped at the row's width. The texts are laid out
// once per width and kept, as the list asks for a row's height more than once before it paints it.
class ReviewRowDelegate : public QStyledItemDelegate
{
public:
    explicit ReviewRowDelegate(AnswersView *view)
        : QStyledItemDelegate(view)
        , m_view(view)
    {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QMargins edges = edgesOf(index);
        const int height = index.row() < m_view->measuredRows() ? laidOut(option, index).height
                                                                : estimatedHeight(option, index);
        return {textLeft() + markWidth(option.font) + 80 + margin() + edges.left() + edges.right(),
                height + edges.top() + edges.bottom()};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const Row &row = laidOut(option, index);
        const QRect rect = option.rect - edgesOf(index);
        painter->save();
        painter->setClipRect(rect);

        QStyleOptionFrame frame;
        frame.initFrom(m_view);
        frame.rect = rect;
        frame.frameShape = QFrame::StyledPanel;
        frame.lineWidth = 1;
        m_view->style()->drawPrimitive(QStyle::PE_Frame, &frame, painter, m_view);
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
            painter->drawRect(rect.adjusted(1, 1, -1, -1));
        }

        const QPoint topLeft = rect.topLeft() + QPoint(margin(), margin());
        painter->drawPixmap(topLeft, picture(index.data(AnswerReview::Model::StoneRole).toInt(),
                                             painter->device()->devicePixelRatioF()));

        const QFont bold = boldFont(option.font);
        const int ascent = QFontMetrics(option.font).ascent();
        const int left = rect.left() + textLeft();
        painter->setFont(bold);
        painter->setPen(option.palette.color(QPalette::WindowText));
        painter->drawText(QRect(left, topLeft.y(), rect.right() - left, headingHeight(option)),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data().toString());
        const QColor ground = option.palette.color(QPalette::Window);
        for (size_t i = 0; i < row.texts.size(); ++i) {
            const auto mark = static_cast<Mark>(row.marks.value(qsizetype(i)));
            const int top = rect.top() + row.tops[i];
            const MarkLook look = markLook(mark);
            painter->setFont(bold);
            painter->setPen(Branding::readableColour(look.colour, ground));
            painter->drawText(QPoint(left, top + ascent), shownMark(look));
            // Options nobody needs to look at again step back.
            painter->setPen(mark == Mark::WrongUnticked
                                ? Branding::readableColour(QColor(0x5a, 0x5a, 0x5a), ground)
                                : option.palette.color(QPalette::WindowText));
            row.texts[i]->draw(painter, QPointF(left + markWidth(option.font), top));
        }
        painter->restore();
    }

private:
    static constexpr int MarkWidth = 80;
    static constexpr int ColumnSpacing = 12;
    static constexpr int LineSpacing = 8;
    static inline const QSize PictureSize = StonePictures::NaturalSize / 2;

    struct Row {
        int width = -1; // laid out for
        int height = 0;
        QList<int> marks;
        std::vector<std::unique_ptr<QTextLayout>> texts;
        std::vector<int> tops; // of each option, from the row's top
    };

    static QFont boldFont(QFont font)
    {
        font.setBold(true);
        return font;
    }

    QMargins edgesOf(const QModelIndex &index) const
    {
        const int edge = m_view->edge();
        const bool last = index.row() == index.model()->rowCount() - 1;
        return {edge, index.row() == 0 ? edge : 0, edge, last ? edge : 0};
    }

    // From the frame's outer edge to the content, as a framed widget with a layout has it.
    int margin() const
    {
        return m_view->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
               m_view->style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    }

    // As a label of the text would be high.
    static int headingHeight(const QStyleOptionViewItem &option)
    {
        return QFontMetrics(boldFont(option.font))
            .boundingRect(QRect(0, 0, 10000, 10000), Qt::TextSingleLine, QStringLiteral("Q"))
            .height();
    }

    int textLeft() const { return margin() + PictureSize.width() + ColumnSpacing; }

    // The marks' column: as wide as its widest word asks in the language shown, never narrower
    // than the English words have always had.
    static int markWidth(const QFont &font)
    {
        const QFontMetrics metrics(boldFont(font));
        int widest = 0;
        for (const Mark mark : {Mark::RightTicked, Mark::RightMissed, Mark::WrongTicked})
            widest = std::max(widest, metrics.horizontalAdvance(shownMark(markLook(mark))));
        return std::max(MarkWidth, widest + ColumnSpacing);
    }

    const Row &laidOut(const QStyleOptionViewItem &option, const QModelIndex &index) const
    {
        const int question = index.data(AnswerReview::Model::QuestionRole).toInt();
        Row &row = m_rows[static_cast<size_t>(qBound(1, question, QuestionCount) - 1)];
        const int width = m_view->rowWidth();
        if (row.width == width)
            return row;
        row.width = width;
        if (row.texts.empty()) {
            row.marks = index.data(AnswerReview::Model::MarksRole).value<QList<int>>();
            for (QString text : index.data(AnswerReview::Model::OptionsRole).toStringList()) {
                text.replace(QLatin1String("\r\n"), QChar(QChar::LineSeparator));
                row.texts.push_back(std::make_unique<QTextLayout>(text, option.font));
            }
        }
        const int textWidth = qMax(width - textLeft() - markWidth(option.font) - margin(), 1);
        int y = margin() + headingHeight(option);
        row.tops.clear();
        for (const auto &text : row.texts) {
            y += LineSpacing;
            row.tops.push_back(y);
            qreal height = 0;
            text->beginLayout();
            for (QTextLine line = text->createLine(); line.isValid(); line = text->createLine()) {
                line.setLineWidth(textWidth);
                line.setPosition(QPointF(0, height));
                height += line.height();
            }
            text->endLayout();
            y += qCeil(height);
        }
        row.height = qMax(y, margin() + PictureSize.height()) + margin();
        return row;
    }

    // One line an option, as a keywords test has them.
    int estimatedHeight(const QStyleOptionViewItem &option, const QModelIndex &index) const
    {
        const auto options = index.data(AnswerReview::Model::OptionsRole).toStringList().size();
        const int lines = margin() + headingHeight(option) +
                          int(options) * (LineSpacing + QFontMetrics(option.font).height());
        return qMax(lines, margin() + PictureSize.height()) + margin();
    }

    static QPixmap picture(int stone, qreal pixelRatio)
    {
        const QString key = QStringLiteral("reviewStone_%1_%2").arg(stone).arg(pixelRatio);
        QPixmap scaled;
        if (!QPixmapCache::find(key, &scaled)) {
            scaled = StonePictures::picture(pictureNumberOf(stone))
                         .scaled(PictureSize * pixelRatio, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
            scaled.setDevicePixelRatio(pixelRatio);
            QPixmapCache::insert(key, scaled);
        }
        return scaled;
    }

    AnswersView *m_view;
    mutable std::array<Row, QuestionCount> m_rows;
};

} // namespace

ReviewWindow::ReviewWindow(const AnswerSheet &sheet, QWidget *parent)
    : ReviewWindow(AnswerReview::title(sheet), new AnswerReview::Model(loadRuneCatalogue(), sheet),
                   parent)
{}

ReviewWindow::ReviewWindow(const PracticeRound &round, QWidget *parent)
    : ReviewWindow(AnswerReview::title(round), new AnswerReview::Model(loadRuneCatalogue(), round),
                   parent)
{}

ReviewWindow::ReviewWindow(const QString &heading, AnswerReview::Model *review, QWidget *parent)
    : QDialog(parent)
{
    review->setParent(this);
    m_review = review;
    m_heading = heading;
    setObjectName(QStringLiteral("frmReview"));
    setWindowTitle(tr("Review Answers"));
    setAccessibleName(windowTitle());
    // Whole paragraphs are read here, not glanced at.
    const QFont font = scaledFont(Branding::programFont(), 13.0 / 11, false);
    setFont(font);

    auto *title = new QLabel(heading, this);
    title->setObjectName(QStringLiteral("lblReviewTitle"));
    QFont bold = font;
    bold.setBold(true);
    title->setFont(bold);
    QStringList legend;
    for (const Mark mark : {Mark::RightTicked, Mark::RightMissed, Mark::WrongTicked}) {
        const MarkLook look = markLook(mark);
        legend << QStringLiteral("<b style=\"color:%1\">%2</b>: %3")
                      .arg(Branding::readableColour(look.colour, palette().color(QPalette::Window))
                               .name(),
                           shownMark(look), tr(look.meaning));
    }
    auto *legendLabel = new QLabel(legend.join(QLatin1String("&nbsp;&nbsp;&nbsp;&nbsp;")), this);
    legendLabel->setObjectName(QStringLiteral("lblReviewLegend"));
    legendLabel->setTextFormat(Qt::RichText);
    legendLabel->setWordWrap(true);

    m_mistakesOnly = new QCheckBox(tr("&Mistakes only"), this);
    m_mistakesOnly->setObjectName(QStringLiteral("chkMistakesOnly"));
    m_mistakesOnly->setAccessibleName(tr("Mistakes only"));

    m_rows = new AnswerReview::MistakesFilter(review, this);
    auto *answers = new AnswersView(this);
    answers->setObjectName(QStringLiteral("scrReview"));
    answers->setAccessibleName(tr("Answers"));
    answers->setItemDelegate(new ReviewRowDelegate(answers));
    answers->setModel(m_rows);
    m_answers = answers;
    // In the list's place when it has no rows, framed as the list is.
    m_noMistakesFrame = new QFrame(this);
    m_noMistakesFrame->setFrameStyle(m_answers->frameStyle());
    auto *noMistakesLayout = new QVBoxLayout(m_noMistakesFrame);
    m_noMistakes = new QLabel(tr("No mistakes: every answer scored in full."), m_noMistakesFrame);
    m_noMistakes->setObjectName(QStringLiteral("lblNoMistakes"));
    noMistakesLayout->addWidget(m_noMistakes);
    noMistakesLayout->addStretch(1);
    m_noMistakesFrame->hide();
    m_noMistakes->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAccessibleName(close->text().remove(QLatin1Char('&')));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_buttons = buttons;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(legendLabel);
    layout->addWidget(m_mistakesOnly);
    layout->addWidget(m_answers, 1);
    layout->addWidget(m_noMistakesFrame, 1);
    layout->addWidget(buttons);
    // Room for a few whole questions, but not more than the screen has, less the borders the
    // window system draws around it.
    const QScreen *shownOn = parent ? parent->screen() : screen();
    resize(QSize(860, 640).boundedTo(shownOn->availableSize() - QSize(16, 48)));

    connect(m_mistakesOnly, &QCheckBox::toggled, this, &ReviewWindow::showMistakesOnly);
}

void ReviewWindow::showMistakesOnly(bool only)
{
    m_rows->setMistakesOnly(only);
    const bool any = m_rows->rowCount() > 0;
    m_answers->setVisible(any);
    m_noMistakesFrame->setVisible(!any);
    m_noMistakes->setVisible(!any);
    m_answers->scrollToTop();
}

void ReviewWindow::offerPaper(Platform &platform, const QDateTime &taken)
{
    QPushButton *print = m_buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    QPushButton *pdf = m_buttons->addButton(tr("Save as P&DF..."), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("cmdPrintReview"));
    pdf->setObjectName(QStringLiteral("cmdReviewPdf"));
    // The box hands its focus on to its first button, which puts it into the Tab chain after
    // the last one, and Tab would go round the two for good: Tab from them goes on to "Close".
    m_buttons->setFocusProxy(nullptr);
    for (QPushButton *button : {print, pdf})
        button->setAccessibleName(
            button->text().remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    const auto putOnPaper = [this, &platform, taken](bool asPdf) {
        const ResultPaper paper(*m_review, m_heading, taken);
        if (asPdf)
            PaperOutput::savePdf(platform, this, paper);
        else
            PaperOutput::print(platform, this, paper);
    };
    connect(print, &QPushButton::clicked, this, [putOnPaper] { putOnPaper(false); });
    connect(pdf, &QPushButton::clicked, this, [putOnPaper] { putOnPaper(true); });
}
