#pragma once

#include <QImage>
#include <QString>

#include "core/checked.h"

namespace platform {
class PrinterPage;
}

namespace print {

// What the report reads from, and asks of, the main window. The window
// implements it; tests use a stand-in.
class ReportSource {
public:
    virtual ~ReportSource() = default;

    // The full recalculation on the screen.
    virtual void Main() = 0;
    // The grid and the calculation with the printer page as target; both draw
    // onto the page given to setPrinterPage(). The report hands its page over
    // just before that pass and takes it back (nullptr) right after it.
    virtual void Maket(bool FlagPrint) = 0;
    virtual void rash(bool FlagPrint) = 0;
    virtual void setPrinterPage(platform::PrinterPage* page) = 0;

    virtual QString dayText() const = 0;    // CboDay text, "1" to "31"
    virtual QString monthText() const = 0;  // CboMonth text, "Январь" to "Декабрь"
    virtual QString yearText() const = 0;   // TxtYear text
    virtual QString percentCaption() const = 0;  // LblPrc caption, with its "%"
    virtual core::Byte Mx() const = 0;
    virtual core::Byte Mn() const = 0;
    virtual core::Byte LenNumP() const = 0;
    virtual QImage emblem() const = 0;  // Image1's 71 x 71 picture

    // The nine counter labels LblSub(0..8).
    virtual QString counterCaption(int index) const = 0;
    virtual void setCounterCaption(int index, const QString& caption) = 0;
    virtual bool counterShown(int index) const = 0;
};

}  // namespace print
