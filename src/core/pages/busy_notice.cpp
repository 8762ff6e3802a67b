#include "core/pages/busy_notice.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

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
  bar_->setFormat("Period %v of %m");
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
  bar_->setRange(0, steps);
  bar_->setValue(step);
  QApplication::processEvents();
}

}  // namespace forecast::pages
