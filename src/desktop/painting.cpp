#include "desktop/painting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>

namespace desktop {

namespace {

// The platform's standard colour scheme, indexed by the low byte of a system colour.
constexpr std::array<QRgb, 25> kSystemColors = {
    qRgb(192, 192, 192),  // 0 scroll bars
    qRgb(0, 128, 128),    // 1 desktop
    qRgb(0, 0, 128),      // 2 active caption
    qRgb(128, 128, 128),  // 3 inactive caption
    qRgb(192, 192, 192),  // 4 menu bar
    qRgb(255, 255, 255),  // 5 window background
    qRgb(0, 0, 0),        // 6 window frame
    qRgb(0, 0, 0),        // 7 menu text
    qRgb(0, 0, 0),        // 8 window text
    qRgb(255, 255, 255),  // 9 active caption text
    qRgb(192, 192, 192),  // 10 active border
    qRgb(192, 192, 192),  // 11 inactive border
    qRgb(128, 128, 128),  // 12 application workspace
    qRgb(0, 0, 128),      // 13 highlight
    qRgb(255, 255, 255),  // 14 highlight text
    qRgb(192, 192, 192),  // 15 button face
    qRgb(128, 128, 128),  // 16 button shadow
    qRgb(128, 128, 128),  // 17 disabled text
    qRgb(0, 0, 0),        // 18 button text
    qRgb(192, 192, 192),  // 19 inactive caption text
    qRgb(255, 255, 255),  // 20 button highlight
    qRgb(0, 0, 0),        // 21 3D dark shadow
    qRgb(223, 223, 223),  // 22 3D light
    qRgb(0, 0, 0),        // 23 tool tip text
    qRgb(255, 255, 225),  // 24 tool tip background
};

QColor System(int index) {
  return QColor(kSystemColors[static_cast<size_t>(index)]);
}

}  // namespace

QString ToQString(const ui::Text& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

ui::Text FromQString(const QString& text) {
  return ui::Text(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

QColor ToQColor(ui::Color color) {
  if ((color & 0xFF000000u) == 0x80000000u) {
    unsigned index = color & 0xFFu;
    return index < kSystemColors.size() ? System(static_cast<int>(index)) : QColor(Qt::black);
  }
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QPalette StandardPalette() {
  QPalette p;
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Window, System(15));
    p.setColor(group, QPalette::WindowText, System(8));
    p.setColor(group, QPalette::Base, System(5));
    p.setColor(group, QPalette::AlternateBase, System(15));
    p.setColor(group, QPalette::Text, System(8));
    p.setColor(group, QPalette::Button, System(15));
    p.setColor(group, QPalette::ButtonText, System(18));
    p.setColor(group, QPalette::Light, System(20));
    p.setColor(group, QPalette::Midlight, System(22));
    p.setColor(group, QPalette::Mid, System(16));
    p.setColor(group, QPalette::Dark, System(16));
    p.setColor(group, QPalette::Shadow, System(21));
    p.setColor(group, QPalette::Highlight, System(13));
    p.setColor(group, QPalette::HighlightedText, System(14));
    p.setColor(group, QPalette::ToolTipBase, System(24));
    p.setColor(group, QPalette::ToolTipText, System(23));
  }
  p.setColor(QPalette::Disabled, QPalette::WindowText, System(17));
  p.setColor(QPalette::Disabled, QPalette::Text, System(17));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, System(17));
  p.setColor(QPalette::Disabled, QPalette::Base, System(15));
  return p;
}

int TwipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect TwipsRect(double left, double top, double width, double height) {
  int x = TwipsToPixels(left), y = TwipsToPixels(top);
  int right = TwipsToPixels(left + std::max(0.0, width));
  int bottom = TwipsToPixels(top + std::max(0.0, height));
  return QRect(x, y, right - x, bottom - y);
}

int PointsToPixels(double points) {
  return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

QFont MapFont(const ui::Font& font, double points, bool bold) {
  QFont f;
  f.setFamilies(MappedFamilies(font.name));
  f.setPixelSize(PointsToPixels(points));
  f.setBold(bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QFont MapFont(const ui::Font& font) {
  return MapFont(font, font.size, font.bold);
}

double LineHeight(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : QFontMetricsF(font).height();
}

QString StripAccessKeys(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

QStringList LayoutLines(const QString& text, const QFont& font, double width, double height, bool wrap) {
  QString normal = text;
  normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  normal.replace(u'\r', u'\n');
  QStringList paragraphs = normal.split(u'\n');
  if (!wrap) return paragraphs;
  QFontMetricsF metrics(font);
  QStringList lines;
  for (const QString& paragraph : paragraphs) {
    if (metrics.horizontalAdvance(paragraph) * kKeepOneLine <= width) {
      lines << paragraph;
      continue;
    }
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    bool any = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(std::max(1.0, width));
      lines << paragraph.mid(line.textStart(), line.textLength());
      any = true;
    }
    layout.endLayout();
    if (!any) lines << QString();
  }
  // Wrapping that would push lines out of the box is worse than condensing the unwrapped ones.
  double em = LineHeight(font);
  if (lines.size() > paragraphs.size() && lines.size() * em > height + 1 &&
      paragraphs.size() * em <= height + 1)
    return paragraphs;
  return lines;
}

QString ShownLine(const QString& line, Qt::Alignment align) {
  if (align & (Qt::AlignRight | Qt::AlignHCenter)) return line;
  qsizetype end = line.size();
  while (end > 0 && line[end - 1].isSpace()) --end;
  return line.left(end);
}

void DrawText(QPainter& painter, const QRectF& box, const QString& text, const TextLook& look) {
  if (text.isEmpty()) return;
  QStringList lines = LayoutLines(text, look.font, box.width(), box.height(), look.wrap);
  QFontMetricsF metrics(look.font);
  double em = LineHeight(look.font);
  double total = em * lines.size();
  double y = box.top();
  if (look.align & Qt::AlignVCenter) y = box.top() + (box.height() - total) / 2;
  if (look.align & Qt::AlignBottom) y = box.bottom() - total;
  painter.save();
  painter.setFont(look.font);
  for (const QString& whole : lines) {
    const QString line = ShownLine(whole, look.align);
    double natural = metrics.horizontalAdvance(line);
    double scale = 1;
    if (natural > box.width() && natural > 0) scale = std::max(kMinCondense, box.width() / natural);
    double shown = natural * scale;
    double x = box.left();
    if (look.align & Qt::AlignRight) x = box.left() + box.width() - shown;
    if (look.align & Qt::AlignHCenter) x = box.left() + (box.width() - shown) / 2;
    double baseline = y + em * kBaselineShare;
    auto draw = [&](double dx, const QColor& color) {
      painter.save();
      painter.translate(x + dx, baseline + dx);
      painter.scale(scale, 1);
      painter.setPen(color);
      painter.drawText(QPointF(0, 0), line);
      painter.restore();
    };
    if (look.disabled) {
      draw(1, System(20));
      draw(0, System(16));
    } else {
      draw(0, look.color);
    }
    y += em;
  }
  painter.restore();
}

void DrawSunkenEdge(QPainter& painter, const QRect& r) {
  if (r.width() < 2 || r.height() < 2) return;
  painter.save();
  painter.setPen(System(16));
  painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
  painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
  painter.setPen(System(20));
  painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
  if (r.width() > 3 && r.height() > 3) {
    painter.setPen(System(21));
    painter.drawLine(r.left() + 1, r.top() + 1, r.right() - 2, r.top() + 1);
    painter.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 2);
    painter.setPen(System(22));
    painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
  }
  painter.restore();
}

void DrawRaisedEdge(QPainter& painter, const QRect& r) {
  if (r.width() < 2 || r.height() < 2) return;
  painter.save();
  painter.setPen(System(20));
  painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
  painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
  painter.setPen(System(16));
  painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
  painter.restore();
}

void DrawEtchedRect(QPainter& painter, const QRect& r) {
  if (r.width() < 2 || r.height() < 2) return;
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(System(20));
  painter.drawRect(r.adjusted(1, 1, -1, -1));
  painter.setPen(System(16));
  painter.drawRect(r.adjusted(0, 0, -2, -2));
  painter.restore();
}

double PixelsPerUnit(int scale_mode) {
  switch (scale_mode) {
    case 2:
      return 20 / kTwipsPerPixel;  // points
    case 3:
      return 1;  // pixels
    case 5:
      return 1440 / kTwipsPerPixel;  // inches
    case 6:
      return 1440 / 25.4 / kTwipsPerPixel;  // millimetres
    case 7:
      return 1440 / 2.54 / kTwipsPerPixel;  // centimetres
    default:
      return 1 / kTwipsPerPixel;  // twips (and scales the model does not keep)
  }
}

Qt::PenStyle PenStyleOf(int draw_style) {
  switch (draw_style) {
    case ui::kDrawDash:
      return Qt::DashLine;
    case ui::kDrawDot:
      return Qt::DotLine;
    case ui::kDrawDashDot:
      return Qt::DashDotLine;
    case ui::kDrawDashDotDot:
      return Qt::DashDotDotLine;
    case 5:
      return Qt::NoPen;  // transparent
    default:
      return Qt::SolidLine;
  }
}

void PaintDrawOps(QPainter& painter, const std::vector<ui::DrawOp>& ops, int scale_mode,
                  const ui::Font& font) {
  double k = PixelsPerUnit(scale_mode);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const ui::DrawOp& op : ops) {
    QColor color = ToQColor(op.color);
    QPen pen(color, op.width <= 1 ? 0 : op.width, PenStyleOf(op.style), Qt::SquareCap, Qt::MiterJoin);
    switch (op.kind) {
      case ui::DrawOpKind::kLine:
        painter.setPen(pen);
        painter.drawLine(QPointF(op.x1 * k, op.y1 * k), QPointF(op.x2 * k, op.y2 * k));
        break;
      case ui::DrawOpKind::kBox: {
        QRectF box = QRectF(QPointF(op.x1 * k, op.y1 * k), QPointF(op.x2 * k, op.y2 * k)).normalized();
        if (op.filled) {
          painter.fillRect(box.adjusted(0, 0, 1, 1), color);
        } else {
          painter.setPen(pen);
          painter.setBrush(Qt::NoBrush);
          painter.drawRect(box);
        }
        break;
      }
      case ui::DrawOpKind::kText: {
        QFont f = MapFont(font, op.font_size, font.bold);
        double em = LineHeight(f);
        painter.setFont(f);
        painter.setPen(color);
        painter.drawText(QPointF(op.x1 * k, op.y1 * k + em * kBaselineShare), ToQString(op.text));
        break;
      }
    }
  }
  painter.restore();
}

QImage ToQImage(const ui::Raster& raster) {
  QImage image(raster.width, raster.height, QImage::Format_RGB32);
  for (int y = 0; y < raster.height; ++y) {
    for (int x = 0; x < raster.width; ++x) {
      image.setPixelColor(x, y, ToQColor(raster.pixels[static_cast<size_t>(y) * raster.width + x]));
    }
  }
  return image;
}

ui::Raster FromQImage(const QImage& image) {
  ui::Raster raster;
  if (image.isNull()) return raster;
  raster.width = image.width();
  raster.height = image.height();
  raster.pixels.reserve(static_cast<size_t>(raster.width) * raster.height);
  for (int y = 0; y < raster.height; ++y) {
    for (int x = 0; x < raster.width; ++x) {
      const QColor c = image.pixelColor(x, y);
      raster.pixels.push_back(ui::Rgb(c.red(), c.green(), c.blue()));
    }
  }
  return raster;
}

void PaintPictureImage(QPainter& painter, const ui::Raster& raster, const std::vector<ui::DrawOp>& ops,
                       int scale_mode, const ui::Font& font) {
  if (!raster.Empty()) painter.drawImage(QPoint(0, 0), ToQImage(raster));
  PaintDrawOps(painter, ops, scale_mode, font);
}

}  // namespace desktop
