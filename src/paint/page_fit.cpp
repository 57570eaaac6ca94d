#include "paint/page_fit.h"

#include <algorithm>

namespace vantor::paint {

PagePlacement fit_on_page(const QRectF& drawing, const QRectF& printable) {
    double scale = 1;
    if (drawing.width() > 0) scale = std::min(scale, printable.width() / drawing.width());
    if (drawing.height() > 0) scale = std::min(scale, printable.height() / drawing.height());
    scale = std::max(scale, 0.0);
    const QPointF centre = drawing.center() * scale;
    return {scale, printable.center() - centre};
}

}  // namespace vantor::paint
