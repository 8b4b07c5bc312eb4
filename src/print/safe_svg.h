#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// An SVG drawing made safe to hand to Qt's SVG reader. That reader follows an
// <image>'s reference to any file (the drawing itself, which it enters again
// until the stack runs out; a FIFO, on which it waits for ever; any private
// picture), reads the style sheet an <?xml-stylesheet?> names, and expands a
// compressed drawing without a limit. So the program never gives it a document
// that still reaches outside itself: it reads the XML itself, without a DTD,
// and writes a copy that needs no other file.
namespace print {

// How deep elements may nest and how many a drawing may have: a logo has a few
// hundred; the limits keep a made-up file from taking the drawing's time.
inline constexpr int kSvgMaxDepth = 128;
inline constexpr int kSvgMaxElements = 100000;

enum class SvgFault {
    None,
    Broken,    // not well-formed XML, or cut short
    NotSvg,    // well-formed, but its outermost element is not <svg>
    Entities,  // a DTD that declares entities (expanded, they may be billions)
    Complex,   // nested deeper than kSvgMaxDepth or more than kSvgMaxElements
    Outside,   // a reference to another file or to the network
    Embedded,  // an embedded picture that is not a sound PNG or JPEG
};

struct SafeSvg {
    QByteArray bytes;  // the copy; empty when refused
    SvgFault fault = SvgFault::None;
    QString detail;  // for Outside and Embedded: the reference, cut to a readable length
};

// Whether the bytes of a picture embedded in the drawing are a PNG or JPEG
// the logo's own rules accept.
using EmbeddedPictureCheck = std::function<bool(const QByteArray& picture)>;

// The drawing with nothing outside it, or why it cannot have that:
// - the DTD, comments and processing instructions (<?xml-stylesheet?> among
//   them) are left out; a DTD that declares entities refuses the drawing;
// - a reference (href, xlink:href) inside the document ("#id") stays; an
//   <a>'s link to elsewhere goes, as the page cannot follow it anyway; an
//   <image> keeps only an embedded PNG or JPEG (data:image/png;base64,…) that
//   passes `check`, written again in the one form Qt decodes; any other
//   reference, and url(…) or @import reaching outside in an attribute or a
//   style sheet, refuses the drawing: what it needs is not in it.
SafeSvg sanitizeSvg(const QByteArray& document, const EmbeddedPictureCheck& check);

enum class Inflated { Done, TooLarge, Broken };

// Expands gzip data (an .svgz, of one or more members) into *out, stopping as
// soon as more than `maxBytes` would come out, so that a small file that
// expands to gigabytes costs no more than the limit.
Inflated inflateGzip(const QByteArray& compressed, qint64 maxBytes, QByteArray* out);

}  // namespace print
