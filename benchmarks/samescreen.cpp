// The second yardstick: the program's first screen built the plain way, with plain Qt widgets in
// layouts and none of the program's own logic. The same menus and entries, link line, section
// buttons, Settings texts and tick boxes, offer and window size, in the program's face; and beside
// the menus the count of items due, read from the history with Qt SQL once the window is drawn.
#include "shownprobe.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <utility>

namespace {

QLabel *wrapped(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QCheckBox *ticked(const QString &caption)
{
    auto *box = new QCheckBox(caption);
    box->setChecked(true);
    return box;
}

QWidget *settingsSection()
{
    auto *section = new QWidget;
    auto *invite =
        wrapped(QStringLiteral("Choose one or more of the below Stone Groups to start your Rune "
                               "Lessons Now!"));
    QFont bold = invite->font();
    bold.setBold(true);
    invite->setFont(bold);

    auto *groups = new QGroupBox(QStringLiteral("Stone Groups"));
    auto *groupsLayout = new QGridLayout(groups);
    groupsLayout->addWidget(
        wrapped(QStringLiteral("The 24 rune stones have been divided into three stone groups or "
                               "'Aett', each containing eight stones, for your study and to make "
                               "the subject more simple and interesting. Please select your "
                               "preferred Stone Group or Aett.")),
        0, 0, 1, 2);
    const QStringList aettir{QStringLiteral("First Aett"), QStringLiteral("Second Aett"),
                             QStringLiteral("Third Aett")};
    const QStringList themes{
        QStringLiteral("The theme of the first Aett of runes is the unity of the initial forces "
                       "of fire, chaos, ice and order to bring about the gift of the gods."),
        QStringLiteral("The theme of the second Aett of runes is development of consciousness "
                       "from the basic level to the more matured, higher and the complex thought "
                       "patterns."),
        QStringLiteral("The theme of the third Aett of runes is 'transition'. It projects the "
                       "natural progression of mankind from his first days to the end of the "
                       "world.")};
    for (int i = 0; i < 3; ++i) {
        groupsLayout->addWidget(ticked(aettir[i]), i + 1, 0, Qt::AlignTop);
        groupsLayout->addWidget(wrapped(themes[i]), i + 1, 1);
    }
    groupsLayout->setColumnStretch(1, 1);

    auto *meanings = new QGroupBox(QStringLiteral("Stone Meanings"));
    auto *meaningsLayout = new QVBoxLayout(meanings);
    for (const char *caption : {"Upright Meanings", "Reversed Meanings", "Merkstave Meanings"})
        meaningsLayout->addWidget(ticked(QString::fromLatin1(caption)));
    auto *objects = new QGroupBox(QStringLiteral("Stone Objects"));
    auto *objectsLayout = new QVBoxLayout(objects);
    objectsLayout->addWidget(ticked(QStringLiteral("Also Known As")));
    objectsLayout->addWidget(ticked(QStringLiteral("Keywords")));

    auto *right = new QVBoxLayout;
    right->addWidget(meanings);
    right->addWidget(objects);
    right->addStretch(1);
    right->addWidget(new QPushButton(QStringLiteral("Memorize Meanings / Keywords")));
    right->addWidget(new QPushButton(QStringLiteral("Save Current Settings As Default")));
    auto *columns = new QHBoxLayout;
    columns->addWidget(groups, 1);
    columns->addLayout(right);

    auto *layout = new QVBoxLayout(section);
    layout->addWidget(wrapped(QStringLiteral("Orlendra helps you learn more about the meanings of "
                                             "runes stone. Use this software to improve your rune "
                                             "reading skills.")));
    layout->addWidget(invite);
    layout->addLayout(columns, 1);
    return section;
}

// After the first paint, as the program does: the count of items due today, from the boxes the
// history keeps.
class DueToday : public QObject
{
public:
    DueToday(QWidget *window, QLabel *label, QPushButton *practise)
        : m_label(label)
        , m_practise(practise)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !std::exchange(m_painted, true))
            QTimer::singleShot(0, this, [this] { read(); });
        return false;
    }

private:
    void read()
    {
        int keywords = 0;
        int meanings = 0;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
            db.setDatabaseName(
                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/Orlendra/history.sqlite"));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            QSqlQuery query(db);
            if (db.open() &&
                query.exec(QStringLiteral("SELECT subject, count(*) FROM schedule_item WHERE due "
                                          "<= date('now', 'localtime', '-4 hours') "
                                          "GROUP BY subject"))) {
                while (query.next())
                    (query.value(0).toInt() == 0 ? keywords : meanings) = query.value(1).toInt();
            }
        }
        m_label->setText(QStringLiteral("Due today: %1 (%2 keywords, %3 meanings)")
                             .arg(keywords + meanings)
                             .arg(keywords)
                             .arg(meanings));
        m_practise->setEnabled(keywords + meanings > 0);
    }

    QLabel *m_label;
    QPushButton *m_practise;
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Orlendra v1.80"));
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    window.setFont(font);

    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Progress..."))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("Check for Software &Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    window.menuBar()->addAction(QStringLiteral("&Donate"));
    window.menuBar()->addAction(QStringLiteral("Make Money &Online"))->setVisible(false);

    auto *client = new QWidget;
    auto *layout = new QVBoxLayout(client);
    auto *forum = new QLabel(QStringLiteral("Share readings with fellow rune students in the "
                                            "Orlendra forum online. Click here to join in."));
    forum->setAlignment(Qt::AlignCenter);
    QPalette link = forum->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 160));
    forum->setPalette(link);
    layout->addWidget(forum);
    auto *buttons = new QHBoxLayout;
    for (const char *caption : {"Settings", "Memorize Stones", "Test Set Up", "Goals"})
        buttons->addWidget(new QPushButton(QString::fromLatin1(caption)));
    layout->addLayout(buttons);
    auto *sections = new QStackedWidget;
    sections->setFrameShape(QFrame::StyledPanel);
    sections->addWidget(settingsSection());
    layout->addWidget(sections, 1);
    layout->addWidget(wrapped(QStringLiteral(
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.")));
    // The count on a line of its own under the offers, as there.
    auto *dueRow = new QHBoxLayout;
    auto *dueLabel = new QLabel;
    auto *practise = new QPushButton(QStringLiteral("&Practise Due Stones"));
    practise->setEnabled(false);
    dueRow->addWidget(dueLabel, 1);
    dueRow->addWidget(practise);
    layout->addLayout(dueRow);
    // The study window's client area; the menu bar adds its own height, as there.
    client->setFixedWidth(687);
    window.setCentralWidget(client);

    // Before the probe, whose filter so runs first: the count is read before the probe ends.
    DueToday dueToday(&window, dueLabel, practise);
    ShownProbe probe(&window);
    window.show();
    return QApplication::exec();
}
