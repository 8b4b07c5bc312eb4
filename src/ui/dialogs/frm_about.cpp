#include "ui/dialogs/frm_about.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "core/program_info.h"
#include "core/report_language.h"
#include "platform/fonts.h"
#include "platform/media_player.h"
#include "platform/services.h"
#include "platform/shapes.h"
#include "platform/units.h"
#include "ui/main_window/pictures.h"
#include "ui/window_language.h"

namespace ui {

namespace {

using platform::Face;
using platform::RectTw;

// The window's layout in twips, left, top, width, height.
constexpr int kClientWidth = 4650;
constexpr int kClientHeight = 5025;
constexpr QColor kBackColour(192, 192, 143);

constexpr RectTw kTitleBand{90, 120, 4485, 705};
constexpr QColor kTitleBandFill(192, 192, 192);
constexpr QColor kTitleBandBorder(0, 128, 0);
constexpr int kTitleBandBorderPx = 2;

constexpr RectTw kPicture{240, 210, 480, 480};

constexpr QPoint kRuleFrom(270, 1320);
constexpr QPoint kRuleTo(4380, 1320);
constexpr QColor kRuleColour(128, 128, 0);

constexpr RectTw kInfoBorder{90, 1950, 4485, 2145};
constexpr QColor kInfoBorderColour(255, 255, 192);

// The frame clips the text, which starts just below the frame's visible height
// and so scrolls in from the bottom.
constexpr RectTw kInfoFrame{150, 2040, 4335, 1965};
constexpr RectTw kInfoText{0, 1950, 4245, 4095};
constexpr QColor kInfoTextColour(64, 64, 0);

// The title and the version are centred in their boxes; the author's line and
// the link start at the left edge of theirs.
struct LabelLook {
    const char* name;
    RectTw geometry;
    Face face;
    double points;
    QColor text;
    bool centred;
};

constexpr LabelLook kTitle{"Label1", {1080, 270, 2985, 345}, Face::Verdana,
                           14.25,    {0, 80, 144},           true};
constexpr QColor kTitleBack(192, 192, 192);
constexpr LabelLook kVersion{"Label2", {1793, 1020, 1065, 240}, Face::Arial, 9.75, {0, 0, 192},
                             true};
constexpr LabelLook kAuthor{"Label3", {810, 1440, 3030, 225}, Face::Arial, 9, {192, 0, 0}, false};
constexpr LabelLook kPageLink{"Label4", {533, 4440, 3585, 225}, Face::MsSansSerif,
                              8.25,     {32, 80, 176},          false};

// The scroll: 10 twips up every 100 ms; once the text has gone past the top
// it is put back below the frame and the window closes.
constexpr int kScrollIntervalMs = 100;
constexpr int kScrollStepTw = 10;
constexpr int kScrollEndTw = -4100;
constexpr int kScrollRestartTw = 2000;

constexpr const char* kMediaFileName = "001.dat";

void setColours(QWidget* w, const QColor& text, const QColor* back = nullptr) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, text);
    if (back != nullptr) {
        pal.setColor(QPalette::Window, *back);
        w->setAutoFillBackground(true);
    }
    w->setPalette(pal);
}

QLabel* makeLabel(QWidget* parent, const LabelLook& look, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(look.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(look.geometry.toPx());
    label->setFont(platform::uiFont(look.face, look.points, true));
    label->setAlignment((look.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    setColours(label, look.text);
    return label;
}

}  // namespace

FrmAbout::FrmAbout(platform::Services& services, platform::MediaPlayer& media, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      services_(services),
      media_(media),
      infoTopTw_(kInfoText.top) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(info::programName());
    setModal(true);
    setFixedSize(platform::px(kClientWidth), platform::px(kClientHeight));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackColour);
    setPalette(pal);
    setAutoFillBackground(true);

    // Created in stacking order: each control lies above the ones before it.
    buildHeading();
    buildInfo();
    for (QWidget* w : {static_cast<QWidget*>(title_), static_cast<QWidget*>(picture_),
                       static_cast<QWidget*>(version_), static_cast<QWidget*>(author_),
                       static_cast<QWidget*>(infoFrame_), static_cast<QWidget*>(infoText_),
                       static_cast<QWidget*>(pageLink_)}) {
        w->installEventFilter(this);
    }

    scrollTimer_ = new QTimer(this);
    scrollTimer_->setObjectName(QStringLiteral("Timer1"));
    scrollTimer_->setInterval(kScrollIntervalMs);
    connect(scrollTimer_, &QTimer::timeout, this, &FrmAbout::tick);
    scrollTimer_->start();

    // The tune is a nicety: the player stays silent when there is no sound
    // device or no playable file, and the window goes on regardless.
    media_.play(mediaFile(platform::programDirectory()));
}

// The title in its band, the picture, the version, a rule and the author.
void FrmAbout::buildHeading() {
    auto* titleBand =
        new platform::OutlineShape(this, platform::OutlineShape::Kind::RoundedRectangle, kTitleBand,
                                   kTitleBandBorder, kTitleBandBorderPx, kTitleBandFill);
    titleBand->setObjectName(QStringLiteral("Shape1"));

    title_ = makeLabel(this, kTitle, info::programName());
    setColours(title_, kTitle.text, &kTitleBack);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(kPicture.toPx());
    picture_->setScaledContents(true);
    picture_->setPixmap(QPixmap::fromImage(programPicture()));

    version_ = makeLabel(this, kVersion, tr("Версия %1").arg(info::version()));

    auto* rule = new platform::LineControl(this, kRuleFrom, kRuleTo, kRuleColour, 1);
    rule->setObjectName(QStringLiteral("Line1"));

    author_ = makeLabel(this, kAuthor,
                        core::pageCaption(ui::windowLanguage(), core::PageCaption::YearAndAuthor));
}

// The framed text that scrolls and the link to the program's page under it.
void FrmAbout::buildInfo() {
    auto* infoBorder = new platform::OutlineShape(this, platform::OutlineShape::Kind::Rectangle,
                                                  kInfoBorder, kInfoBorderColour, 1);
    infoBorder->setObjectName(QStringLiteral("Shape2"));

    infoFrame_ = new QFrame(this);
    infoFrame_->setObjectName(QStringLiteral("Frame1"));
    infoFrame_->setFrameShape(QFrame::NoFrame);
    infoFrame_->setGeometry(kInfoFrame.toPx());

    infoText_ = new QLabel(infoText(), infoFrame_);
    infoText_->setObjectName(QStringLiteral("TxtInfo"));
    infoText_->setTextFormat(Qt::PlainText);
    infoText_->setWordWrap(true);
    infoText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont infoFont = platform::defaultFont();
    infoFont.setBold(true);
    infoText_->setFont(infoFont);
    setColours(infoText_, kInfoTextColour);
    placeInfoText();

    pageLink_ = makeLabel(this, kPageLink, info::programPage());
    pageLink_->setCursor(Qt::PointingHandCursor);
}

FrmAbout::~FrmAbout() {
    media_.stop();
}

QString FrmAbout::mediaFile(const QString& directory) {
    return QDir(directory).filePath(QString::fromLatin1(kMediaFileName));
}

QString FrmAbout::infoText() {
    return tr(
        "Программа «Zemtar - Прогноз» создана для того, чтобы по дате рождения "
        "заглянуть в будущее конкретного человека.\n"
        "\n"
        "Замысел этой программы вынашивался долго.\n"
        "\n"
        "Программа бесплатна, хотя за расчёты по той же методике другие берут "
        "немалые деньги.\n"
        "\n"
        "Все алгоритмы программы, и построение графика, и коррекция дат по числу "
        "элементов на оси X графика, разработаны мной самостоятельно.\n"
        "\n"
        "Автор.");
}

void FrmAbout::tick() {
    infoTopTw_ -= kScrollStepTw;
    if (infoTopTw_ < kScrollEndTw) {
        infoTopTw_ = kScrollRestartTw;
        placeInfoText();
        reject();
        return;
    }
    placeInfoText();
}

void FrmAbout::placeInfoText() {
    infoText_->setGeometry(
        RectTw{kInfoText.left, infoTopTw_, kInfoText.width, kInfoText.height}.toPx());
}

void FrmAbout::done(int result) {
    scrollTimer_->stop();
    media_.stop();
    QDialog::done(result);
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return QDialog::eventFilter(watched, event);
    }
    // Every control answers its own clicks, so none reaches the window beneath:
    // only the frame and the title close the window, and the link opens the page.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    const bool click = type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
                       widget->rect().contains(mouse->position().toPoint());
    if (click) {
        if (watched == infoFrame_ || watched == title_) {
            reject();
        } else if (watched == pageLink_) {
            services_.openAddress(info::programPage());
        }
    }
    return true;
}

void FrmAbout::showEvent(QShowEvent* event) {
    // QDialog places a dialog by guessing the window frame it will get; this
    // one has none, so centre it by hand over the owner's window, or the screen.
    const QRect over = parentWidget() != nullptr ? parentWidget()->window()->frameGeometry()
                                                 : screen()->availableGeometry();
    move(over.center() - rect().center());
    QDialog::showEvent(event);
}

void FrmAbout::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void FrmAbout::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        reject();
    }
}

}  // namespace ui
