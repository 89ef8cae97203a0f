#pragma once

#include "catalogue/runecatalogue.h"
#include "platform/paper.h"
#include "studysettings.h"

#include <QCoreApplication>
#include <QList>

// The stones of the study walk on paper: a sheet to keep beside the learner, in futhark order,
// each stone with what the Settings section has ticked (its meanings, its keywords, its other
// names), or in a compact grid of picture, name and keywords.
class StudySheet final : public PaperDocument
{
    Q_DECLARE_TR_FUNCTIONS(StudySheet)

public:
    enum class Style { Full, Compact };

    StudySheet(const RuneCatalogue &catalogue, const StudySettings &ticks, Style style);

    QString title() const override;
    void paint(QPagedPaintDevice &device, QPainter &painter) const override;

private:
    void paintFull(QPagedPaintDevice &device, QPainter &painter) const;
    void paintCompact(QPagedPaintDevice &device, QPainter &painter) const;

    const RuneCatalogue &m_catalogue;
    StudySettings m_ticks;
    Style m_style;
};

// Cards to cut out, the stone's picture on the front and its name and keywords on the back. The
// backs are placed so that they meet their fronts on a sheet printed on both sides, turned over
// its long edge.
class FlashCards final : public PaperDocument
{
    Q_DECLARE_TR_FUNCTIONS(FlashCards)

public:
    FlashCards(const RuneCatalogue &catalogue, const QList<StoneIndex> &stones);

    QString title() const override;
    void paint(QPagedPaintDevice &device, QPainter &painter) const override;

    // A card's size, whatever the paper: the same cards from every printer.
    static constexpr double CardWidthMm = 60;
    static constexpr double CardHeightMm = 80;

private:
    const RuneCatalogue &m_catalogue;
    QList<StoneIndex> m_stones;
};
