#pragma once

#include <QImage>

#include "window/model_window.h"

namespace vantor::paint {

// Paper left around a rendered drawing, in pixels.
inline constexpr int kRenderMargin = 20;

// The picture of a model window's drawing, painted as its canvas paints it
// but cropped to what the drawing shows, with `margin` pixels of paper
// around it; the scroll position does not matter. An empty drawing gives a
// blank square of twice the margin.
QImage drawing_image(const ModelWindow& window, int margin = kRenderMargin);

}  // namespace vantor::paint
