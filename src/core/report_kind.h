#pragma once

namespace core {

// The kinds of report the program makes; the book keeps which one went out
// for a client, and the client's card lists them.
enum class ReportKind {
    Printout,  // on paper (or the print preview)
    Pdf,       // a PDF file of one client
    ManyPdf,   // a PDF file of several clients, this one among them
};

}  // namespace core
