#include "print/messenger_card.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "core/booklet.h"
#include "core/client_names.h"
#include "core/group.h"
#include "graph/curve.h"
#include "platform/fonts.h"

namespace print {

namespace {

// Places and sizes in pixels of the 1080 by 1350 card.
constexpr double kMargin = 60;
constexpr double kInner = kCardWidth - 2 * kMargin;
constexpr double kLogoSide = 150;
constexpr double kLogoGap = 32;
constexpr double kBandPad = 30;  // under the letterhead, inside its band
constexpr double kSectionGap = 28;
constexpr double kNameGap = 8;
constexpr double kYearColumn = 170;  // the year, then its level and words
constexpr double kRowGap = 18;
constexpr double kRowPad = 10;  // this year's band round its row
constexpr double kCurveLeast = 360;
constexpr double kCurveRoomAbove = 44;  // for this year's ring over the top level
constexpr double kCurveRoomBelow = 64;  // for the years under the points
constexpr double kPointRadius = 26;
constexpr double kRingRadius = 38;
constexpr int kMostYears = 4;  // this year and three after it
constexpr int kLeastYears = 3;

constexpr double kPractitionerPx = 44;
constexpr double kNamePx = 60;
constexpr double kHeadingPx = 42;
constexpr double kBodyPx = 36;
constexpr double kYearPx = 46;
constexpr double kHappinessPx = 44;
constexpr double kDigitPx = 36;
static_assert(kDigitPx >= kCardLeastTextPx && kBodyPx >= kCardLeastTextPx);

const QColor kInk(0x22, 0x22, 0x2A);
const QColor kQuiet(0x55, 0x55, 0x60);
const QColor kLetterheadBand(0xF5, 0xF0, 0xF4);
const QColor kThisYearBand(0xFB, 0xEC, 0xF3);
const QColor kGridDot(0xC8, 0xC8, 0xD2);
const QColor kRule(0xDD, 0xD4, 0xDA);

QFont cardFont(double px, bool bold) {
    QFont font(platform::printerFamily());
    font.setPixelSize(qRound(px));
    font.setBold(bold);
    return font;
}

double textHeight(const QString& text, double width, double px, bool bold, int flags) {
    const QFontMetricsF metrics(cardFont(px, bold));
    return metrics.boundingRect(QRectF(0, 0, width, 1e6), flags, text).height();
}

constexpr int kWrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr int kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

}  // namespace

MessengerCard::MessengerCard(const core::Forecast& forecast, const core::Person& person,
                             const core::TextLibrary& texts, long long thisYear,
                             const std::optional<Letterhead>& letterhead) {
    using core::PageCaption;
    const core::ReportLanguage language = person.language;
    double y = kMargin;
    if (letterhead) {
        y = layOutLetterhead(letterhead->forLanguage(language), 0) + kSectionGap;
    }
    if (const QString name = core::fullName(person.names, language); !name.isEmpty()) {
        y += addText({kMargin, y, kInner, 0}, name, kNamePx, true, kInk, kWrapped) + kNameGap;
    }
    y += addText({kMargin, y, kInner, 0},
                 core::pageCaption(language, PageCaption::TextBorn)
                     .arg(core::bookletDate(forecast, language)),
                 kBodyPx, false, kQuiet, kWrapped);
    y += addText({kMargin, y, kInner, 0},
                 core::pageCaption(language, PageCaption::TextHappiness)
                     .arg(core::percentText(forecast.happinessPercent)),
                 kHappinessPx, true, graph::curveColor(), kWrapped);
    y += kSectionGap / 2;

    // The years take the foot of the card and the curve what is left; the
    // years give way to the curve down to the least of them.
    const double bottom = kCardHeight - kMargin;
    const auto measure = [&](int count) {
        const std::size_t textCount = texts_.size();
        const std::size_t bandCount = bands_.size();
        years_ = core::cardYears(forecast, person, texts, thisYear, count);
        const double height = layOutYears(0, thisYear, language);
        texts_.resize(textCount);
        bands_.resize(bandCount);
        return height;
    };
    int count = kMostYears;
    double yearsHeight = measure(count);
    while (count > kLeastYears && bottom - yearsHeight - kSectionGap - y < kCurveLeast) {
        yearsHeight = measure(--count);
    }
    const double yearsTop = bottom - yearsHeight;

    layOutCurve(forecast, thisYear, QRectF(kMargin, y, kInner, yearsTop - kSectionGap - y));
    layOutYears(yearsTop, thisYear, language);
}

// The curve's points, with their digits on them and under each the year of
// this cycle it governs: texts of the card like any other.
void MessengerCard::layOutCurve(const core::Forecast& forecast, long long thisYear,
                                const QRectF& box) {
    curve_.box = box;
    for (const QChar digit : forecast.digits) {
        const int level = digit.digitValue();
        curve_.levels.push_back(level);
        curve_.marks.push_back(forecast.axis.at(static_cast<std::size_t>(level)));
    }
    curve_.years = core::cycleYearsAround(forecast, thisYear);
    if (const std::optional<core::CycleYear> now = core::cycleYear(forecast, thisYear)) {
        curve_.thisPoint = now->position;
    }
    const double columnWidth = kInner / std::max<double>(1, curve_.levels.size());
    const QRectF plot = curve_.box.adjusted(0, kCurveRoomAbove, 0, -kCurveRoomBelow);
    for (std::size_t k = 0; k < curve_.levels.size(); ++k) {
        const double x = kMargin + columnWidth * (static_cast<double>(k) + 0.5);
        const double py = plot.bottom() - curve_.levels[k] * plot.height() / 9;
        addText({x - kPointRadius, py - kPointRadius, 2 * kPointRadius, 2 * kPointRadius},
                QString::number(curve_.levels[k]), kDigitPx, true, Qt::white, kCentred);
        if (k < curve_.years.size()) {
            const bool now = static_cast<int>(k) == curve_.thisPoint;
            addText({x - columnWidth / 2 + 2, plot.bottom() + kPointRadius + 4, columnWidth - 4, 0},
                    QString::number(curve_.years[k]), kDigitPx, now,
                    now ? graph::curveColor() : kQuiet, Qt::AlignHCenter | Qt::AlignTop);
        }
    }
}

double MessengerCard::addText(const QRectF& box, const QString& text, double px, bool bold,
                              const QColor& color, int flags) {
    QRectF placed = box;
    if (placed.height() <= 0) {
        placed.setHeight(textHeight(text, box.width(), px, bold, flags));
    }
    texts_.push_back({placed, text, px, bold, color, flags});
    return placed.height();
}

// The logo on the left, the name and the contacts beside it, on a band of
// their own across the card's top.
double MessengerCard::layOutLetterhead(const Letterhead& letterhead, double top) {
    double x = kMargin;
    const double textTop = top + kMargin * 0.75;
    double bottom = textTop;
    if (!letterhead.logo.isNull()) {
        logo_ = letterhead.logo;
        logoBox_ = QRectF(kMargin, textTop, kLogoSide, kLogoSide);
        x += kLogoSide + kLogoGap;
        bottom = logoBox_.bottom();
    }
    const double width = kCardWidth - kMargin - x;
    double y = textTop;
    if (!letterhead.name.isEmpty()) {
        y += addText({x, y, width, 0}, letterhead.name, kPractitionerPx, true, kInk, kWrapped);
    }
    // Contacts share a line, apart by a dot, as far as they fit; a line
    // breaks between contacts, never inside one where it need not.
    const QFontMetricsF metrics(cardFont(kBodyPx, false));
    const QString apart = QStringLiteral("  ·  ");
    QStringList lines;
    for (const QString& contact : letterhead.contacts) {
        if (!lines.isEmpty() &&
            metrics.horizontalAdvance(lines.constLast() + apart + contact) <= width) {
            lines.last() += apart + contact;
        } else {
            lines << contact;
        }
    }
    for (const QString& line : lines) {
        y += addText({x, y, width, 0}, line, kBodyPx, false, kQuiet, kWrapped);
    }
    bottom = std::max(bottom, y) + kBandPad;
    bands_.push_back({QRectF(0, top, kCardWidth, bottom - top), kLetterheadBand});
    return bottom;
}

// «Ближайшие годы», then a row a year: the year, its level and shape, and
// the library's words on the level; this year's row on a band.
double MessengerCard::layOutYears(double top, long long thisYear, core::ReportLanguage language) {
    using core::PageCaption;
    double y = top;
    y += addText({kMargin, y, kInner, 0}, core::pageCaption(language, PageCaption::NextYears),
                 kHeadingPx, true, kInk, kWrapped);
    y += kRowGap / 2;
    if (years_.empty()) {
        // Someone not born yet: the booklet's own words for it.
        y += addText({kMargin, y, kInner, 0}, core::pageCaption(language, PageCaption::BeforeBirth),
                     kBodyPx, false, kQuiet, kWrapped);
        return y + kRowGap / 2 - top;
    }
    const double wordsX = kMargin + kYearColumn;
    const double wordsWidth = kInner - kYearColumn;
    for (const core::CardYear& year : years_) {
        const bool now = year.year == thisYear;
        const std::size_t bandAt = bands_.size();
        if (now) {
            bands_.push_back({});
        }
        const double rowTop = y + kRowPad;
        const double yearHeight =
            addText({kMargin, rowTop, kYearColumn, 0}, QString::number(year.year), kYearPx, true,
                    now ? graph::curveColor() : kInk, Qt::AlignLeft | Qt::AlignTop);
        double right = rowTop;
        right += addText({wordsX, right, wordsWidth, 0},
                         core::pageCaption(language, PageCaption::TextLevel).arg(year.level) +
                             QStringLiteral(", ") + core::shapeWord(year.shape, language),
                         kBodyPx, true, kInk, kWrapped);
        if (!year.words.isEmpty()) {
            right += addText({wordsX, right, wordsWidth, 0}, year.words, kBodyPx, false, kQuiet,
                             kWrapped);
        }
        const double rowBottom = std::max(rowTop + yearHeight, right) + kRowPad;
        if (now) {
            bands_[bandAt] = {QRectF(kMargin - kRowPad * 2, y, kInner + kRowPad * 4, rowBottom - y),
                              kThisYearBand};
        }
        y = rowBottom + kRowGap / 2;
    }
    return y - top;
}

void MessengerCard::paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), Qt::white);
    for (const Band& band : bands_) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(band.color);
        painter.drawRoundedRect(band.box, 14, 14);
    }
    if (!logo_.isNull()) {
        const QSizeF fitted = QSizeF(logo_.size()).scaled(logoBox_.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), fitted);
        target.moveCenter(logoBox_.center());
        painter.drawImage(target, logo_);
    }
    paintCurve(painter);
    for (const CardText& t : texts_) {
        painter.setFont(cardFont(t.px, t.bold));
        painter.setPen(t.color);
        painter.drawText(t.box, t.flags, t.text);
    }
    painter.restore();
}

// The grid's dots, the curve through the points, each point a disc in the
// curve's colour (green for the life's largest digit, red for its smallest,
// as the digit axis colours them) and a ring round this year's.
void MessengerCard::paintCurve(QPainter& painter) const {
    const std::size_t n = curve_.levels.size();
    if (n == 0) {
        return;
    }
    const QRectF plot = curve_.box.adjusted(0, kCurveRoomAbove, 0, -kCurveRoomBelow);
    const double columnWidth = curve_.box.width() / static_cast<double>(n);
    const auto at = [&](std::size_t k) {
        return QPointF(curve_.box.left() + columnWidth * (static_cast<double>(k) + 0.5),
                       plot.bottom() - curve_.levels[k] * plot.height() / 9);
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGridDot);
    for (std::size_t k = 0; k < n; ++k) {
        for (int level = 0; level <= 9; ++level) {
            painter.drawEllipse(QPointF(at(k).x(), plot.bottom() - level * plot.height() / 9), 3.5,
                                3.5);
        }
    }
    QPainterPath line;
    line.moveTo(at(0));
    for (std::size_t k = 1; k < n; ++k) {
        line.lineTo(at(k));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(graph::curveColor(), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(line);
    if (curve_.thisPoint >= 0 && static_cast<std::size_t>(curve_.thisPoint) < n) {
        painter.setPen(QPen(graph::curveColor(), 6));
        painter.setBrush(Qt::white);
        painter.drawEllipse(at(static_cast<std::size_t>(curve_.thisPoint)), kRingRadius,
                            kRingRadius);
    }
    painter.setPen(Qt::NoPen);
    for (std::size_t k = 0; k < n; ++k) {
        const core::AxisMark mark = curve_.marks[k];
        painter.setBrush(mark == core::AxisMark::Plain ? graph::curveColor()
                                                       : graph::axisColor(mark));
        painter.drawEllipse(at(k), kPointRadius, kPointRadius);
    }
}

QImage MessengerCard::image() const {
    QImage picture(kCardWidth, kCardHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paint(painter);
    painter.end();
    return picture;
}

}  // namespace print
