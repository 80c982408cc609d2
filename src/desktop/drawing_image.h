#pragma once
// A window's drawing as one image: its back colour, then its recorded operations, painted once and
// shown as it is on every paint. The opening window's colour bands are thousands of one-pixel
// horizontal lines; those are filled row by row, as QPainter would draw them, instead of one QPainter
// line each.

#include <QColor>
#include <QImage>
#include <QSize>
#include <vector>

#include "ui/picture.h"

namespace desktop {

// The drawing at size pixels over back; pixel for pixel what PaintDrawOps paints on that back.
QImage DrawingImage(const std::vector<ui::DrawOp>& ops, int scale_mode, const ui::Font& font, QColor back,
                    QSize size);

}  // namespace desktop
