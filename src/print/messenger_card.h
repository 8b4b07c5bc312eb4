#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "core/card_words.h"
#include "core/forecast.h"
#include "core/person.h"
#include "core/text_library.h"
#include "print/letterhead.h"

class QPainter;

namespace print {

// The card for messengers: one portrait picture a client reads on a phone,
// which shows it at about a third of its size, hence the large type. It
// carries the practitioner's letterhead (name, contacts, logo), the client's
// name and date of birth, the happiness percentage, the curve with this year
// marked and the coming years in the library's words; every word in the
// person's language, nothing of the program's own (no buttons, no site).
inline constexpr int kCardWidth = 1080;
inline constexpr int kCardHeight = 1350;
// No text on the card is smaller than this, pixels.
inline constexpr double kCardLeastTextPx = 36;

// One text the card writes: its box, its size in pixels and its look.
struct CardText {
    QRectF box;
    QString text;
    double px = 0;
    bool bold = false;
    QColor color;
    int flags = 0;  // Qt::AlignmentFlag and Qt::TextWordWrap
};

// The card laid out once when made, then painted onto any painter: the
// window's file and clipboard and the companion's --card use this one drawing.
class MessengerCard {
public:
    MessengerCard(const core::Forecast& forecast, const core::Person& person,
                  const core::TextLibrary& texts, long long thisYear,
                  const std::optional<Letterhead>& letterhead);

    // Onto a painter whose device is kCardWidth by kCardHeight pixels, white
    // paper included.
    void paint(QPainter& painter) const;
    // The card as a picture of kCardWidth by kCardHeight pixels.
    QImage image() const;

    // Every text the card writes, in reading order.
    const std::vector<CardText>& texts() const { return texts_; }
    // The years the card tells, from this year on.
    const std::vector<core::CardYear>& years() const { return years_; }

private:
    struct Curve {
        QRectF box;
        std::vector<int> levels;            // one a digit of the life number
        std::vector<long long> years;       // under each point: the cycle holding this year
        int thisPoint = -1;                 // the point of this year; -1 when none
        std::vector<core::AxisMark> marks;  // of each point's digit, as the axis colours it
    };
    struct Band {  // a coloured strip behind a part of the card
        QRectF box;
        QColor color;
    };

    double addText(const QRectF& box, const QString& text, double px, bool bold,
                   const QColor& color, int flags);
    double layOutLetterhead(const Letterhead& letterhead, double top);
    double layOutYears(double top, long long thisYear, core::ReportLanguage language);
    void layOutCurve(const core::Forecast& forecast, long long thisYear, const QRectF& box);
    void paintCurve(QPainter& painter) const;

    std::vector<CardText> texts_;
    std::vector<core::CardYear> years_;
    std::vector<Band> bands_;
    Curve curve_;
    QImage logo_;
    QRectF logoBox_;
};

}  // namespace print
