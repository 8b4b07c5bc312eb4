#include "ui/frm_about.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "core/program_info.h"
#include "platform/fonts.h"
#include "platform/media_player.h"
#include "platform/services.h"
#include "platform/shapes.h"
#include "platform/units.h"
#include "ui/pictures.h"

namespace ui {

namespace {

using platform::Face;
using platform::RectTw;

// The window's layout in twips, left, top, width, height.
constexpr int kClientWidth = 4650;
constexpr int kClientHeight = 5025;
constexpr QColor kBackColour(192, 192, 143);

constexpr RectTw kShape1{90, 120, 4485, 705};
constexpr QColor kShape1Fill(192, 192, 192);
constexpr QColor kShape1Border(0, 128, 0);
constexpr int kShape1BorderPx = 2;

constexpr RectTw kImage1{240, 210, 480, 480};

constexpr QPoint kLine1From(270, 1320);
constexpr QPoint kLine1To(4380, 1320);
constexpr QColor kLine1Colour(128, 128, 0);

constexpr RectTw kShape2{90, 1950, 4485, 2145};
constexpr QColor kShape2Border(255, 255, 192);

// The frame clips the text, which starts just below the frame's visible height
// and so scrolls in from the bottom.
constexpr RectTw kFrame1{150, 2040, 4335, 1965};
constexpr RectTw kTxtInfo{0, 1950, 4245, 4095};
constexpr QColor kTxtInfoColour(64, 64, 0);

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

constexpr LabelLook kLabel1{"Label1", {1080, 270, 2985, 345}, Face::Verdana,
                            14.25,    {0, 80, 144},           true};
constexpr QColor kLabel1Back(192, 192, 192);
constexpr LabelLook kLabel2{"Label2", {1793, 1020, 1065, 240}, Face::Arial, 9.75, {0, 0, 192},
                            true};
constexpr LabelLook kLabel3{"Label3", {810, 1440, 3030, 225}, Face::Arial, 9, {192, 0, 0}, false};
constexpr LabelLook kLabel4{"Label4", {533, 4440, 3585, 225}, Face::MsSansSerif,
                            8.25,     {32, 80, 176},          false};

// The scroll: 10 twips up every 100 ms; once the text has gone past the top
// it is put back below the frame and the window closes.
constexpr int kTimer1IntervalMs = 100;
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
      txtInfoTopTw_(kTxtInfo.top) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(info::programName());
    setModal(true);
    setFixedSize(platform::px(kClientWidth), platform::px(kClientHeight));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackColour);
    setPalette(pal);
    setAutoFillBackground(true);

    // Created in stacking order: each control lies above the ones before it.
    auto* shape1 = new platform::OutlineShape(this, platform::OutlineShape::Kind::RoundedRectangle,
                                              kShape1, kShape1Border, kShape1BorderPx, kShape1Fill);
    shape1->setObjectName(QStringLiteral("Shape1"));

    label1_ = makeLabel(this, kLabel1, info::programName());
    setColours(label1_, kLabel1.text, &kLabel1Back);

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(kImage1.toPx());
    image1_->setScaledContents(true);
    image1_->setPixmap(QPixmap::fromImage(programPicture()));

    label2_ = makeLabel(this, kLabel2, QStringLiteral("Версия ") + info::version());

    auto* line1 = new platform::LineControl(this, kLine1From, kLine1To, kLine1Colour, 1);
    line1->setObjectName(QStringLiteral("Line1"));

    label3_ = makeLabel(this, kLabel3, info::yearAndAuthor());

    auto* shape2 = new platform::OutlineShape(this, platform::OutlineShape::Kind::Rectangle,
                                              kShape2, kShape2Border, 1);
    shape2->setObjectName(QStringLiteral("Shape2"));

    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::NoFrame);
    frame1_->setGeometry(kFrame1.toPx());

    txtInfo_ = new QLabel(infoText(), frame1_);
    txtInfo_->setObjectName(QStringLiteral("TxtInfo"));
    txtInfo_->setTextFormat(Qt::PlainText);
    txtInfo_->setWordWrap(true);
    txtInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont infoFont = platform::defaultFont();
    infoFont.setBold(true);
    txtInfo_->setFont(infoFont);
    setColours(txtInfo_, kTxtInfoColour);
    placeTxtInfo();

    label4_ = makeLabel(this, kLabel4, info::programPage());
    label4_->setCursor(Qt::PointingHandCursor);

    for (QWidget* w : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(image1_),
                       static_cast<QWidget*>(label2_), static_cast<QWidget*>(label3_),
                       static_cast<QWidget*>(frame1_), static_cast<QWidget*>(txtInfo_),
                       static_cast<QWidget*>(label4_)}) {
        w->installEventFilter(this);
    }

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kTimer1IntervalMs);
    connect(timer1_, &QTimer::timeout, this, &FrmAbout::tick);
    timer1_->start();

    // The tune is a nicety: the player stays silent when there is no sound
    // device or no playable file, and the window goes on regardless.
    media_.play(mediaFile(platform::programDirectory()));
}

FrmAbout::~FrmAbout() {
    media_.stop();
}

QString FrmAbout::mediaFile(const QString& directory) {
    return QDir(directory).filePath(QString::fromLatin1(kMediaFileName));
}

QString FrmAbout::infoText() {
    return QStringLiteral(
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
    txtInfoTopTw_ -= kScrollStepTw;
    if (txtInfoTopTw_ < kScrollEndTw) {
        txtInfoTopTw_ = kScrollRestartTw;
        placeTxtInfo();
        reject();
        return;
    }
    placeTxtInfo();
}

void FrmAbout::placeTxtInfo() {
    txtInfo_->setGeometry(
        RectTw{kTxtInfo.left, txtInfoTopTw_, kTxtInfo.width, kTxtInfo.height}.toPx());
}

void FrmAbout::done(int result) {
    timer1_->stop();
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
        if (watched == frame1_ || watched == label1_) {
            reject();
        } else if (watched == label4_) {
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
