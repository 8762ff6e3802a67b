#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace forecast::pages {

// An explanation page: "HELP" at the top right, a title, the explanation and
// an OK button. It opens over the page that asked for it, which stays as it
// was underneath; OK closes it.
class ExplanationDialog : public QDialog {
 public:
  ExplanationDialog(QWidget* page, const QString& formName, const QString& title);

  QLabel* AddParagraph(const QString& text);
  // A link-like label opening a further explanation; it turns purple once visited.
  QLabel* AddLink(const QString& text, std::function<void()> onClick);
  void AddWidget(QWidget* widget);
  QPushButton* OkButton() const { return ok_; }
  // A Print button (cmdPrint) left of OK, for the explanations that can be printed.
  QPushButton* AddPrintButton();

  // Shows the dialog over the whole window of the page, without blocking;
  // the dialog deletes itself when closed.
  void OpenOverPage();

 private:
  QVBoxLayout* content_ = nullptr;
  QPushButton* ok_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
};

}  // namespace forecast::pages
