#include "ui/main_window/frm_main.h"

#include <algorithm>

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QUrl>

#include "aspects/aspect_square.h"
#include "core/program_info.h"
#include "graph/event_marks.h"
#include "graph/grid.h"
#include "graph/year_table.h"
#include "platform/classic_style.h"
#include "platform/controls.h"
#include "platform/face_button.h"
#include "platform/fonts.h"
#include "platform/help_viewer.h"
#include "platform/shapes.h"
#include "platform/units.h"
#include "platform/window_surface.h"
#include "print/delivery.h"
#include "print/person_fields.h"
#include "ui/window_language.h"

// The main window's constructor and the helpers that build its areas: every
// control at its place in twips, as the window was first designed.

namespace ui {

namespace {

using platform::Face;
using platform::RectTw;

const QColor kWindowColor = platform::kMainWindowColor;
const QColor kYearColor(0, 64, 0);
const QColor kInputColor(0, 255, 0);
const QColor kLinkColor = platform::fromBgr(0xFF8080);
const QColor kLinkHoverColor = platform::fromBgr(0xFF0000);

constexpr int kClientWidthTw = 7575;
constexpr int kClientHeightTw = 7305;

constexpr RectTw kGraphFrame{120, 180, 3705, 6855};

// Digit-axis labels: Left 210, 135 x 240; the Top of the label of each digit.
constexpr int kAxisLeft = 210;
constexpr int kAxisWidth = 135;
constexpr int kAxisHeight = 240;
constexpr std::array<int, 10> kAxisTop{3900, 3495, 3105, 2700, 2295, 1905, 1500, 1110, 690, 300};

// Year table cell of column K (1..8) and row i (0..9).
constexpr RectTw yearCell(int k, int i) {
    if (i == 0 && k > 1) {
        return {360 + 420 * (k - 1), 4215, 360, 195};
    }
    return {360 + 420 * (k - 1), 4200 + 270 * i, 360, 210};
}

constexpr RectTw kHappinessLabel{5040, 1950, 510, 285};
constexpr RectTw kHappinessCaption{5640, 1950, 885, 240};
// This year's level, in the free band between the percentage and the date frame.
constexpr RectTw kThisYearLabel{3960, 2250, 3600, 240};

constexpr RectTw kDateFrame{4230, 2520, 3045, 1665};
constexpr RectTw kDayCaption{255, 390, 405, 195};
constexpr RectTw kMonthCaption{165, 780, 495, 195};
constexpr RectTw kYearCaption{390, 1170, 270, 195};
constexpr RectTw kDayList{870, 330, 705, 315};
constexpr RectTw kMonthList{870, 720, 1725, 315};
constexpr RectTw kYearBox{870, 1110, 705, 315};

constexpr RectTw kCalculateButton{4230, 4800, 3045, 495};
constexpr RectTw kPrintButton{4230, 5520, 3045, 495};
constexpr RectTw kSiteLink{4470, 6390, 2625, 240};

QLabel* makeLabel(QWidget* parent, const QString& text, RectTw r, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(r.toPx());
    label->setFont(font);
    label->setMargin(0);
    label->setIndent(0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A caption longer than its box (another language's word) grows to the left,
// so that it still ends where the Russian one ends, next to its input.
void growLeftToFit(QLabel* label) {
    const int overflow = label->fontMetrics().horizontalAdvance(label->text()) - label->width();
    if (overflow > 0) {
        QRect r = label->geometry();
        r.setLeft(std::max(0, r.left() - overflow));
        label->setGeometry(r);
    }
}

// A caption that follows another control (the percentage) cannot move left:
// when another language's word is longer than its box, it grows to the right,
// as far as the window's edge.
void growRightToFit(QLabel* label) {
    // The label's own measure: a bold word's last letter reaches past its advance.
    const int wanted = label->sizeHint().width();
    if (wanted > label->width() && label->parentWidget() != nullptr) {
        const int room = label->parentWidget()->width() - label->x();
        label->resize(std::min(wanted, room), label->height());
    }
}

// Captions and inputs inside the date frame write in the default text colour,
// not in the blue of the frame's caption that they would otherwise inherit.
void setDefaultTextColor(QWidget* w) {
    platform::setForeColor(w, QGuiApplication::palette().color(QPalette::WindowText));
}

// An input's field colour, through the palette: under a style sheet the
// application style made new pictures at every paint of the lists, and the
// memory grew with every calculation.
void setFieldColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Button, color);
    w->setPalette(p);
}

// The client area lies in a scroll area that shows it whole and unmoved;
// only on a screen too small for the window does it scroll (placeOnScreen).
QScrollArea* holderOf(QWidget* surface, QWidget* parent) {
    auto* holder = new QScrollArea(parent);
    holder->setFrameShape(QFrame::NoFrame);
    holder->setFocusPolicy(Qt::NoFocus);
    holder->setWidget(surface);
    surface->setAutoFillBackground(false);  // it paints every pixel itself
    holder->setMinimumSize(surface->size());
    return holder;
}

}  // namespace

FrmMain::FrmMain(platform::Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setWindowTitle(mainWindowTitle(std::nullopt));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    surface_ = new platform::WindowSurface(this);
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setBackColor(kWindowColor);
    surface_->setFixedSize(platform::px(kClientWidthTw), platform::px(kClientHeightTw));
    surface_->setAccessibleName(tr("Кривая жизненных сил"));
    setCentralWidget(clientArea_ = holderOf(surface_, this));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWindowColor);
    setPalette(pal);

    buildGraphArea();
    buildAspectArea();
    buildDateArea();
    buildCommands();
    commands_ = new MainCommands(*this, services_);
    commands_->keepKeysFrom(yearBox_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order of the controls that take the keyboard focus.
    setTabOrder(printButton_, dayList_);
    setTabOrder(dayList_, monthList_);
    setTabOrder(monthList_, yearBox_);
    setTabOrder(yearBox_, calculateButton_);
    // Then the square's digits in their order.
    QWidget* previous = calculateButton_;
    for (int i = 0; i < core::kAspectCount; ++i) {
        setTabOrder(previous, aspectSquare_->digitLabel(i));
        previous = aspectSquare_->digitLabel(i);
    }

    // Enter presses "Расчёт" anywhere, except on the print button, which it presses.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, &FrmMain::pressDefaultButton);
    }

    connect(dayList_, &QComboBox::currentIndexChanged, this, &FrmMain::enablePrinting);
    connect(monthList_, &QComboBox::currentIndexChanged, this, &FrmMain::enablePrinting);
    connect(yearBox_, &QLineEdit::textChanged, this, &FrmMain::enablePrinting);
    // Another date typed or chosen by the user is no longer the client's.
    const auto endClient = [this] { setCurrentClient(std::nullopt); };
    connect(dayList_, &QComboBox::activated, this, endClient);
    connect(monthList_, &QComboBox::activated, this, endClient);
    connect(yearBox_, &QLineEdit::textEdited, this, endClient);
    siteLink_->installEventFilter(this);
    surface_->setMouseTracking(true);
    surface_->installEventFilter(this);

    today_ = [] { return QDate::currentDate(); };
    resetAxisAndPen();
    graph::Maket(*surface_, core::kScreenGridOrigin, graph::gridColor());
    dayList_->setFocus();
}

FrmMain::~FrmMain() = default;

void FrmMain::buildGraphArea() {
    graphFrame_ = new platform::OutlineShape(surface_, platform::OutlineShape::Kind::Rectangle,
                                             kGraphFrame, platform::kFrameBorderColor, 3);
    graphFrame_->setObjectName(QStringLiteral("Shape1"));
    const QFont axisFont = platform::uiFont(Face::MsSansSerif, 9.75, true);
    for (int d = 0; d <= 9; ++d) {
        QLabel* l = makeLabel(surface_, QString::number(d),
                              {kAxisLeft, kAxisTop[d], kAxisWidth, kAxisHeight}, axisFont);
        l->setObjectName(QStringLiteral("OsY%1").arg(d));
        platform::setForeColor(l, graph::axisColor(core::AxisMark::Plain));
        axisLabels_[d] = l;
    }
    const QFont yearFont = platform::uiFont(Face::Arial, 8.25);
    for (int k = 1; k <= 8; ++k) {
        for (int i = 0; i <= 9; ++i) {
            QLabel* l = makeLabel(surface_, QString::number(1899 + k), yearCell(k, i), yearFont);
            l->setObjectName(QStringLiteral("lblYear%1_%2").arg(k).arg(i));
            l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            platform::setForeColor(l, kYearColor);
            l->hide();
            yearTable_[k - 1][i] = l;
        }
    }
    yearMarks_ = std::make_unique<graph::YearMarks>(surface_, yearTable_);
    eventMarks_ = std::make_unique<graph::EventMarks>(surface_, yearTable_);
}

void FrmMain::buildAspectArea() {
    aspectSquare_ = new aspects::AspectSquare(surface_, windowLanguage());
    happinessLabel_ = makeLabel(surface_, QStringLiteral("00%"), kHappinessLabel,
                                platform::uiFont(Face::Arial, 12, true));
    happinessLabel_->setObjectName(QStringLiteral("LblPrc"));
    happinessLabel_->setAccessibleName(tr("Процент счастья"));
    happinessCaption_ = makeLabel(surface_, tr("счастья"), kHappinessCaption,
                                  platform::uiFont(Face::MsSansSerif, 9.75, true));
    happinessCaption_->setObjectName(QStringLiteral("Label4"));
    growRightToFit(happinessCaption_);
    thisYearLabel_ =
        makeLabel(surface_, QString(), kThisYearLabel, platform::uiFont(Face::Arial, 8.25));
    thisYearLabel_->setObjectName(QStringLiteral("LblNow"));
    thisYearLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    platform::setForeColor(thisYearLabel_, graph::curveColor());
    thisYearLabel_->hide();
    connect(aspectSquare_, &aspects::AspectSquare::aspectChosen, this, [this](int digit) {
        services_.help(this, platform::HelpCommand::Context, platform::aspectTopic(digit));
    });
}

void FrmMain::buildDateArea() {
    // The frame and the lists keep their classic look: the caption on the
    // frame's border, the lists solid in their field colour.
    auto* classic = new platform::ClassicControlsStyle;
    classic->setParent(this);

    dateFrame_ = new QGroupBox(tr("Дата рождения"), surface_);
    dateFrame_->setObjectName(QStringLiteral("Frame1"));
    dateFrame_->setStyle(classic);
    dateFrame_->setGeometry(kDateFrame.toPx());
    dateFrame_->setFont(platform::uiFont(Face::Arial, 9, true, true));
    platform::setForeColor(dateFrame_, QColor(0, 0, 255));

    const QFont font = platform::defaultFont();
    dayCaption_ = makeLabel(dateFrame_, tr("День"), kDayCaption, font);
    dayCaption_->setObjectName(QStringLiteral("Label1"));
    monthCaption_ = makeLabel(dateFrame_, tr("Месяц"), kMonthCaption, font);
    monthCaption_->setObjectName(QStringLiteral("Label2"));
    yearCaption_ = makeLabel(dateFrame_, tr("Год"), kYearCaption, font);
    yearCaption_->setObjectName(QStringLiteral("Label3"));
    for (QLabel* caption : {dayCaption_, monthCaption_, yearCaption_}) {
        growLeftToFit(caption);
    }

    // The date is entered as every dialog enters a person's (PersonFields),
    // at the first design's places; the year box starts at the default year.
    core::Person start;
    start.birthDate.year = QString::fromLatin1(core::kDefaultYear);
    dateFields_ = new print::PersonFields(dateFrame_, print::PersonFields::Date, start);
    dayList_ = dateFields_->day();
    dayList_->setObjectName(QStringLiteral("CboDay"));
    monthList_ = dateFields_->month();
    monthList_->setObjectName(QStringLiteral("CboMonth"));
    for (auto [combo, r] : {std::pair{dayList_, kDayList}, std::pair{monthList_, kMonthList}}) {
        combo->setGeometry(r.toPx());
        combo->setFont(font);
        combo->setStyle(classic);
        combo->setMaxVisibleItems(12);
    }
    yearBox_ = dateFields_->year();
    yearBox_->setObjectName(QStringLiteral("TxtYear"));
    yearBox_->setGeometry(kYearBox.toPx());
    yearBox_->setFont(font);
    yearBox_->setAlignment(Qt::AlignCenter);
    for (QWidget* w : std::initializer_list<QWidget*>{dayCaption_, monthCaption_, yearCaption_,
                                                      dayList_, monthList_, yearBox_}) {
        setDefaultTextColor(w);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{dayList_, monthList_, yearBox_}) {
        setFieldColor(w, kInputColor);
    }
}

void FrmMain::buildCommands() {
    const QFont font = platform::uiFont(Face::Verdana, 9.75, true);
    auto makeButton = [&](const QString& text, RectTw r) {
        auto* b = new platform::FaceButton(surface_, text, r, font);
        b->setAutoDefault(false);
        return b;
    };
    calculateButton_ = makeButton(tr("Расчёт"), kCalculateButton);
    calculateButton_->setObjectName(QStringLiteral("CmdPusk"));
    // The window's default button wears the default frame. Outside a dialog
    // the flag only draws the frame; Enter itself is the window's shortcut
    // (pressDefaultButton), which presses the print button while that has
    // the focus, so the frame moves there meanwhile (eventFilter).
    calculateButton_->setDefault(true);
    calculateButton_->setToolTip(
        tr("Расчёт и отображение анализа распределения жизненных сил по годам"));
    printButton_ = makeButton(tr("Печать..."), kPrintButton);
    printButton_->setObjectName(QStringLiteral("CmdPrint"));
    printButton_->setEnabled(false);
    printButton_->installEventFilter(this);
    connect(calculateButton_, &QPushButton::clicked, this,
            [this] { guarded([this] { recalculate(); }); });
    // The button recalculates before it asks for the client; the menu item does not.
    connect(printButton_, &QPushButton::clicked, this,
            [this] { commands_->print(true, print::ReportTarget::Printout, {}); });

    siteLink_ = makeLabel(surface_, QUrl(info::authorSite()).host(), kSiteLink,
                          platform::uiFont(Face::Tahoma, 9.75, true));
    siteLink_->setObjectName(QStringLiteral("LblUrl"));
    siteLink_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    siteLink_->setCursor(Qt::PointingHandCursor);
    siteLink_->setToolTip(tr("Посетить сайт автора"));
    platform::setForeColor(siteLink_, kLinkColor);
}

void FrmMain::setLinkHovered(bool hovered) {
    if (siteLink_->font().underline() == hovered) {
        return;
    }
    platform::setForeColor(siteLink_, hovered ? kLinkHoverColor : kLinkColor);
    QFont f = siteLink_->font();
    f.setUnderline(hovered);
    siteLink_->setFont(f);
}

}  // namespace ui
