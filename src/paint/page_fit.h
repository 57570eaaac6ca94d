#pragma once

#include <QPointF>
#include <QRectF>

namespace vantor::paint {

// How a drawing is laid on a printed page.
enum class PageFit {
    kActualSize,  // one twip to a twip, the drawing's origin on the page's corner
    kFitToPage,   // scaled down to the printable area if it is larger, and centred
};

// A point p of the drawing lands on the page at offset + scale * p.
struct PagePlacement {
    double scale = 1;
    QPointF offset;

    bool operator==(const PagePlacement&) const = default;
};

// Where `drawing` (the extent of what is drawn) lands inside `printable`
// (the page's printable area), both in the same unit, when fitted: scaled by
// min(1, printable width / drawing width, printable height / drawing height),
// never up, and centred. A side of no size does not limit the scale; an
// empty drawing keeps scale 1 and its corner on the printable area's centre.
PagePlacement fit_on_page(const QRectF& drawing, const QRectF& printable);

}  // namespace vantor::paint
