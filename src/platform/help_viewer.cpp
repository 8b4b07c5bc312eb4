#include "platform/help_viewer.h"

#include <sys/stat.h>

#include "platform/colors.h"

#include <QApplication>
#include <QColor>
#include <QDesktopServices>
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
#include <optional>
#include <utility>

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

// The bytes of a regular file of at most kMaxHelpFileBytes; nothing for
// anything else. A device would never end and a FIFO would never answer, so
// the kind of file is checked before it is opened.
std::optional<QByteArray> readSmallFile(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size > kMaxHelpFileBytes) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxHelpFileBytes + 1);
    if (bytes.size() > kMaxHelpFileBytes) {
        return std::nullopt;  // grew since it was looked at
    }
    return bytes;
}

// The text of the help file when it is this program's help: UTF-8 text
// carrying the contents anchor; anything else (an old binary help file of the
// same name, say) would show as garbage.
std::optional<QString> readHelpDocument(const QString& path) {
    const std::optional<QByteArray> bytes = readSmallFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(*bytes);
    if (decoder.hasError() || !text.contains(QStringLiteral("name=\"%1\"").arg(contentsAnchor()))) {
        return std::nullopt;
    }
    return text;
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
    }

    // The link leads to the help file itself: a place in the current page, or
    // the file's own name with or without a place.
    bool isDocument(const QUrl& link) const {
        const QUrl url = resolve(link);
        return !file_.isEmpty() && url.isLocalFile() &&
               QFileInfo(url.toLocalFile()).canonicalFilePath() == file_;
    }

    QVariant loadResource(int type, const QUrl& name) override {
        // A null answer would let the document read the file by itself, so
        // whatever is refused is answered with empty bytes.
        const QVariant refused = QVariant(QByteArray());
        const QUrl url = resolve(name);
        if (file_.isEmpty() || !url.isLocalFile()) {
            return refused;
        }
        const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
        if (path.isEmpty()) {
            return refused;
        }
        if (path == file_) {
            return type == QTextDocument::HtmlResource ? QVariant(text_) : refused;
        }
        // Pictures and style sheets from the help file's folder; no other page.
        if (type == QTextDocument::HtmlResource || !path.startsWith(folder_ + u'/')) {
            return refused;
        }
        const std::optional<QByteArray> bytes = readSmallFile(path);
        return bytes ? QVariant(*bytes) : refused;
    }

private:
    QUrl resolve(const QUrl& link) const {
        return link.isRelative() ? QUrl::fromLocalFile(file_).resolved(link) : link;
    }

    QString file_;
    QString folder_;
    QString text_;
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
      openExternal_([](const QUrl& url) { QDesktopServices::openUrl(url); }),
      browser_(new HelpBrowser(this)),
      back_(new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Назад"),
                            this)),
      contents_(new QPushButton(QStringLiteral("Содержание"), this)) {
    setWindowTitle(QStringLiteral("Справка — ") + info::programName());
    resize(kWidth, kHeight);

    // Links are followed here, never by the browser on its own (follow()).
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::follow);
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
    const std::optional<QString> text = readHelpDocument(path);
    if (!text) {
        return false;
    }
    static_cast<HelpBrowser*>(browser_)->setDocumentFile(path, *text);
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
