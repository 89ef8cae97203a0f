#include "progresswindow.h"

#include "history/historystore.h"
#include "history/schedule.h"
#include "history/scorelines.h"
#include "historyquestions.h"
#include "platform/detail.h"
#include "platform/filesaving.h"
#include "platform/platform.h"
#include "quizscreens/reviewwindow.h"
#include "schedulemodel.h"
#include "scorechart.h"
#include "widgets/commandbutton.h"

#include <QAbstractTableModel>
#include <QDir>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <array>
#include <climits>

namespace {

// Every column a share of the width, the first as wide as its texts while the others keep their
// least room beside it: a narrow window or a large font elides a cell rather than scroll sideways,
// its tool tip and what a screen reader hears the whole text, as a heading cut short tells its
// whole text in its tool tip. Qt's own fit to contents never gives way, hence the filter.
class SharedWidth : public QObject
{
public:
    explicit SharedWidth(QAbstractItemView *view, QHeaderView *header)
        : QObject(view)
        , m_view(view)
        , m_header(header)
    {
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::Stretch);
        header->setSectionResizeMode(0, QHeaderView::Fixed);
        header->setMinimumSectionSize(header->fontMetrics().averageCharWidth() * 4);
        view->viewport()->installEventFilter(this);
        // Not on rows inserted: rows a scroll brings in are of the first rows' form, and measuring
        // the column as they arrive reads the whole history at once.
        connect(view->model(), &QAbstractItemModel::modelReset, this, &SharedWidth::fit);
        connect(view->model(), &QAbstractItemModel::layoutChanged, this, &SharedWidth::fit);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit()
    {
        const int least = m_header->minimumSectionSize();
        const int others = (m_header->count() - 1) * least;
        const int wanted = std::max(m_view->sizeHintForColumn(0), m_header->sectionSizeHint(0));
        m_header->resizeSection(
            0, std::max(least, std::min(wanted, m_view->viewport()->width() - others)));
    }

    QAbstractItemView *m_view;
    QHeaderView *m_header;
};

// A read-only table whose columns sort by their Qt::UserRole, a row a line and a Tab stop.
QTableView *sortableTable(const QString &name, QAbstractItemModel *rows, QWidget *parent)
{
    auto *sorted = new QSortFilterProxyModel(parent);
    sorted->setSourceModel(rows);
    sorted->setSortRole(Qt::UserRole);
    auto *table = new QTableView(parent);
    table->setObjectName(name);
    table->setModel(sorted);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    new SharedWidth(table, table->horizontalHeader());
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setSortingEnabled(true);
    return table;
}

QString shownPercent(double value)
{
    return QStringLiteral("%1%").arg(qRound(value));
}

// The day, and for a test also the minute: seconds only make the columns wider.
QString shownDate(qint64 ms, bool withTime)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(ms).toLocalTime();
    // In the form the desktop's settings give; the C locale's has seconds too.
    const QLocale locale;
    return withTime ? locale.toString(
                          local,
                          locale.dateTimeFormat(QLocale::ShortFormat).remove(QLatin1String(":ss")))
                    : locale.toString(local.date(), QLocale::ShortFormat);
}

QLabel *addHeading(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

// The past tests, newest first, read from the history a page at a time as the list is scrolled
// down to them and formatted only as rows come into view: a long history lists at once, and a
// screen reader asking for the list's children is not handed a hundred thousand of them.
class PastTestsModel : public QAbstractTableModel
{
public:
    PastTestsModel(HistoryStore &history, QObject *parent)
        : QAbstractTableModel(parent)
        , m_history(history)
    {}

    void reload()
    {
        beginResetModel();
        m_tests.clear();
        m_read = {};
        m_tests = nextPage();
        endResetModel();
    }
    const QList<PastTest> &tests() const { return m_tests; }

    bool canFetchMore(const QModelIndex &parent) const override
    {
        return !parent.isValid() && m_read.more;
    }
    void fetchMore(const QModelIndex &parent) override
    {
        if (!canFetchMore(parent))
            return;
        const QList<PastTest> page = nextPage();
        if (page.isEmpty())
            return;
        beginInsertRows({}, int(m_tests.size()), int(m_tests.size() + page.size()) - 1);
        m_tests.append(page);
        endInsertRows();
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_tests.size());
    }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid())
            return {};
        const PastTest &test = m_tests.at(index.row());
        switch (index.column()) {
        case 0:
            return shownDate(test.finishedMs, true);
        case 1:
            return test.practice ? ProgressWindow::tr("Practice")
                                 : kindName(test.subject, test.level);
        default:
            return ProgressWindow::tr("%1 Correct Out Of %2").arg(test.score).arg(test.most);
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return {};
        static const std::array<const char *, 3> titles{
            QT_TRANSLATE_NOOP("ProgressWindow", "Date"),
            QT_TRANSLATE_NOOP("ProgressWindow", "Test"),
            QT_TRANSLATE_NOOP("ProgressWindow", "Score")};
        return ProgressWindow::tr(titles.at(section));
    }

private:
    // A page with a test in it, unless none is left: damaged tests are left out of a page.
    QList<PastTest> nextPage()
    {
        QList<PastTest> page;
        while (page.isEmpty() && m_read.more)
            page = m_history.pastTests(m_read, PageSize);
        return page;
    }

    // Some screenfuls: the next page is read while the user scrolls past them.
    static constexpr int PageSize = 200;
    HistoryStore &m_history;
    QList<PastTest> m_tests;
    PastTestsCursor m_read;
};

ProgressWindow::ProgressWindow(Platform &platform, HistoryStore &history, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_history(history)
{
    setWindowTitle(tr("Progress"));
    setObjectName(QStringLiteral("frmProgress"));
    setAccessibleName(windowTitle());

    const QString title = tr("Scores over time");
    m_scoreChart = createScoreChart(this, title, scoreLines({}, 0).lineNames());
    if (m_scoreChart) {
        m_chart = m_scoreChart->widget();
    } else {
        // Without its module the chart is told in words, the same a screen reader hears.
        m_chartWords = new QLabel(this);
        m_chartWords->setWordWrap(true);
        m_chartWords->setAlignment(Qt::AlignCenter);
        m_chart = m_chartWords;
    }
    m_chart->setObjectName(QStringLiteral("chartScores"));
    m_chart->setAccessibleName(title);
    m_chart->setMinimumHeight(200);
    // A stop for Tab, where a screen reader reads out what the lines show.
    m_chart->setFocusPolicy(Qt::TabFocus);

    m_stoneRows = new QStandardItemModel(0, 5, this);
    m_stoneRows->setHorizontalHeaderLabels({tr("Stone"), tr("Keywords right"), tr("Meanings right"),
                                            tr("Times asked"), tr("Last asked")});
    for (int column = 0; column < m_stoneRows->columnCount(); ++column)
        m_stoneRows->setHeaderData(column, Qt::Horizontal,
                                   m_stoneRows->headerData(column, Qt::Horizontal),
                                   Qt::ToolTipRole);
    m_stones = sortableTable(QStringLiteral("tblStones"), m_stoneRows, this);
    m_stones->setAccessibleName(tr("Stones"));
    // Weakest first, as the history gives them, until the user sorts by a column.
    m_stones->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);

    m_scheduleRows = new ScheduleModel(this);
    m_schedule = sortableTable(QStringLiteral("tblSchedule"), m_scheduleRows, this);
    m_schedule->sortByColumn(ScheduleModel::Stone, Qt::AscendingOrder);
    m_dueCounts = new QLabel(this);
    m_dueCounts->setObjectName(QStringLiteral("lblDueCounts"));
    m_streak = new QLabel(this);
    m_streak->setObjectName(QStringLiteral("lblStreak"));

    m_testRows = new PastTestsModel(m_history, this);
    m_tests = new QTreeView(this);
    m_tests->setObjectName(QStringLiteral("lstPastTests"));
    m_tests->setAccessibleName(tr("Past tests"));
    m_tests->setModel(m_testRows);
    m_tests->setRootIsDecorated(false);
    m_tests->setUniformRowHeights(true);
    m_tests->setAllColumnsShowFocus(true);
    new SharedWidth(m_tests, m_tests->header());

    m_study = commandButton(tr("S&tudy Weakest Stones"), QStringLiteral("cmdStudyWeakest"), this);
    m_export = commandButton(tr("&Export..."), QStringLiteral("cmdExport"), this);
    m_forget = commandButton(tr("&Forget History..."), QStringLiteral("cmdForget"), this);
    QPushButton *close = commandButton(tr("Close"), QStringLiteral("cmdClose"), this);
    m_notKept = new QLabel(this);
    m_notKept->setObjectName(QStringLiteral("lblNotKept"));
    m_notKept->setTextFormat(Qt::PlainText);
    m_notKept->setWordWrap(true);
    m_notKept->hide();

    auto *layout = new QVBoxLayout(this);
    // What is due comes first: it is what a learner opens the window for most days.
    auto *summary = new QHBoxLayout;
    summary->addWidget(m_dueCounts);
    summary->addStretch(1);
    summary->addWidget(m_streak);
    layout->addLayout(summary);
    layout->addWidget(m_chart, 3);
    auto *lists = new QHBoxLayout;
    // The stones as the tests found them, and as the boxes will bring them back.
    m_stoneViews = new QTabWidget(this);
    m_stoneViews->setObjectName(QStringLiteral("tabStoneViews"));
    m_stoneViews->setDocumentMode(true);
    m_stoneViews->addTab(m_stones, tr("&Stones"));
    const QString scheduleTitle = tr("S&chedule");
    m_stoneViews->addTab(m_schedule, scheduleTitle);
    m_stoneViews->tabBar()->setAccessibleName(tr("Stones and schedule"));
    m_schedule->setAccessibleName(QString(scheduleTitle).remove(QLatin1Char('&')));
    auto *testsColumn = new QVBoxLayout;
    testsColumn->addWidget(addHeading(tr("&Past tests"), m_tests, this));
    testsColumn->addWidget(m_tests);
    lists->addWidget(m_stoneViews, 4);
    lists->addLayout(testsColumn, 3);
    layout->addLayout(lists, 4);
    layout->addWidget(m_notKept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_study);
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    buttons->addWidget(m_forget);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_study, &QPushButton::clicked, this, [this] { emit studyStonesRequested(m_weakest); });
    connect(m_export, &QPushButton::clicked, this, &ProgressWindow::exportHistory);
    connect(m_forget, &QPushButton::clicked, this, &ProgressWindow::forgetHistory);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    connect(m_tests, &QTreeView::activated, this,
            [this](const QModelIndex &index) { reviewTest(index.row()); });
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::reload()
{
    // Over a long history the look for damaged tests can take seconds after a start; the window
    // stays free meanwhile and fills once it is done.
    if (m_history.whenReadable(this, [this] { reload(); })) {
        for (QPushButton *button : {m_study, m_export, m_forget})
            button->setEnabled(false);
        m_notKept->setText(tr("Reading the history of your tests..."));
        m_notKept->show();
        return;
    }
    m_testRows->reload();
    if (m_testRows->rowCount({}) > 0)
        m_tests->setCurrentIndex(m_testRows->index(0, 0));
    fillChart();
    fillStones();
    fillSchedule();
    const bool any = !m_testRows->tests().isEmpty();
    m_study->setEnabled(any && !m_weakest.isEmpty());
    m_study->setToolTip(
        !any ? tr("Finish a test first: the stones to study are the ones your tests show "
                  "to be weakest")
        : m_weakest.size() == 1
            ? tr("Walks through the stone you answer wrong most often")
            : tr("Walks through the %n stones you answer wrong most often, the weakest first",
                 nullptr, int(m_weakest.size())));
    m_export->setEnabled(any && !m_exporting);
    const QString readOnly = m_history.whyReadOnly();
    m_notKept->setText(readOnly.isEmpty() ? QString()
                                          : tr("New tests are not being kept: %1.").arg(readOnly));
    m_notKept->setVisible(!readOnly.isEmpty());
    // What cannot be written cannot be emptied either.
    m_forget->setEnabled(any && readOnly.isEmpty());
    QTimer::singleShot(0, this, &ProgressWindow::tellNotice);
}

void ProgressWindow::fillChart()
{
    const ScoreLines drawn =
        scoreLines(m_history.scoredTests(), m_platform.now().toMSecsSinceEpoch());
    const QStringList sentences = drawn.sentences();
    m_chart->setAccessibleDescription(sentences.join(QLatin1Char(' ')));
    if (m_scoreChart) {
        QList<ChartLine> lines;
        for (const ScoreLine &line : drawn.lines) {
            ChartLine &shown = lines.emplace_back();
            if (line.bands.isEmpty())
                shown.points = line.points;
            for (const ScoreBand &band : line.bands) {
                shown.points.append({band.atMs, band.mean});
                shown.lows.append({band.atMs, band.low});
                shown.highs.append({band.atMs, band.high});
            }
        }
        m_scoreChart->setLines(
            lines, {drawn.axis.fromMs, drawn.axis.toMs, drawn.axis.format, drawn.axis.ticks});
    } else {
        m_chartWords->setText(sentences.join(QLatin1Char('\n')));
    }
}

void ProgressWindow::fillStones()
{
    const QList<StoneTally> stones = m_history.stones();
    m_weakest = HistoryRules::weakestStones(stones);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    m_stoneRows->setRowCount(0);
    const auto item = [](const QString &shown, const QVariant &sortKey) {
        auto *cell = new QStandardItem(shown);
        cell->setToolTip(shown);
        cell->setData(sortKey, Qt::UserRole);
        return cell;
    };
    const auto share = [&item](int full, int asked) {
        return asked ? item(shownPercent(100.0 * full / asked), double(full) / asked)
                     : item(tr("not asked"), -1.0);
    };
    for (const StoneTally &tally : stones) {
        const QString name = catalogue.stoneNames[tally.stone];
        m_stoneRows->appendRow({item(name, name), share(tally.keywordsFull, tally.keywordsAsked),
                                share(tally.meaningsFull, tally.meaningsAsked),
                                item(QString::number(tally.asked()), tally.asked()),
                                tally.lastAskedMs
                                    ? item(shownDate(tally.lastAskedMs, false), tally.lastAskedMs)
                                    : item(tr("never"), qint64(0))});
    }
}

void ProgressWindow::fillSchedule()
{
    const QDate today = learnerDay(m_platform.now());
    const Schedule &schedule = m_history.schedule();
    m_scheduleRows->setSchedule(schedule, today);
    const int due = schedule.dueCount(today);
    m_dueCounts->setText(tr("Due today: %1. In the next 7 days: %2 more.")
                             .arg(due)
                             .arg(schedule.dueCount(today.addDays(7)) - due));
    const int days = streak(
        m_history.answeredDays(), [&schedule](QDate day) { return schedule.anythingDueOn(day); },
        today);
    m_streak->setText(days == 1 ? tr("Streak: 1 day") : tr("Streak: %n days", nullptr, days));
}

void ProgressWindow::tellNotice()
{
    if (HistoryQuestions::tell(m_platform, this, m_history))
        reload();
}

void ProgressWindow::reviewTest(int row)
{
    const QList<PastTest> &tests = m_testRows->tests();
    if (row < 0 || row >= tests.size())
        return;
    ReviewWindow *review = nullptr;
    if (tests[row].practice) {
        if (const std::optional<PracticeRound> round = m_history.round(tests[row].id))
            review = new ReviewWindow(*round, this);
    } else if (const std::optional<AnswerSheet> sheet = m_history.sheet(tests[row].id)) {
        review = new ReviewWindow(*sheet, this);
    }
    if (!review) {
        tellNotice();
        return;
    }
    review->offerPaper(m_platform, QDateTime::fromMSecsSinceEpoch(tests[row].finishedMs));
    review->setAttribute(Qt::WA_DeleteOnClose);
    review->open();
}

// An export under way: the CSV read a slice at a time into a file that takes the old one's place
// only once it is whole.
struct ProgressWindow::Exporting {
    QString path;
    std::unique_ptr<HistoryExport::Slices> csv;
    FileSaving::Stream file;
    QPointer<QProgressDialog> dialog;

    explicit Exporting(const QString &to)
        : path(to)
        , file(to)
    {}
    ~Exporting()
    {
        if (dialog)
            dialog->deleteLater();
    }
};

void ProgressWindow::exportHistory()
{
    if (m_exporting)
        return;
    const QString path = FileSaving::nameToSave(
        //: A filter of the save dialog: %1 is the pattern of the file names, kept as it is
        m_platform.saveFileName(this, tr("CSV file (%1)").arg(QStringLiteral("*.csv"))),
        QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    auto exporting = std::make_unique<Exporting>(path);
    exporting->csv = m_history.csvSlices();
    tellNotice();
    if (const FileSaving::Failure failure = exporting->file.failure(); !failure.isEmpty()) {
        tellExportFailure(path, failure);
        return;
    }
    // Shown only when the export takes long enough to be waited for.
    auto *dialog = new QProgressDialog(
        //: %1 is the path of the file the history is exported to
        tr("Exporting the history to %1...").arg(QDir::toNativeSeparators(path)), tr("Cancel"), 0,
        int(std::min<qsizetype>(exporting->csv->testCount(), INT_MAX)), this);
    dialog->setObjectName(QStringLiteral("dlgExporting"));
    dialog->setWindowTitle(windowTitle());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(400);
    dialog->setValue(0);
    connect(dialog, &QProgressDialog::canceled, this, [this] { m_exporting.reset(); });
    exporting->dialog = dialog;
    m_exporting = std::move(exporting);
    m_export->setEnabled(false);
    QTimer::singleShot(0, this, &ProgressWindow::exportSlice);
}

void ProgressWindow::exportSlice()
{
    if (!m_exporting) {
        m_export->setEnabled(!m_testRows->tests().isEmpty());
        return;
    }
    Exporting &exporting = *m_exporting;
    // Some tens of milliseconds at a time, so that the window answers the whole time.
    QElapsedTimer slice;
    slice.start();
    FileSaving::Failure failure;
    do {
        failure = exporting.file.write(exporting.csv->next(50));
    } while (failure.isEmpty() && !exporting.csv->atEnd() && slice.elapsed() < 30);
    if (failure.isEmpty() && !exporting.csv->atEnd()) {
        exporting.dialog->setValue(int(std::min<qsizetype>(exporting.csv->testsDone(), INT_MAX)));
        // Setting the value lets the dialog's Cancel be handled there and then.
        QTimer::singleShot(0, this, &ProgressWindow::exportSlice);
        return;
    }
    if (failure.isEmpty())
        failure = exporting.file.commit();
    const QString path = exporting.path;
    m_exporting.reset();
    m_export->setEnabled(!m_testRows->tests().isEmpty());
    if (!failure.isEmpty())
        tellExportFailure(path, failure);
}

void ProgressWindow::tellExportFailure(const QString &path, const FileSaving::Failure &failure)
{
    m_platform.message(
        this,
        //: %1 is the file's path, %2 why it could not be written, %3 what the file holds now
        withDetail(tr("The history could not be exported to %1.\n%2\n\n%3")
                       .arg(QDir::toNativeSeparators(path), failure.reason,
                            tr("Any file of that name still holds what it held before.")),
                   failure.detail),
        Platform::Icon::Critical);
}

void ProgressWindow::forgetHistory()
{
    const QString folder = QDir::toNativeSeparators(m_history.sync().folder());
    const auto answer = m_platform.message(
        this,
        folder.isEmpty()
            ? tr("Forget every test in the history? Their scores, answers and reviews are gone "
                 "for good.")
            : tr("Forget every test in the history, on this computer and on every other one "
                 "that shares the sync folder %1? Their scores, answers and reviews are gone for "
                 "good.")
                  .arg(folder),
        Platform::Icon::Warning, Platform::Buttons::YesNoDestructive, Platform::Answer::No);
    if (answer != Platform::Answer::Yes)
        return;
    m_history.forget();
    reload();
}
