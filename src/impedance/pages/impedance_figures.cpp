#include "impedance/pages/impedance_figures.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace forecast::pages {

namespace {

// Example impedances in minutes for a region of n zones, row by row.
constexpr std::array<std::array<const char*, 4>, 4> kTopLeft = {{{"4.40", "12.70", "18.30", "25.10"},
                                                                 {"12.90", "3.80", "9.60", "21.40"},
                                                                 {"18.10", "9.90", "5.20", "14.70"},
                                                                 {"24.80", "21.60", "14.50", "4.10"}}};
constexpr std::array<std::array<const char*, 4>, 4> kBottomRight = {{{"3.90", "11.20", "16.80", "22.30"},
                                                                     {"11.40", "4.60", "8.70", "19.90"},
                                                                     {"16.50", "8.90", "3.70", "12.60"},
                                                                     {"22.10", "19.70", "12.40", "4.80"}}};

const QColor kInk(0x22, 0x22, 0x22);
const QColor kGrid(0x8a, 0x99, 0xad);
const QColor kMark(0xfd, 0xe6, 0x8a);
const QColor kAccent(0x1f, 0x3a, 0x5f);

}  // namespace

ImpedanceFileFigure::ImpedanceFileFigure(QWidget* parent) : QWidget(parent) {
  setFixedSize(sizeHint());
  setObjectName("impedanceFileFigure");
}

void ImpedanceFileFigure::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
  painter.setPen(kGrid);
  painter.setBrush(Qt::white);
  painter.drawRect(frame);
  painter.fillRect(QRectF(frame.left(), frame.top(), frame.width(), 26), QColor(0xe4, 0xe8, 0xee));
  painter.setPen(kInk);
  painter.drawText(QRectF(frame.left() + 10, frame.top(), frame.width(), 26), Qt::AlignVCenter, "IMPD15.TXT");

  QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  mono.setPointSize(12);
  painter.setFont(mono);
  const QFontMetricsF metrics(mono);
  const double lineHeight = metrics.height() + 2;
  const char* values[] = {"4.40", "12.70", "18.30", "25.10", "31.60", "...", "12.90", "3.80"};
  double y = frame.top() + 34;
  for (int i = 0; i < 8; ++i) {
    const QString id = i == 5 ? QString("...") : QString::number(i < 5 ? i + 1 : i + 115);
    const QString line = id.rightJustified(10) + QString(values[i]).rightJustified(10);
    painter.drawText(QPointF(frame.left() + 16, y + metrics.ascent()), line);
    y += lineHeight;
  }
  // The two fields of ten characters.
  const double charWidth = metrics.horizontalAdvance('0');
  painter.setPen(QPen(kAccent, 1, Qt::DashLine));
  for (int field = 0; field <= 2; ++field) {
    const double x = frame.left() + 16 + field * 10 * charWidth;
    painter.drawLine(QPointF(x, frame.top() + 30), QPointF(x, y));
  }
  painter.setFont(font());
  painter.drawText(QRectF(frame.left() + 16, y + 4, 10 * charWidth, 20), Qt::AlignCenter, "ID number");
  painter.drawText(QRectF(frame.left() + 16 + 10 * charWidth, y + 4, 10 * charWidth, 20), Qt::AlignCenter,
                   "impedance");
}

MatrixFigure::MatrixFigure(Corner corner, QWidget* parent) : QWidget(parent), corner_(corner) {
  setFixedSize(sizeHint());
  setObjectName(corner == Corner::TopLeft ? "topCornerFigure"
                : corner == Corner::BottomRight ? "bottomCornerFigure"
                                                : "readingOrderFigure");
}

void MatrixFigure::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // Six zone rows and columns are drawn: the first three, a gap, the last three,
  // or for a corner the four of the corner and two beyond it.
  constexpr int kCells = 6;
  const double left = 70, top = 40;
  const double cell = std::min((width() - left - 10) / kCells, (height() - top - 10) / kCells);
  const bool bottom = corner_ == Corner::BottomRight;

  const auto zoneLabel = [&](int index) -> QString {
    static const char* kLast[kCells] = {"...", "n-4", "n-3", "n-2", "n-1", "n"};
    if (bottom) return kLast[index];
    return index == kCells - 1 ? QString("...") : QString::number(index + 1);
  };

  painter.setPen(kInk);
  painter.drawText(QRectF(left, 0, cell * kCells, 18), Qt::AlignCenter, "to zone");
  painter.save();
  painter.translate(14, top + cell * kCells / 2);
  painter.rotate(-90);
  painter.drawText(QRectF(-60, -10, 120, 20), Qt::AlignCenter, "from zone");
  painter.restore();

  for (int i = 0; i < kCells; ++i) {
    painter.drawText(QRectF(left + i * cell, 18, cell, top - 18), Qt::AlignCenter, zoneLabel(i));
    painter.drawText(QRectF(24, top + i * cell, left - 28, cell), Qt::AlignRight | Qt::AlignVCenter, zoneLabel(i));
  }

  const int first = bottom ? 2 : 0;  // the corner's first row and column among the cells drawn
  for (int r = 0; r < kCells; ++r) {
    for (int c = 0; c < kCells; ++c) {
      const QRectF box(left + c * cell, top + r * cell, cell, cell);
      const bool inCorner = corner_ != Corner::None && r >= first && r < first + 4 && c >= first && c < first + 4;
      painter.setPen(kGrid);
      painter.setBrush(inCorner ? kMark : QColor(Qt::white));
      painter.drawRect(box);
      painter.setPen(kInk);
      QString text = "...";
      const int rr = r - first, cc = c - first;
      if (rr >= 0 && rr < 4 && cc >= 0 && cc < 4) text = bottom ? kBottomRight[rr][cc] : kTopLeft[rr][cc];
      painter.drawText(box, Qt::AlignCenter, text);
    }
  }

  if (corner_ == Corner::None) {
    // The order of the values in the file: along each row, then down to the next row.
    painter.setPen(QPen(kAccent, 2));
    for (int r = 0; r < 3; ++r) {
      const double y = top + r * cell + cell * 0.82;
      painter.drawLine(QPointF(left + 6, y), QPointF(left + kCells * cell - 8, y));
      painter.drawLine(QPointF(left + kCells * cell - 8, y), QPointF(left + kCells * cell - 16, y - 5));
      painter.drawLine(QPointF(left + kCells * cell - 8, y), QPointF(left + kCells * cell - 16, y + 5));
    }
  } else {
    painter.setPen(QPen(kAccent, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left + first * cell, top + first * cell, 4 * cell, 4 * cell));
  }
}

}  // namespace forecast::pages
