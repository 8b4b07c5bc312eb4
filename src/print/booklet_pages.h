#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/booklet.h"
#include "graph/event_marks.h"
#include "platform/printer_page.h"
#include "print/delivery.h"
#include "print/letterhead.h"
#include "print/many_reports.h"
#include "print/page_composer.h"

namespace print {

// The height of the A4 printable area with 6.35 mm margins, twips: what a
// booklet's words flow into when no printer says otherwise.
inline constexpr double kA4PrintableHeightTw = 16117;

// One piece of a booklet page after the words are laid out: a line of text,
// a table row, the square or the curve, at its height on the page.
struct BookletPiece {
    enum class Kind { Title, Heading, Subheading, Line, TableRow, Curve };
    Kind kind = Kind::Line;
    QString text;       // the line, heading or subheading
    QStringList cells;  // a table row
    bool header = false;
    double spaceBefore = 0;  // dropped at the top of a page
    double height = 0;       // the piece itself, twips
    // Goes onto the same page as the piece after it: a heading with what it
    // heads, a paragraph's first line with its second, its last but one with
    // its last.
    bool keepWithNext = false;
    bool paragraphStart = false;  // a paragraph's first line
    bool closing = false;         // a line of the booklet's closing words
    double y = 0;                 // where it stands once placed
};

// A booklet as pages: the first is its own (composeBookletFirstPage), the
// others carry the words, laid out once when made so that every page knows
// «Страница k из n». Each page after the first has a running head (the
// letterhead or the program's head), the client's name and its number; no
// line is cut, no heading stands alone at the foot of a page, and no page
// starts with a paragraph's last line or leaves its first line alone at the
// foot of the one before.
class BookletPages {
public:
    explicit BookletPages(core::Booklet booklet,
                          double pageWidthTw = platform::PrinterPage::kDefaultPageWidthTw,
                          double pageHeightTw = kA4PrintableHeightTw);

    int pageCount() const { return 1 + static_cast<int>(flowed_.size()); }

    // The client's life events, pinned on the first page's curve and listed
    // under it; none unless the practitioner chose them.
    void setEvents(std::vector<graph::YearNote> events) { events_ = std::move(events); }

    // Draws page `number` (from 1) onto a fresh page of the layout's width; the
    // page is not ended.
    void compose(platform::PrinterPage& page, int number,
                 const std::optional<Letterhead>& letterhead) const;

    // The pieces of every page after the first, as placed.
    const std::vector<std::vector<BookletPiece>>& flowedPages() const { return flowed_; }
    const core::Booklet& booklet() const { return booklet_; }

    // Where the words start and end on a page after the first, twips.
    static constexpr double kBodyTop = 1500;
    static constexpr double kBodyFootGap = 150;  // above the page's foot
    double bodyBottom() const { return pageHeight_ - kBodyFootGap; }

private:
    void composeWords(platform::PrinterPage& page, int number,
                      const std::optional<Letterhead>& letterhead) const;

    core::Booklet booklet_;
    double pageWidth_;
    double pageHeight_;
    std::vector<std::vector<BookletPiece>> flowed_;
    std::vector<graph::YearNote> events_;
};

// The booklet's first page: the head (the letterhead or the program's), whose
// booklet it is, in the order the booklet's language writes a name, the date
// of birth, the life number and the booklet's date; the classic page's graph,
// digit axis and year rows, drawn by the same code; the happiness percentage,
// the extremes and the square with the nine levels under the names the later
// pages use. With `events`, each year of them the year rows show gets the
// window's pin on the curve, and they are listed under the year rows. The
// page is not ended.
void composeBookletFirstPage(platform::PrinterPage& page, const core::Booklet& booklet,
                             const std::optional<Letterhead>& letterhead,
                             const std::vector<graph::YearNote>& events = {});

// Lays the blocks out as pieces `width` twips wide (paragraphs broken into
// lines between words) and flows them onto pages from `top` to `bottom`.
// Blocks the first page says are left out. The last page never holds only
// the closing words: they go on with the last lines of the text before them,
// and when a page cannot hold those together, the last paragraph stays whole.
std::vector<std::vector<BookletPiece>> flowBlocks(const std::vector<core::BookletBlock>& blocks,
                                                  double width, double top, double bottom);

// The head of a page of words after the first: the running head (the
// letterhead, or the program's head), whose pages they are on the left and
// «Страница k из n» on the right, in `language`.
void drawRunningHead(platform::PrinterPage& page, const std::optional<Letterhead>& letterhead,
                     const QString& whose, int number, int count, core::ReportLanguage language);

// Draws placed pieces onto a page: texts, table rows and the outlook's curve
// of `outlook` with `thisYear` marked.
void drawPieces(platform::PrinterPage& page, const std::vector<BookletPiece>& pieces,
                const std::vector<core::OutlookYear>& outlook, long long thisYear);

// Fills `booklet` with the next booklet of a run and says Page, or says End,
// or Stop when the run must leave nothing behind (a list not read to its end,
// the user's «Отмена»).
using BookletSource = std::function<NextPage(std::optional<BookletPages>& booklet)>;

// The booklets of a run of report pages: each page's forecast and person
// become their booklet in `library`'s words, with the sections and span of
// `choice`. The client book and the companion's --clients make theirs so.
BookletSource bookletsOf(PageSource pages, core::TextLibrary library, core::BookletChoice choice);
// The same, each booklet in the texts of its page's language: the
// practitioner's set of that language, or the program's own.
using TextsFor = std::function<core::TextLibrary(core::ReportLanguage)>;
BookletSource bookletsOf(PageSource pages, TextsFor textsFor, core::BookletChoice choice);

// Booklets as a document for the print delivery: one booklet, whose pages
// are known beforehand and which starts over for the preview, or a run of
// them one after another (the client book's, the companion's --clients), each
// made, drawn and let go in turn so that memory stays flat however many.
class BookletsComposer : public PageComposer {
public:
    explicit BookletsComposer(BookletPages booklet);
    // `suggestedPath` is the file the chooser offers.
    explicit BookletsComposer(BookletSource next, QString suggestedPath = {});

    DocumentFacts facts() const override;
    Step composePage(platform::PrinterPage& page, const PageContext& context) override;
    std::optional<int> pageCount() const override;
    void rewind() override;
    QString failureNote() const override { return note_ ? note_() : QString(); }

    // While the source is asked for a booklet: tells the delivery the run has
    // come to `done` of `total`; false once the user has stopped it.
    bool progress(int done, int total) const;
    // What is said under a failure message.
    void setFailureNote(std::function<QString()> note) { note_ = std::move(note); }

private:
    BookletSource next_;  // none for the one booklet
    std::function<QString()> note_;
    std::optional<BookletPages> current_;
    int composed_ = 0;  // pages of current_ composed so far
    QString suggestedPath_;
    const PageContext* context_ = nullptr;
};

// The booklets one after another as one PDF, written whole or not at all, with
// no questions and no messages.
PagesResult writeBookletsPdf(const BookletSource& next, const QString& path,
                             const QDateTime& madeAt, const std::optional<Letterhead>& letterhead);

}  // namespace print
