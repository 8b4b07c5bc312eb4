#pragma once

namespace core {

// The kinds of report the program makes; the book keeps which one went out
// for a client, and the client's card lists them: what was made (the one-page
// report, the booklet, the comparison) and where it went.
enum class ReportKind {
    Printout,            // on paper (or the print preview)
    Pdf,                 // a PDF file of one client
    ManyPdf,             // a PDF file of several clients, this one among them
    BookletPrintout,     // a booklet on paper
    BookletPdf,          // a booklet in a PDF file of its own
    ManyBookletPdf,      // booklets of several clients in one PDF file
    ComparisonPrintout,  // a comparison on paper
    ComparisonPdf,       // a comparison in a PDF file
};

// What was made, as the book stores it apart from where it went.
enum class ReportDocument { Report, Booklet, Comparison };

// Where it went: the one-page report's kind of the same place.
inline ReportKind placeOf(ReportKind kind) {
    switch (kind) {
        case ReportKind::BookletPrintout:
        case ReportKind::ComparisonPrintout:
            return ReportKind::Printout;
        case ReportKind::BookletPdf:
        case ReportKind::ComparisonPdf:
            return ReportKind::Pdf;
        case ReportKind::ManyBookletPdf:
            return ReportKind::ManyPdf;
        default:
            return kind;
    }
}

inline ReportDocument documentOf(ReportKind kind) {
    switch (kind) {
        case ReportKind::BookletPrintout:
        case ReportKind::BookletPdf:
        case ReportKind::ManyBookletPdf:
            return ReportDocument::Booklet;
        case ReportKind::ComparisonPrintout:
        case ReportKind::ComparisonPdf:
            return ReportDocument::Comparison;
        default:
            return ReportDocument::Report;
    }
}

// The kind of `document` gone to `place` (one of the first three kinds).
inline ReportKind reportKind(ReportKind place, ReportDocument document) {
    const ReportKind where = placeOf(place);
    switch (document) {
        case ReportDocument::Booklet:
            return where == ReportKind::Printout ? ReportKind::BookletPrintout
                   : where == ReportKind::Pdf    ? ReportKind::BookletPdf
                                                 : ReportKind::ManyBookletPdf;
        case ReportDocument::Comparison:
            return where == ReportKind::Printout ? ReportKind::ComparisonPrintout
                                                 : ReportKind::ComparisonPdf;
        case ReportDocument::Report:
            break;
    }
    return where;
}

}  // namespace core
