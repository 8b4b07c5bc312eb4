#include "platform/help_viewer.h"

#include "platform/colors.h"
#include "platform/help_document.h"
#include "platform/screen_place.h"

#include <QApplication>
#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QKeySequence>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <utility>
#include <variant>

#include "core/forecast.h"
#include "core/program_info.h"

namespace platform {

namespace {

// Topic contexts the program asks for, and where they stand in the help file.
constexpr std::pair<int, const char*> kTopics[] = {
    {core::kDateHelpTopic, "date-of-birth"},  // the warnings about the date
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
    {kCompareHelpTopic, "compare"},  // F1 in the comparison window
    {kTextsHelpTopic, "texts"},      // F1 in the texts window
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

// The browser of the help window. Every document, picture and style sheet it
// asks for comes through here: the help file from the text read and checked
// when it was opened, anything else only from the help file's own folder.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    void setDocumentFile(const QString& path, const QString& text) {
        file_ = QFileInfo(path).canonicalFilePath();
        folder_ = QFileInfo(file_).absolutePath();
        text_ = text;
        pictureBytesLeft_ = kMaxHelpDocumentBytes;
    }

    // The link leads to the help file itself: a place in the current page, or
    // the file's own name with or without a place.
    bool isDocument(const QUrl& link) const {
        const QUrl url = resolve(link);
        return !file_.isEmpty() && url.isLocalFile() &&
               QFileInfo(url.toLocalFile()).canonicalFilePath() == file_;
    }

    QVariant loadResource(int type, const QUrl& name) override {
        const QString path = ownPath(name);
        if (type == QTextDocument::ImageResource) {
            return picture(path);
        }
        // A null answer would let the document read the file by itself, so
        // whatever is refused is answered with empty bytes.
        const QVariant refused = QVariant(QByteArray());
        if (path.isEmpty()) {
            return refused;
        }
        if (path == file_) {
            return type == QTextDocument::HtmlResource ? QVariant(text_) : refused;
        }
        // Style sheets from the help file's folder; no other page.
        if (type == QTextDocument::HtmlResource) {
            return refused;
        }
        const std::variant<QByteArray, Refusal> bytes = readSmallFile(path, kMaxHelpFileBytes);
        return std::holds_alternative<QByteArray>(bytes) ? QVariant(std::get<QByteArray>(bytes))
                                                         : refused;
    }

private:
    QUrl resolve(const QUrl& link) const {
        return link.isRelative() ? QUrl::fromLocalFile(file_).resolved(link) : link;
    }

    // The real path of a resource when it is the help file or lies in its
    // folder (links resolved); empty for anything else.
    QString ownPath(const QUrl& name) const {
        const QUrl url = resolve(name);
        if (file_.isEmpty() || !url.isLocalFile()) {
            return {};
        }
        const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
        return path == file_ || path.startsWith(folder_ + u'/') ? path : QString();
    }

    // A picture from the help file's folder, decoded here while the pictures
    // of the document stay within their share of memory. Anything refused is
    // a blank picture of one transparent pixel: a null one would make Qt open
    // the path by itself, outside the folder or on a FIFO.
    QImage picture(const QString& path) {
        QImage blank(1, 1, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        if (path.isEmpty() || path == file_) {
            return blank;
        }
        std::variant<QByteArray, Refusal> bytes = readSmallFile(path, kMaxHelpFileBytes);
        if (!std::holds_alternative<QByteArray>(bytes)) {
            return blank;
        }
        QBuffer buffer(&std::get<QByteArray>(bytes));
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        const qint64 needed = qint64(size.width()) * size.height() * 4;
        if (!size.isValid() || needed > pictureBytesLeft_) {
            return blank;
        }
        QImage image = reader.read();
        if (image.isNull()) {
            return blank;
        }
        pictureBytesLeft_ -= needed;
        return image;
    }

    QString file_;
    QString folder_;
    QString text_;
    qint64 pictureBytesLeft_ = kMaxHelpDocumentBytes;
};

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
    // Its frame and title bar inside the free area too.
    placeOnScreen(viewer, QRect(at, size));
}

}  // namespace

QString helpFileName() {
    return QStringLiteral("ZKalvex.hlp");
}

QString defaultHelpFile() {
    return QDir(programDirectory()).filePath(helpFileName());
}

QString helpFileIn(const QString& language) {
    const QString own =
        QDir(programDirectory()).filePath(QStringLiteral("ZKalvex.%1.hlp").arg(language));
    return language != u"ru" && QFileInfo::exists(own) ? own : defaultHelpFile();
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
      openExternal_([](const QUrl& url) { QDesktopServices::openUrl(url); }),
      browser_(new HelpBrowser(this)),
      back_(new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack),
                            QCoreApplication::translate("HelpViewer", "Назад"), this)),
      contents_(new QPushButton(QCoreApplication::translate("HelpViewer", "Содержание"), this)) {
    setWindowTitle(QCoreApplication::translate("HelpViewer", "Справка — ") + info::programName());
    resize(kWidth, kHeight);

    // Links are followed here, never by the browser on its own (follow()).
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::follow);
    browser_->setFrameShape(QFrame::NoFrame);
    browser_->document()->setDocumentMargin(kTextMargin);
    back_->setEnabled(false);
    back_->setToolTip(QCoreApplication::translate(
        "HelpViewer", "Вернуться к предыдущему разделу (Alt+Стрелка влево)"));
    contents_->setToolTip(QCoreApplication::translate("HelpViewer", "Открыть содержание справки"));
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
    const std::variant<QString, Refusal> text = readHelpDocument(path);
    if (!std::holds_alternative<QString>(text)) {
        return false;
    }
    static_cast<HelpBrowser*>(browser_)->setDocumentFile(path, std::get<QString>(text));
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

void HelpViewer::follow(const QUrl& link) {
    const QString scheme = link.scheme().toLower();
    if (scheme == u"http" || scheme == u"https" || scheme == u"mailto") {
        openExternal_(link);
    } else if (static_cast<HelpBrowser*>(browser_)->isDocument(link)) {
        go(link.fragment());
    }
    // Anything else (other files, file:, javascript:, data: …) is ignored.
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

QString helpFileProblem(const QString& path) {
    const std::variant<QString, Refusal> text = readHelpDocument(path);
    const Refusal* refused = std::get_if<Refusal>(&text);
    return refused ? refused->reason : QString();
}

Message missingHelpMessage(const QString& path) {
    const QFileInfo where(path);
    QString problem;
    if (!where.exists() && !where.isSymLink()) {
        problem = QCoreApplication::translate("HelpViewer", "Файл справки «%1» не найден.")
                      .arg(where.fileName());
    } else {
        const QString reason = helpFileProblem(path);
        problem =
            QCoreApplication::translate("HelpViewer", "Файл справки «%1» повреждён или не читается")
                .arg(where.fileName()) +
            (reason.isEmpty() ? QStringLiteral(".") : QStringLiteral(": %1.").arg(reason));
    }
    return Message{problem + QCoreApplication::translate(
                                 "HelpViewer", "\n\nОн должен лежать в папке программы:\n%1")
                                 .arg(QDir::toNativeSeparators(where.absolutePath())),
                   QCoreApplication::translate("HelpViewer", "Справка — ") + info::programName(),
                   MessageIcon::Warning};
}

}  // namespace platform
