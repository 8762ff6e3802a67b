#pragma once

#include "core/app_services.h"
#include "core/pages/page.h"

#include <QLoggingCategory>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <string>

Q_DECLARE_LOGGING_CATEGORY(lcPages)

namespace forecast::pages {

using PageFactory = std::function<Page*(AppServices&)>;

// The forms this program has, by form name (matched without regard to case).
class PageFactories {
 public:
  void Add(const std::string& formName, PageFactory factory);
  // The factory of a form, or nothing when the program has no such page yet.
  const PageFactory* Find(const std::string& formName) const;

 private:
  std::map<std::string, PageFactory> factories_;  // keyed by upper-case name
};

// The one window of the wizard. It shows one page at a time, each created
// afresh, and removes the page it replaces.
class WizardWindow : public QMainWindow, public Navigator {
 public:
  WizardWindow(const PageFactories& factories, QWidget* parent = nullptr);
  void SetServices(AppServices* app) { app_ = app; }

  void ShowPage(std::string_view pageName) override;
  void ShowExitPage() override;
  void EndProgram() override;
  // Shows a form by its own name, or the welcome page when there is none.
  void ShowForm(const std::string& formName) override;

  Page* CurrentPage() const { return current_; }
  bool Ended() const { return ended_; }

 private:
  const PageFactories& factories_;
  AppServices* app_ = nullptr;
  QPointer<Page> current_;
  bool ended_ = false;
  // A page may ask for another page while it is being built (a report page
  // that cannot read its data); that page is shown once the first is in place.
  bool building_ = false;
  std::string pendingForm_;
};

// The look of every page.
QString ApplicationStyleSheet();

}  // namespace forecast::pages
