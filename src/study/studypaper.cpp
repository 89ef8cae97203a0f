#include "studypaper.h"

#include "catalogue/stonepictures.h"
#include "memorizesection.h"
#include "settingssection.h"
#include "studywalk.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// A picture's height for its width, as the stones are drawn.
double pictureHeight(double width)
{
    return width * StonePictures::NaturalSize.height() / StonePictures::NaturalSize.width();
}

void drawStone(QPainter &painter, StoneIndex stone, const QRectF &box)
{
    painter.drawImage(box, StonePictures::printPicture(pictureNumberOf(stone)));
}

QString commaList(const QStringList &texts)
{
    return texts.join(QStringLiteral(", "));
}

} // namespace

StudySheet::StudySheet(const RuneCatalogue &catalogue, const StudySettings &ticks, Style style)
    : m_catalogue(catalogue)
    , m_ticks(ticks)
    , m_style(style)
{}

QString StudySheet::title() const
{
    return m_style == Style::Full ? tr("Orlendra Study Sheet")
                                  : tr("Orlendra Study Sheet, Compact");
}

void StudySheet::paint(QPagedPaintDevice &device, QPainter &painter) const
{
    if (m_style == Style::Full)
        paintFull(device, painter);
    else
        paintCompact(device, painter);
}

void StudySheet::paintFull(QPagedPaintDevice &device, QPainter &painter) const
{
    Paper::Flow flow(device);
    const double gap = Paper::mm(device, 5);
    const double pictureWidth = Paper::mm(device, 26);
    const double textLeft = pictureWidth + Paper::mm(device, 6);
    const double textWidth = flow.width() - textLeft;
    const QList<Paper::Text> heading{{Paper::font(18, true), title()}};
    Paper::draw(painter, heading, 0, flow.place(Paper::height(device, heading, flow.width())),
                flow.width());
    // The Memorize section's words for the meanings, as the learner knows them from there.
    const std::array<QString, 3> meaningCaptions{MemorizeSection::tr("Normal Meaning"),
                                                 MemorizeSection::tr("Reverse Meaning"),
                                                 MemorizeSection::tr("Markstave Meaning")};
    const std::array<QString, 3> aettNames{SettingsSection::tr("First Aett"),
                                           SettingsSection::tr("Second Aett"),
                                           SettingsSection::tr("Third Aett")};
    int lastAett = -1;
    for (const StoneIndex stone : studyOrderFor(m_ticks.stoneGroup)) {
        QList<Paper::Text> aettHeading;
        if (aettOf(stone) != lastAett) {
            lastAett = aettOf(stone);
            aettHeading.append({Paper::font(14, true), aettNames[lastAett]});
        }
        QList<Paper::Text> texts{{Paper::font(13, true), m_catalogue.stoneNames[stone]}};
        if (m_ticks.stoneObject[1])
            texts.append({Paper::font(9.5), MemorizeSection::tr("Alternative Names") +
                                                QStringLiteral(": ") +
                                                commaList(m_catalogue.alternativeNamesOf(stone))});
        if (m_ticks.stoneObject[0])
            texts.append({Paper::font(9.5), MemorizeSection::tr("Keywords") + QStringLiteral(": ") +
                                                commaList(m_catalogue.keywordsOf(stone))});
        const std::array<const QString *, 3> meanings{&m_catalogue.uprightMeanings[stone],
                                                      &m_catalogue.reversedMeanings[stone],
                                                      &m_catalogue.merkstaveMeanings[stone]};
        for (int kind = 0; kind < 3; ++kind) {
            if (!m_ticks.stoneMeaning[kind])
                continue;
            texts.append({Paper::font(9.5, true), meaningCaptions[kind]});
            texts.append({Paper::font(9.5), *meanings[kind]});
        }
        // An aett's heading stays with its first stone.
        const double headingHeight = Paper::height(device, aettHeading, flow.width());
        const double height = headingHeight + std::max(pictureHeight(pictureWidth),
                                                       Paper::height(device, texts, textWidth));
        double top = flow.place(height, gap);
        top += Paper::draw(painter, aettHeading, 0, top, flow.width());
        drawStone(painter, stone, QRectF(0, top, pictureWidth, pictureHeight(pictureWidth)));
        Paper::draw(painter, texts, textLeft, top, textWidth);
    }
}

void StudySheet::paintCompact(QPagedPaintDevice &device, QPainter &painter) const
{
    // Three across and as many rows as the paper holds: all 24 on two pages of A4 or Letter.
    constexpr int columns = 3;
    const QList<StoneIndex> stones = studyOrderFor(m_ticks.stoneGroup);
    const double cellWidth = device.width() / double(columns);
    const double inner = cellWidth - Paper::mm(device, 6);
    const double pictureWidth = Paper::mm(device, 24);
    const auto textsOf = [this](StoneIndex stone) {
        return QList<Paper::Text>{
            {Paper::font(12, true), m_catalogue.stoneNames[stone], Qt::black, 0, Qt::AlignHCenter},
            {Paper::font(9), commaList(m_catalogue.keywordsOf(stone)), Qt::black, 0,
             Qt::AlignHCenter}};
    };
    double cellHeight = 0;
    for (const StoneIndex stone : stones)
        cellHeight = std::max(cellHeight, Paper::height(device, textsOf(stone), inner));
    cellHeight += pictureHeight(pictureWidth) + Paper::mm(device, 6);
    const int rows = std::max(1, int(device.height() / cellHeight));
    for (int at = 0; at < stones.size(); ++at) {
        if (at > 0 && at % (rows * columns) == 0)
            device.newPage();
        const int cell = at % (rows * columns);
        const double left = (cell % columns) * cellWidth + (cellWidth - inner) / 2;
        const double top = (cell / columns) * cellHeight;
        drawStone(painter, stones[at],
                  QRectF(left + (inner - pictureWidth) / 2, top, pictureWidth,
                         pictureHeight(pictureWidth)));
        QList<Paper::Text> texts = textsOf(stones[at]);
        Paper::draw(painter, texts, left, top + pictureHeight(pictureWidth) + Paper::mm(device, 1),
                    inner);
    }
}

FlashCards::FlashCards(const RuneCatalogue &catalogue, const QList<StoneIndex> &stones)
    : m_catalogue(catalogue)
    , m_stones(stones)
{}

QString FlashCards::title() const
{
    return tr("Orlendra Flash Cards");
}

void FlashCards::paint(QPagedPaintDevice &device, QPainter &painter) const
{
    const double width = Paper::mm(device, CardWidthMm);
    const double height = Paper::mm(device, CardHeightMm);
    const QPageLayout layout = device.pageLayout();
    const int dpi = device.logicalDpiX();
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paintable = layout.paintRectPixels(dpi);
    // A millimetre to spare: three cards of 60 mm fill the 180 mm between margins of 15 mm on
    // A4, which the page's rounding to whole pixels makes a little less.
    const double spare = Paper::mm(device, 1);
    const int columns = std::max(1, int((paintable.width() + spare) / width));
    const int rows = std::max(1, int((paintable.height() + spare) / height));
    // The cards sit in the middle of the sheet itself, not of the printable part: a printer's
    // margins need not be the same on both sides, and the backs must meet the fronts.
    const QPointF origin((full.width() - columns * width) / 2 - paintable.left(),
                         (full.height() - rows * height) / 2 - paintable.top());
    const int perSheet = columns * rows;
    const auto cardBox = [&](int cell, bool back) {
        // Turned over its long edge, the sheet shows a card's back where the front's mirror is.
        const int column = back ? columns - 1 - cell % columns : cell % columns;
        return QRectF(origin.x() + column * width, origin.y() + (cell / columns) * height, width,
                      height);
    };
    const auto cutLines = [&](int count, bool back) {
        painter.setPen(QPen(Qt::gray, Paper::mm(device, 0.2), Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        for (int cell = 0; cell < count; ++cell)
            painter.drawRect(cardBox(cell, back));
    };
    for (int first = 0; first < m_stones.size(); first += perSheet) {
        const int count = std::min(perSheet, int(m_stones.size()) - first);
        if (first > 0)
            device.newPage();
        cutLines(count, false);
        const double pictureWidth = width * 0.6;
        for (int cell = 0; cell < count; ++cell) {
            const QRectF box = cardBox(cell, false);
            const double pictureHigh = pictureHeight(pictureWidth);
            drawStone(painter, m_stones[first + cell],
                      QRectF(box.center().x() - pictureWidth / 2,
                             box.center().y() - pictureHigh / 2, pictureWidth, pictureHigh));
        }
        device.newPage();
        cutLines(count, true);
        for (int cell = 0; cell < count; ++cell) {
            const StoneIndex stone = m_stones[first + cell];
            const QRectF box =
                cardBox(cell, true).adjusted(Paper::mm(device, 4), 0, -Paper::mm(device, 4), 0);
            QList<Paper::Text> texts{{Paper::font(16, true), m_catalogue.stoneNames[stone],
                                      Qt::black, 0, Qt::AlignHCenter},
                                     {Paper::font(4), QString()}};
            for (const QString &keyword : m_catalogue.keywordsOf(stone))
                texts.append({Paper::font(11), keyword, Qt::black, 0, Qt::AlignHCenter});
            Paper::draw(painter, texts, box.left(),
                        box.center().y() - Paper::height(device, texts, box.width()) / 2,
                        box.width());
        }
    }
}
