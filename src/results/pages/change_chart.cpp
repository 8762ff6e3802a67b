#include "results/pages/change_chart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace forecast::pages {

ChangeChart::ChangeChart(std::vector<Bar> bars, QWidget* parent) : QWidget(parent), bars_(std::move(bars)) {
  setObjectName("changeChart");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize ChangeChart::sizeHint() const { return QSize(460, 40 + 30 * static_cast<int>(bars_.size())); }
QSize ChangeChart::minimumSizeHint() const { return QSize(260, 30 + 22 * static_cast<int>(bars_.size())); }

void ChangeChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  font.setPointSize(11);
  painter.setFont(font);
  const QFontMetrics metrics = painter.fontMetrics();
  int labelWidth = 0;
  for (const Bar& bar : bars_) labelWidth = std::max(labelWidth, metrics.horizontalAdvance(bar.label));
  labelWidth += 12;
  // The axis reaches from the largest decline to the largest growth, so that
  // a chart of growth only is not half empty; it spans at least ten per cent.
  double decline = 0;
  double growth = 0;
  for (const Bar& bar : bars_) {
    decline = std::max(decline, -bar.value);
    growth = std::max(growth, bar.value);
  }
  if (decline + growth < 10) {
    if (decline > growth) {
      decline = 10 - growth;
    } else {
      growth = 10 - decline;
    }
  }
  const int rowHeight = std::clamp((height() - 24) / std::max<int>(1, static_cast<int>(bars_.size())), 18, 34);
  // Room for the value texts beside the longest bars on either side.
  const int textRoom = metrics.horizontalAdvance("-100.0%") + 8;
  const int plotLeft = labelWidth + (decline > 0 ? textRoom : 4);
  const int plotWidth = std::max(40, width() - plotLeft - textRoom);
  const double scale = plotWidth / (decline + growth);
  const double zeroX = plotLeft + decline * scale;

  painter.setPen(QColor("#9aa5b1"));
  painter.drawLine(QPointF(zeroX, 4), QPointF(zeroX, 8 + rowHeight * static_cast<double>(bars_.size())));
  for (size_t i = 0; i < bars_.size(); ++i) {
    const Bar& bar = bars_[i];
    const double top = 8 + rowHeight * static_cast<double>(i);
    painter.setPen(QColor("#222"));
    painter.drawText(QRectF(0, top, labelWidth - 8, rowHeight), Qt::AlignRight | Qt::AlignVCenter, bar.label);
    const double length = bar.value * scale;
    const QRectF rect = length >= 0 ? QRectF(zeroX, top + 4, length, rowHeight - 8)
                                    : QRectF(zeroX + length, top + 4, -length, rowHeight - 8);
    const QColor fill = bar.flagged ? QColor(192, 0, 0) : (bar.value >= 0 ? QColor("#2b6cb0") : QColor("#7b8794"));
    painter.fillRect(rect, fill);
    painter.setPen(bar.flagged ? QColor(192, 0, 0) : QColor("#333"));
    const QString text = QString::number(bar.value, 'f', 1) + "%";
    const double textX = length >= 0 ? zeroX + length + 4 : zeroX + length - metrics.horizontalAdvance(text) - 4;
    painter.drawText(QPointF(textX, top + rowHeight / 2.0 + metrics.ascent() / 2.0 - 1), text);
  }
  painter.setPen(QColor("#666"));
  painter.drawText(QRectF(0, 12 + rowHeight * static_cast<double>(bars_.size()), width(), 18), Qt::AlignCenter,
                   "percentage change");
}

}  // namespace forecast::pages
