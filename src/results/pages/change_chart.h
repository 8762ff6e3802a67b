#pragma once

#include <QString>
#include <QWidget>

#include <vector>

namespace forecast::pages {

// A small horizontal bar chart of percentage changes beside the report's
// numbers: one bar per row, growth to the right, decline to the left, flagged
// rows in dark red.
class ChangeChart : public QWidget {
 public:
  struct Bar {
    QString label;
    double value = 0;
    bool flagged = false;
  };
  explicit ChangeChart(std::vector<Bar> bars, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Bar> bars_;
};

}  // namespace forecast::pages
