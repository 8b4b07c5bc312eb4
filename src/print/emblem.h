#pragma once

#include <QImage>

namespace print {

// The report's emblem: a 71 x 71 picture in 24-bit colour, a small curve of
// life forces over a grid of dots in a blue disc with a gold rim. It is drawn
// once a run and every page is handed this same picture: a PDF file keeps a
// picture once for all the pages that show it, but only when it is the same
// picture (the same QImage::cacheKey), so one drawn afresh for each page would
// be stored again on every page.
QImage emblem();

}  // namespace print
