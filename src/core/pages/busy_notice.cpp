#include "core/pages/busy_notice.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace forecast::pages {

BusyNotice::BusyNotice(const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle("VORAN");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(28, 22, 28, 22);
  layout->setSpacing(14);
  text_ = new QLabel(text, this);
  text_->setStyleSheet("font-size: 13pt;");
  text_->setWordWrap(true);
  bar_ = new QProgressBar(this);
  bar_->setMinimumHeight(24);
  bar_->setStyleSheet("font-size: 11pt;");
  bar_->hide();
  layout->addWidget(text_);
  layout->addWidget(bar_);
  setMinimumWidth(460);
}

void BusyNotice::SetText(const QString& text) {
  text_->setText(text);
  QApplication::processEvents();
}

void BusyNotice::SetProgress(int step, int steps) {
  bar_->setVisible(steps > 0);
  // The bar fills with the steps already done; its text names the step under way.
  bar_->setRange(0, std::max(steps, 1));
  bar_->setValue(std::max(step - 1, 0));
  bar_->setFormat(QString("Period %1 of %2").arg(step).arg(steps));
  QApplication::processEvents();
}

}  // namespace forecast::pages
