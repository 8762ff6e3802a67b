#pragma once

#include "core/app_services.h"

#include <QPushButton>

#include <functional>
#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;
class QHBoxLayout;

namespace forecast::pages {

// A wizard page: the heading "Model Forecasting Unit" at the top, the page's
// own content, the page label bottom left, Exit at the left and Back,
// Continue (and GO) at the right. A page is built afresh each time it is shown.
class Page : public QWidget {
 public:
  Page(AppServices& app, QString formName, QWidget* parent = nullptr);

  const QString& FormName() const { return formName_; }
  QPushButton* ExitButton() const { return exit_; }
  QPushButton* BackButton() const { return back_; }
  QPushButton* ContinueButton() const { return continue_; }
  QPushButton* GoButton() const { return go_; }
  // A Print button (cmdPrint) in the button bar, left of the others.
  QPushButton* AddPrintButton();

 protected:
  AppServices& app() { return app_; }
  SessionState& session() { return app_.session; }
  // Where a page puts its content.
  QVBoxLayout* Content() const { return content_; }
  // A big centred title line and plain paragraphs, the usual content of a page.
  QLabel* AddTitle(const QString& text);
  QLabel* AddParagraph(const QString& text);
  // A link-like label that opens an explanation and turns purple once visited.
  QLabel* AddLink(const QString& text, std::function<void()> onClick);
  // Which of the navigation buttons the page has; Exit always does the usual Exit.
  void UseButtons(bool back, bool cont, bool go = false);
  // Exit: store this page's two names and show the exit page.
  void DefaultExit();

 private:
  AppServices& app_;
  QString formName_;
  QVBoxLayout* content_ = nullptr;
  QPushButton* exit_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* continue_ = nullptr;
  QPushButton* go_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
};

// A link-like label that runs onClick and turns purple once visited; for
// explanation pages, which are not Pages but carry links too.
QLabel* NewLinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent);

// Adds a word-wrapped label to a column of content, centred and no wider than
// look::kReadableWidth, so that running text stays easy to follow on a wide screen.
void AddReadableLabel(QVBoxLayout* content, QLabel* label);
// A centred paragraph of running text, added as a readable line.
QLabel* AddParagraphTo(QVBoxLayout* content, const QString& text, QWidget* parent);

// Colours, type and measures the pages share.
namespace look {
inline constexpr const char* kVisitedLink = "#800080";
inline constexpr const char* kWarning = "#8b0000";
inline constexpr int kReadableWidth = 980;
inline constexpr int kContentWidth = 1440;
}  // namespace look

}  // namespace forecast::pages
