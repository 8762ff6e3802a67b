#pragma once

#include <QWidget>

namespace forecast::pages {

// The first lines of an impedance file as a text editor shows it: an
// identification number and one impedance value in fields of ten characters.
class ImpedanceFileFigure : public QWidget {
 public:
  explicit ImpedanceFileFigure(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {420, 250}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A zone-to-zone impedance matrix with one 4x4 corner marked, or, for
// MatrixFigure::Corner::None, with arrows showing the order in which the file
// takes the values: along each row, top row first.
class MatrixFigure : public QWidget {
 public:
  enum class Corner { TopLeft, BottomRight, None };
  explicit MatrixFigure(Corner corner, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {480, 330}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Corner corner_;
};

}  // namespace forecast::pages
