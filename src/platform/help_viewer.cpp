#include "platform/help_viewer.h"

#include "platform/colors.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStringDecoder>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/program_info.h"

namespace platform {

namespace {

// Topic contexts the program asks for, and where they stand in the help file.
constexpr std::pair<int, const char*> kTopics[] = {
    {80, "date-of-birth"},  // the warning about a missing day or month
    // A digit of the aspect square opens its aspect's row (aspectTopic).
    {101, "aspect-1"},
    {102, "aspect-2"},
    {103, "aspect-3"},
    {104, "aspect-4"},
    {105, "aspect-5"},
    {106, "aspect-6"},
    {107, "aspect-7"},
    {108, "aspect-8"},
    {109, "aspect-9"},
};

constexpr int kWidth = 640;
constexpr int kHeight = 600;
constexpr int kGap = 8;                           // between the owner's frame and the help window
constexpr int kTextMargin = 14;                   // around the text, in pixels
constexpr QColor kBandColour = kMainWindowColor;  // the main window's colour

QPointer<HelpViewer>& theViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

// A file is this program's help when it is UTF-8 text carrying the contents
// anchor; anything else (an old binary help file of the same name, say) would
// show as garbage.
bool isHelpDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        return false;
    }
    return text.contains(QStringLiteral("name=\"%1\"").arg(contentsAnchor()));
}

// Beside the owner's window when the screen has room, otherwise centred on it.
void place(QWidget* viewer, QWidget* near) {
    QWidget* owner = near ? near->window() : nullptr;
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = viewer->size().boundedTo(area.size());
    viewer->resize(size);
    QPoint at = area.center() - QPoint(size.width() / 2, size.height() / 2);
    if (owner && owner->isVisible()) {
        const QRect frame = owner->frameGeometry();
        if (frame.right() + kGap + size.width() <= area.right()) {
            at = QPoint(frame.right() + kGap, frame.top());
        } else {
            at = frame.center() - QPoint(size.width() / 2, size.height() / 2);
        }
    }
    at.setX(std::clamp(at.x(), area.left(), area.right() - size.width() + 1));
    at.setY(std::clamp(at.y(), area.top(), area.bottom() - size.height() + 1));
    viewer->move(at);
}

}  // namespace

QString helpFileName() {
    return QStringLiteral("ZKalvex.hlp");
}

QString defaultHelpFile() {
    return QDir(programDirectory()).filePath(helpFileName());
}

QString contentsAnchor() {
    return QStringLiteral("contents");
}

QString topicAnchor(int context) {
    for (const auto& [number, anchor] : kTopics) {
        if (number == context) {
            return QString::fromLatin1(anchor);
        }
    }
    return contentsAnchor();
}

int aspectTopic(int digit) {
    return 100 + digit;
}

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window),
      browser_(new QTextBrowser(this)),
      back_(new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Назад"),
                            this)),
      contents_(new QPushButton(QStringLiteral("Содержание"), this)) {
    setWindowTitle(QStringLiteral("Справка — ") + info::programName());
    resize(kWidth, kHeight);

    browser_->setOpenExternalLinks(true);
    browser_->setFrameShape(QFrame::NoFrame);
    browser_->document()->setDocumentMargin(kTextMargin);
    back_->setEnabled(false);
    back_->setToolTip(QStringLiteral("Вернуться к предыдущему разделу (Alt+Стрелка влево)"));
    contents_->setToolTip(QStringLiteral("Открыть содержание справки"));
    back_->setAutoDefault(false);
    contents_->setAutoDefault(false);

    // The button band wears the main window's colour.
    auto* band = new QWidget(this);
    band->setAutoFillBackground(true);
    QPalette bandPalette = band->palette();
    bandPalette.setColor(QPalette::Window, kBandColour);
    band->setPalette(bandPalette);
    auto* buttons = new QHBoxLayout(band);
    buttons->setContentsMargins(8, 6, 8, 6);
    buttons->setSpacing(6);
    buttons->addWidget(back_);
    buttons->addWidget(contents_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addWidget(browser_, 1);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(contents_, &QPushButton::clicked, this, &HelpViewer::showContents);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, browser_,
            &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

bool HelpViewer::openFile(const QString& path) {
    if (!isHelpDocument(path)) {
        return false;
    }
    file_ = path;
    newFile_ = true;
    return true;
}

void HelpViewer::showContents() {
    go(contentsAnchor());
}

void HelpViewer::showTopic(int context) {
    go(topicAnchor(context));
}

QString HelpViewer::currentAnchor() const {
    return browser_->source().fragment();
}

void HelpViewer::go(const QString& anchor) {
    if (file_.isEmpty()) {
        return;
    }
    QUrl url = QUrl::fromLocalFile(file_);
    url.setFragment(anchor);
    browser_->setSource(url);
    if (newFile_) {
        // Back never leads into another file or to the same page once more.
        browser_->clearHistory();
        newFile_ = false;
    }
    // Going to the anchor the reader is already on does not scroll by itself.
    browser_->scrollToAnchor(anchor);
}

bool runHelp(const QString& path, HelpCommand command, int context, QWidget* near) {
    QPointer<HelpViewer>& viewer = theViewer();
    if (command == HelpCommand::Quit) {
        delete viewer.data();
        return true;
    }
    const bool fresh = viewer.isNull();
    if (fresh) {
        auto* created = new HelpViewer;
        created->setAttribute(Qt::WA_DeleteOnClose);
        if (!created->openFile(path)) {
            delete created;
            return false;
        }
        viewer = created;
        place(created, near);
        // A window without a parent outlives the event loop unless someone
        // deletes it; the program may end while help is still open.
        static const bool cleanupConnected = [] {
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp,
                             [] { delete theViewer().data(); });
            return true;
        }();
        (void)cleanupConnected;
    } else if (viewer->file() != path && !viewer->openFile(path)) {
        return false;
    }
    if (command == HelpCommand::Context) {
        viewer->showTopic(context);
    } else {
        viewer->showContents();
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

HelpViewer* helpViewer() {
    return theViewer().data();
}

Message missingHelpMessage(const QString& path) {
    const QFileInfo where(path);
    const QString problem = where.exists()
                                ? QStringLiteral("Файл справки «%1» повреждён или не читается.")
                                : QStringLiteral("Файл справки «%1» не найден.");
    return Message{problem.arg(where.fileName()) +
                       QStringLiteral("\n\nОн должен лежать в папке программы:\n%1")
                           .arg(QDir::toNativeSeparators(where.absolutePath())),
                   QStringLiteral("Справка — ") + info::programName(), MessageIcon::Warning};
}

}  // namespace platform
