#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace forecast::pages {

// A small window titled "VORAN" that tells the user that work goes on, with an
// optional bar for work counted in steps.
class BusyNotice : public QDialog {
 public:
  explicit BusyNotice(const QString& text, QWidget* parent = nullptr);
  void SetText(const QString& text);
  // Shows step `step` of `steps` under way (the bar full up to the step before); steps 0 hides the bar.
  void SetProgress(int step, int steps);

 private:
  QLabel* text_;
  QProgressBar* bar_;
};

// The notice of the MAP IT page.
inline constexpr const char* kLoadingText = "Loading MAP IT ................... Please be patient!!!";

}  // namespace forecast::pages
