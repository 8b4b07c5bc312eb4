#include "ui/frm_main.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "aspects/aspect_square.h"
#include "core/forecast_text.h"
#include "core/numeric.h"
#include "core/program_info.h"
#include "graph/grid.h"
#include "graph/year_table.h"
#include "platform/classic_style.h"
#include "platform/controls.h"
#include "platform/face_button.h"
#include "platform/fonts.h"
#include "platform/help_viewer.h"
#include "platform/page_output.h"
#include "platform/services.h"
#include "platform/shapes.h"
#include "platform/units.h"
#include "platform/window_surface.h"
#include "print/emblem.h"
#include "print/print_job.h"
#include "ui/frm_about.h"
#include "ui/pictures.h"

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

constexpr RectTw kShape1{120, 180, 3705, 6855};

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

constexpr RectTw kLblPrc{5040, 1950, 510, 285};
constexpr RectTw kLabel4{5640, 1950, 885, 240};
// This year's level, in the free band between the percentage and the date frame.
constexpr RectTw kLblNow{3960, 2250, 3600, 240};

constexpr RectTw kFrame1{4230, 2520, 3045, 1665};
constexpr RectTw kLabel1{255, 390, 405, 195};
constexpr RectTw kLabel2{165, 780, 495, 195};
constexpr RectTw kLabel3{390, 1170, 270, 195};
constexpr RectTw kCboDay{870, 330, 705, 315};
constexpr RectTw kCboMonth{870, 720, 1725, 315};
constexpr RectTw kTxtYear{870, 1110, 705, 315};

constexpr RectTw kCmdPusk{4230, 4800, 3045, 495};
constexpr RectTw kCmdPrint{4230, 5520, 3045, 495};
constexpr RectTw kLblUrl{4470, 6390, 2625, 240};
constexpr RectTw kImage1{3990, 660, 705, 705};

// The year box's text at start, and what an out-of-range year turns back into.
const QString kDefaultYear = QString::fromLatin1(core::kDefaultYear);

QLabel* makeLabel(QWidget* parent, const QString& text, RectTw r, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(r.toPx());
    label->setFont(font);
    label->setMargin(0);
    label->setIndent(0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
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

const QString kMarkYearKey = QStringLiteral("markThisYear");

// Ctrl+C in the year box would copy the two digits it selects on every visit;
// once there is a forecast, the window's «Копировать» has the key instead.
// The year box would take some of the window's keys for itself (Ctrl+C to copy
// its selection, Ctrl+K to delete to the end of the line); while the window's
// command for the key is available, the key goes to the command.
class KeysGoToTheWindow : public QObject {
public:
    KeysGoToTheWindow(QObject* parent, std::vector<const QAction*> actions)
        : QObject(parent), actions_(std::move(actions)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            for (const QAction* action : actions_) {
                if (action->isEnabled() && action->isVisible() && action->shortcut() == pressed) {
                    return true;  // not taken by the box, so the shortcut runs
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<const QAction*> actions_;
};

QString askImageFileName(QWidget* parent, const QString& suggestedPath) {
    return print::askSaveFileName(parent, QStringLiteral("Сохранить изображение окна"),
                                  QStringLiteral("Изображение PNG (*.png)"), QStringLiteral("png"),
                                  suggestedPath);
}

}  // namespace

FrmMain::FrmMain(platform::Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setWindowTitle(info::windowTitle());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    surface_ = new platform::WindowSurface(this);
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setBackColor(kWindowColor);
    surface_->setFixedSize(platform::px(kClientWidthTw), platform::px(kClientHeightTw));
    surface_->setAccessibleName(QStringLiteral("Кривая жизненных сил"));
    setCentralWidget(surface_);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWindowColor);
    setPalette(pal);

    buildGraphArea();
    buildAspectArea();
    buildDateArea();
    buildCommands();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order of the controls that take the keyboard focus.
    setTabOrder(CmdPrint, CboDay);
    setTabOrder(CboDay, CboMonth);
    setTabOrder(CboMonth, TxtYear);
    setTabOrder(TxtYear, CmdPusk);
    // Then the square's digits in their order.
    QWidget* previous = CmdPusk;
    for (int i = 0; i < core::kAspectCount; ++i) {
        setTabOrder(previous, Frame2->LblDat(i));
        previous = Frame2->LblDat(i);
    }

    // Enter presses "Расчёт" anywhere, except on the print button, which it presses.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, &FrmMain::pressDefaultButton);
    }

    connect(CboDay, &QComboBox::currentIndexChanged, this, &FrmMain::PrInf);
    connect(CboMonth, &QComboBox::currentIndexChanged, this, &FrmMain::PrInf);
    connect(TxtYear, &QLineEdit::textChanged, this, &FrmMain::checkYear);
    TxtYear->installEventFilter(this);
    LblUrl->installEventFilter(this);
    surface_->setMouseTracking(true);
    surface_->installEventFilter(this);

    today_ = [] { return QDate::currentDate(); };
    askImageFile_ = askImageFileName;
    mpMarkYear->setChecked(platform::userSettings().value(kMarkYearKey, true).toBool());
    FillEnv();
    Init();
    graph::Maket(*surface_, core::kScreenGridOrigin, graph::gridColor());
    CboDay->setFocus();
}

FrmMain::~FrmMain() = default;

void FrmMain::buildGraphArea() {
    Shape1 = new platform::OutlineShape(surface_, platform::OutlineShape::Kind::Rectangle, kShape1,
                                        platform::kFrameBorderColor, 3);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    const QFont axisFont = platform::uiFont(Face::MsSansSerif, 9.75, true);
    for (int d = 0; d <= 9; ++d) {
        QLabel* l = makeLabel(surface_, QString::number(d),
                              {kAxisLeft, kAxisTop[d], kAxisWidth, kAxisHeight}, axisFont);
        l->setObjectName(QStringLiteral("OsY%1").arg(d));
        platform::setForeColor(l, graph::axisColor(core::AxisMark::Plain));
        OsY[d] = l;
    }
    const QFont yearFont = platform::uiFont(Face::Arial, 8.25);
    for (int k = 1; k <= 8; ++k) {
        for (int i = 0; i <= 9; ++i) {
            QLabel* l = makeLabel(surface_, QString::number(1899 + k), yearCell(k, i), yearFont);
            l->setObjectName(QStringLiteral("lblYear%1_%2").arg(k).arg(i));
            l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            platform::setForeColor(l, kYearColor);
            l->hide();
            lblYear[k - 1][i] = l;
        }
    }
    yearMarks_ = std::make_unique<graph::YearMarks>(surface_, lblYear);
}

void FrmMain::buildAspectArea() {
    Frame2 = new aspects::AspectSquare(surface_);
    LblPrc = makeLabel(surface_, QStringLiteral("00%"), kLblPrc,
                       platform::uiFont(Face::Arial, 12, true));
    LblPrc->setObjectName(QStringLiteral("LblPrc"));
    LblPrc->setAccessibleName(QStringLiteral("Процент счастья"));
    Label4 = makeLabel(surface_, QStringLiteral("счастья"), kLabel4,
                       platform::uiFont(Face::MsSansSerif, 9.75, true));
    LblNow = makeLabel(surface_, QString(), kLblNow, platform::uiFont(Face::Arial, 8.25));
    LblNow->setObjectName(QStringLiteral("LblNow"));
    LblNow->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    platform::setForeColor(LblNow, graph::curveColor());
    LblNow->hide();
    connect(Frame2, &aspects::AspectSquare::aspectChosen, this, [this](int digit) {
        services_.help(this, platform::HelpCommand::Context, platform::aspectTopic(digit));
    });
}

void FrmMain::buildDateArea() {
    // The frame and the lists keep their classic look: the caption on the
    // frame's border, the lists solid in their field colour.
    auto* classic = new platform::ClassicControlsStyle;
    classic->setParent(this);

    Frame1 = new QGroupBox(QStringLiteral("Дата рождения"), surface_);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setStyle(classic);
    Frame1->setGeometry(kFrame1.toPx());
    Frame1->setFont(platform::uiFont(Face::Arial, 9, true, true));
    platform::setForeColor(Frame1, QColor(0, 0, 255));

    const QFont font = platform::defaultFont();
    Label1 = makeLabel(Frame1, QStringLiteral("День"), kLabel1, font);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = makeLabel(Frame1, QStringLiteral("Месяц"), kLabel2, font);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = makeLabel(Frame1, QStringLiteral("Год"), kLabel3, font);
    Label3->setObjectName(QStringLiteral("Label3"));

    CboDay = new QComboBox(Frame1);
    CboDay->setObjectName(QStringLiteral("CboDay"));
    CboDay->setAccessibleName(QStringLiteral("День рождения"));
    CboMonth = new QComboBox(Frame1);
    CboMonth->setObjectName(QStringLiteral("CboMonth"));
    CboMonth->setAccessibleName(QStringLiteral("Месяц рождения"));
    for (auto [combo, r] : {std::pair{CboDay, kCboDay}, std::pair{CboMonth, kCboMonth}}) {
        combo->setGeometry(r.toPx());
        combo->setFont(font);
        combo->setStyle(classic);
        combo->setMaxVisibleItems(12);
    }
    TxtYear = new QLineEdit(kDefaultYear, Frame1);
    TxtYear->setObjectName(QStringLiteral("TxtYear"));
    TxtYear->setAccessibleName(QStringLiteral("Год рождения"));
    TxtYear->setGeometry(kTxtYear.toPx());
    TxtYear->setFont(font);
    TxtYear->setAlignment(Qt::AlignCenter);
    TxtYear->setMaxLength(4);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label1, Label2, Label3, CboDay, CboMonth, TxtYear}) {
        setDefaultTextColor(w);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{CboDay, CboMonth, TxtYear}) {
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
    CmdPusk = makeButton(QStringLiteral("Расчёт"), kCmdPusk);
    CmdPusk->setObjectName(QStringLiteral("CmdPusk"));
    // The window's default button wears the default frame. Outside a dialog
    // the flag only draws the frame; Enter itself is the window's shortcut
    // (pressDefaultButton), which presses the print button while that has
    // the focus, so the frame moves there meanwhile (eventFilter).
    CmdPusk->setDefault(true);
    CmdPusk->setToolTip(
        QStringLiteral("Расчёт и отображение анализа распределения жизненных сил по годам"));
    CmdPrint = makeButton(QStringLiteral("Печать..."), kCmdPrint);
    CmdPrint->setObjectName(QStringLiteral("CmdPrint"));
    CmdPrint->setEnabled(false);
    CmdPrint->installEventFilter(this);
    connect(CmdPusk, &QPushButton::clicked, this, [this] { guarded([this] { Main(); }); });
    // The button recalculates before it asks for the client; the menu item does not.
    connect(CmdPrint, &QPushButton::clicked, this, [this] { print(true); });

    LblUrl = makeLabel(surface_, QUrl(info::authorSite()).host(), kLblUrl,
                       platform::uiFont(Face::Tahoma, 9.75, true));
    LblUrl->setObjectName(QStringLiteral("LblUrl"));
    LblUrl->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LblUrl->setCursor(Qt::PointingHandCursor);
    LblUrl->setToolTip(QStringLiteral("Посетить сайт автора"));
    platform::setForeColor(LblUrl, kLinkColor);

    Image1 = new QLabel(surface_);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kImage1.toPx());
    Image1->setPixmap(QPixmap::fromImage(print::makeEmblem()));
    Image1->hide();
}

void FrmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    mFile = bar->addMenu(QStringLiteral("&Файл"));
    mpPrint = mFile->addAction(QStringLiteral("&Печать"));
    mpPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mpPrint->setEnabled(false);
    mpPreview = mFile->addAction(QStringLiteral("Предварительный про&смотр…"));
    mpPreview->setEnabled(false);
    mpSavePdf = mFile->addAction(QStringLiteral("Сохранить &отчёт в PDF…"));
    mpSavePdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mpSavePdf->setEnabled(false);
    mpSaveImage = mFile->addAction(QStringLiteral("Сохранить &изображение…"));
    mpSaveImage->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mpSaveImage->setEnabled(false);
    mFile->addSeparator();
    // Shown when the program keeps a client book (setClientBook).
    mpBook = mFile->addAction(QStringLiteral("&Картотека клиентов…"));
    mpBook->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    mpBook->setVisible(false);
    mFile->addSeparator();
    mpExit = mFile->addAction(QStringLiteral("В&ыход"));
    mpExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mEdit = bar->addMenu(QStringLiteral("&Правка"));
    mpCopy = mEdit->addAction(QStringLiteral("&Копировать"));
    mpCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mpCopy->setEnabled(false);

    mProg = bar->addMenu(QStringLiteral("Пр&огноз"));
    mpRash = mProg->addAction(QStringLiteral("Р&асчёт"));
    mpRash->setShortcut(QKeySequence(Qt::Key_F9));
    mpDay = mProg->addAction(QStringLiteral("На сегодн&яшний день"));
    mProg->addSeparator();
    mpMarkYear = mProg->addAction(QStringLiteral("Отмечать &текущий год"));
    mpMarkYear->setCheckable(true);
    mpMarkYear->setChecked(true);

    mHelp = bar->addMenu(QStringLiteral("&Справка"));
    mpCont = mHelp->addAction(QStringLiteral("Сод&ержание"));
    mpCont->setShortcut(QKeySequence(Qt::Key_F1));
    mHelp->addSeparator();
    mpAbout = mHelp->addAction(QStringLiteral("&О программе"));
    // Names by which tests and accessibility tools find the commands.
    mFile->setObjectName(QStringLiteral("mFile"));
    mEdit->setObjectName(QStringLiteral("mEdit"));
    mProg->setObjectName(QStringLiteral("mProg"));
    mHelp->setObjectName(QStringLiteral("mHelp"));
    for (auto [action, name] :
         {std::pair{mpPrint, "mpPrint"}, std::pair{mpPreview, "mpPreview"},
          std::pair{mpSavePdf, "mpSavePdf"}, std::pair{mpSaveImage, "mpSaveImage"},
          std::pair{mpBook, "mpBook"}, std::pair{mpExit, "mpExit"}, std::pair{mpCopy, "mpCopy"},
          std::pair{mpRash, "mpRash"}, std::pair{mpDay, "mpDay"},
          std::pair{mpMarkYear, "mpMarkYear"}, std::pair{mpCont, "mpCont"},
          std::pair{mpAbout, "mpAbout"}}) {
        action->setObjectName(QLatin1String(name));
    }

    connect(mpPrint, &QAction::triggered, this, [this] { print(false); });
    connect(mpPreview, &QAction::triggered, this,
            [this] { print(false, print::ReportTarget::Preview); });
    connect(mpSavePdf, &QAction::triggered, this,
            [this] { print(false, print::ReportTarget::PdfFile); });
    connect(mpSaveImage, &QAction::triggered, this, &FrmMain::saveImage);
    connect(mpBook, &QAction::triggered, this, [this] {
        if (book_.open) {
            book_.open();
        }
    });
    connect(mpCopy, &QAction::triggered, this, &FrmMain::copyForecast);
    TxtYear->installEventFilter(new KeysGoToTheWindow(this, {mpCopy, mpBook}));
    // Only the user's own choice is remembered, never one made by a program
    // that drives the window (setMarkThisYear).
    connect(mpMarkYear, &QAction::triggered, this, [this](bool on) {
        platform::userSettings().setValue(kMarkYearKey, on);
        showYearMark();
    });
    connect(mpRash, &QAction::triggered, this, [this] { guarded([this] { Main(); }); });
    connect(mpDay, &QAction::triggered, this, [this] { guarded([this] { RashNow(); }); });
    connect(mpAbout, &QAction::triggered, this,
            [this] { FrmAbout(services_, *media_, this).exec(); });
    connect(mpCont, &QAction::triggered, this,
            [this] { services_.help(this, platform::HelpCommand::Contents); });
    // Exit ends the program at once, without the closing handler.
    connect(mpExit, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
}

void FrmMain::print(bool recalculateFirst, print::ReportTarget target,
                    const print::ClientNames& client) {
    guarded([this, recalculateFirst, target, &client] {
        if (recalculateFirst) {
            Main();
        }
        print::showPrintDialog(
            this, [this] { return forecastForReport(); }, services_, printSetup_, target, client,
            [this](const print::ClientNames& names) { rememberClient(names); });
    });
}

void FrmMain::setClientBook(ClientBookHooks hooks) {
    book_ = std::move(hooks);
    mpBook->setVisible(static_cast<bool>(book_.open));
}

void FrmMain::printFor(int day, int month, const QString& year, const print::ClientNames& client) {
    enterDate(day, month, year);
    if (CmdPrint->isEnabled()) {
        print(true, print::ReportTarget::Printout, client);
    }
}

// A printout with «Запомнить в картотеке» checked goes into the client book
// for the date it was made for; a book that cannot take it says why, and the
// printout stands.
void FrmMain::rememberClient(const print::ClientNames& client) {
    if (!book_.record || !forecast_) {
        return;
    }
    QString error;
    if (!book_.record(client, forecast_->date, &error)) {
        services_.message(
            this, {error, QStringLiteral("Картотека клиентов"), platform::MessageIcon::Warning, 0});
    }
}

void FrmMain::setMarkThisYear(bool on) {
    mpMarkYear->setChecked(on);
    showYearMark();
}

// This year in the table and on the curve, with its level under the
// percentage; nothing at all when the marking is off or the table does not
// show this year.
void FrmMain::showYearMark() {
    yearMarks_->clear();
    LblNow->hide();
    shownMark_.reset();
    if (!forecast_ || !mpMarkYear->isChecked()) {
        return;
    }
    const core::YearMark mark = core::markYear(*forecast_, today_().year());
    if (!mark.inTable()) {
        return;
    }
    yearMarks_->show(*forecast_, mark, core::kScreenGridOrigin);
    LblNow->setText(core::yearMarkText(mark));
    LblNow->show();
    shownMark_ = mark;
}

// The picture and the text are of the forecast on the screen, so they wait
// for a calculation.
void FrmMain::enableForecastCommands() {
    mpCopy->setEnabled(forecast_.has_value());
    mpSaveImage->setEnabled(forecast_.has_value());
}

QImage FrmMain::clientAreaPicture() const {
    return surface_->grab().toImage();
}

// The picture of the window and the forecast as the companion writes it, in
// one clipboard entry: an editor takes the text, a picture program the image.
void FrmMain::copyForecast() {
    if (!forecast_) {
        return;
    }
    auto* mime = new QMimeData;
    mime->setImageData(clientAreaPicture());
    mime->setText(core::toText(*forecast_, shownMark_ ? &*shownMark_ : nullptr));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void FrmMain::saveImage() {
    if (!forecast_) {
        return;
    }
    const QString suggested =
        QDir(print::documentsFolder())
            .filePath(QStringLiteral("Прогноз - %1.png").arg(forecast_->dateText()));
    const QString path = askImageFile_ ? askImageFile_(this, suggested) : QString();
    if (path.isEmpty()) {
        return;
    }
    const QString error = platform::writeImage(clientAreaPicture(), path);
    if (!error.isEmpty()) {
        services_.message(this, {error, info::programName(), platform::MessageIcon::Critical, 0});
    }
}

// The report is made from what is entered when "Печать" is pressed in the
// client dialog, so the window calculates once more and shows what it prints.
core::Forecast FrmMain::forecastForReport() {
    Main();
    if (!forecast_) {
        throw core::InputRefused();
    }
    return *forecast_;
}

void FrmMain::enterDate(int day, int month, const QString& year) {
    CboDay->setCurrentIndex(day - 1);
    CboMonth->setCurrentIndex(month - 1);
    TxtYear->setText(year);
}

void FrmMain::calculate() {
    CmdPusk->click();
}

void FrmMain::PrInf() {
    const bool complete = !CboDay->currentText().isEmpty() && !CboMonth->currentText().isEmpty() &&
                          !TxtYear->text().isEmpty();
    CmdPrint->setEnabled(complete);
    mpPrint->setEnabled(complete);
    mpPreview->setEnabled(complete);
    mpSavePdf->setEnabled(complete);
}

void FrmMain::checkYear() {
    // An out-of-range number is put back to the default year; text that is
    // not a number is left for the calculation to refuse.
    if (core::yearBoxReplaces(TxtYear->text())) {
        TxtYear->setText(kDefaultYear);
    }
    PrInf();
}

void FrmMain::selectYear() {
    const int length = static_cast<int>(TxtYear->text().size());
    TxtYear->setSelection(std::min(2, length), length);
}

void FrmMain::RashNow() {
    const QDate today = today_();
    CboDay->setCurrentIndex(today.day() - 1);
    CboMonth->setCurrentIndex(today.month() - 1);
    TxtYear->setText(QString::number(today.year()));
    Main();
}

void FrmMain::setLinkHovered(bool hovered) {
    if (LblUrl->font().underline() == hovered) {
        return;
    }
    platform::setForeColor(LblUrl, hovered ? kLinkHoverColor : kLinkColor);
    QFont f = LblUrl->font();
    f.setUnderline(hovered);
    LblUrl->setFont(f);
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TxtYear) {
        // The selection is set after the line edit has placed its cursor.
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, this, &FrmMain::selectYear);
        }
    } else if (watched == LblUrl) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
            setLinkHovered(true);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // A left click let go over the link opens it; another button, or
            // a press dragged off the link, does nothing.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                LblUrl->rect().contains(mouse->position().toPoint())) {
                services_.openAddress(info::authorSite());
            }
        }
    } else if (watched == surface_ && event->type() == QEvent::MouseMove) {
        setLinkHovered(false);
    } else if (watched == CmdPrint &&
               (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        const bool printFocused = event->type() == QEvent::FocusIn;
        CmdPrint->setDefault(printFocused);
        CmdPusk->setDefault(!printFocused);
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::closeEvent(QCloseEvent* event) {
    // A help window opened from the program closes with it.
    services_.help(this, platform::HelpCommand::Quit);
    QMainWindow::closeEvent(event);
}

void FrmMain::FillEnv() {
    for (int i = 1; i <= 31; ++i) {
        CboDay->insertItem(i - 1, QString::number(i));
    }
    for (int m = 0; m < 12; ++m) {
        CboMonth->insertItem(m, core::monthName(m));
    }
    CboDay->setCurrentIndex(-1);
    CboMonth->setCurrentIndex(-1);
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
}

void FrmMain::pressDefaultButton() {
    if (focusWidget() == CmdPrint) {
        if (CmdPrint->isEnabled()) {
            CmdPrint->click();
        }
        return;
    }
    CmdPusk->click();
}

void FrmMain::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const core::InputRefused&) {
        // Already told.
    } catch (const core::RuntimeError& e) {
        services_.message(
            this, {e.stoppedMessage(), info::programName(), platform::MessageIcon::Critical, 0});
    } catch (const std::exception& e) {
        services_.message(this, {QStringLiteral("Расчёт остановлен из-за внутренней ошибки: %1.")
                                     .arg(QString::fromLocal8Bit(e.what())),
                                 info::programName(), platform::MessageIcon::Critical, 0});
    }
}

void FrmMain::Main() {
    surface_->clear();
    Init();
    Frame2->ClearZn();
    graph::Maket(*surface_, core::kScreenGridOrigin, graph::gridColor());
    forecast_.reset();
    showYearMark();
    enableForecastCommands();
    const core::Calculation result =
        core::calculate({CboDay->currentText(), CboMonth->currentIndex(), TxtYear->text()});
    if (const auto* refusal = std::get_if<core::Refusal>(&result)) {
        showRefusal(*refusal);
        return;
    }
    forecast_ = std::get<core::Forecast>(result);
    showForecast(*forecast_);
}

// Init: the axis back to its plain colour and the screen pen to its width.
void FrmMain::Init() {
    graph::colourAxis(OsY, nullptr);
    surface_->setDrawWidth(3);
}

void FrmMain::showForecast(const core::Forecast& f) {
    graph::FormirYear(lblYear, f);
    graph::P1(*surface_, f, core::kScreenGridOrigin, graph::curveColor());
    graph::colourAxis(OsY, &f);
    LblPrc->setText(f.happiness);
    LblPrc->setAccessibleName(QStringLiteral("Процент счастья: ") + f.happiness);
    surface_->setAccessibleDescription(QStringLiteral("Цифры кривой: ") +
                                       f.digits.split(QString()).join(u' ').trimmed());
    Frame2->showAspects(f);
    showYearMark();
    enableForecastCommands();
}

// The year table and the percentage keep what the last forecast showed; the
// grid is drawn afresh and the square is empty.
void FrmMain::showRefusal(const core::Refusal& refusal) {
    using Kind = core::Refusal::Kind;
    if (refusal.kind == Kind::Stopped) {
        throw core::RuntimeError(refusal.stopped);
    }
    services_.message(
        this, {refusal.text, refusal.title, platform::MessageIcon::Warning, refusal.helpTopic});
    if (refusal.kind == Kind::YearNotDigits) {
        throw core::InputRefused();
    }
}

}  // namespace ui
