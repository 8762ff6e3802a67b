#include "core/pages/wizard_window.h"

#include "core/page_registry.h"
#include "platform/text.h"

#include <QApplication>
#include <QCloseEvent>

Q_LOGGING_CATEGORY(lcPages, "forecast.pages", QtWarningMsg)

namespace forecast::pages {

void PageFactories::Add(const std::string& formName, PageFactory factory) {
  factories_[platform::ToUpper(formName)] = std::move(factory);
}

const PageFactory* PageFactories::Find(const std::string& formName) const {
  const auto it = factories_.find(platform::ToUpper(formName));
  return it == factories_.end() ? nullptr : &it->second;
}

WizardWindow::WizardWindow(const PageFactories& factories, QWidget* parent)
    : QMainWindow(parent), factories_(factories) {
  setWindowTitle("VORAN");
  setMinimumSize(1024, 700);
}

void WizardWindow::ShowPage(std::string_view pageName) { ShowForm(FormForPageName(pageName)); }

void WizardWindow::ShowExitPage() { ShowForm(kExitForm); }

void WizardWindow::ShowForm(const std::string& formName) {
  if (building_) {
    pendingForm_ = formName;
    return;
  }
  const PageFactory* factory = factories_.Find(formName);
  if (!factory) factory = factories_.Find(kWelcomeForm);
  if (!factory || !app_) return;
  building_ = true;
  Page* next = (*factory)(*app_);
  building_ = false;
  // The page whose button asked for this is still running its handler: remove it later.
  if (QWidget* previous = takeCentralWidget()) {
    previous->hide();
    previous->deleteLater();
  }
  current_ = next;
  setCentralWidget(next);
  qCInfo(lcPages, "page: %s", qPrintable(next->FormName()));
  if (!pendingForm_.empty()) {
    const std::string pending = std::move(pendingForm_);
    pendingForm_.clear();
    ShowForm(pending);
  }
}

void WizardWindow::EndProgram() {
  ended_ = true;
  if (QWidget* previous = takeCentralWidget()) previous->deleteLater();
  hide();
  QCoreApplication::exit(0);
}

QString ApplicationStyleSheet() {
  return R"(
    QMainWindow, QWidget#body { background: #f7f8fa; }
    QLabel#heading { background: #1f3a5f; color: white; font-size: 22pt; font-weight: 600; padding: 18px; }
    QLabel#title, QLabel#lblRun { font-size: 22pt; font-weight: 600; color: #1f3a5f; }
    QLabel#subtitle { font-size: 15pt; color: #1f3a5f; }
    QLabel#paragraph { font-size: 13pt; color: #222; }
    QLabel#link { font-size: 13pt; color: #0645ad; text-decoration: underline; }
    QWidget#buttonBar { background: #e4e8ee; border-top: 1px solid #c5ccd6; }
    QLabel#pageLabel { font-size: 10pt; color: #555; }
    QPushButton { font-size: 12pt; padding: 6px 16px; border: 1px solid #8a99ad; border-radius: 6px; background: white; }
    QPushButton:hover { background: #eef3fa; }
    QPushButton:disabled { color: #999; background: #f0f0f0; }
    QPushButton#cmdContinue, QPushButton#cmdGO, QPushButton#cmdReturn, QPushButton#cmdOK { background: #2b6cb0; color: white; border-color: #245a93; }
    QPushButton#cmdContinue:disabled, QPushButton#cmdGO:disabled { background: #9fb6cf; }
    QRadioButton, QCheckBox { font-size: 13pt; spacing: 8px; }
    QRadioButton::indicator, QCheckBox::indicator { width: 18px; height: 18px; }
    QLineEdit { font-size: 12pt; padding: 2px 4px; }
    QComboBox { font-size: 13pt; }
    QListWidget, QTableView, QHeaderView { font-size: 12pt; }
    QGroupBox { font-size: 12pt; }
    QMessageBox QLabel#qt_msgbox_label { font-size: 12pt; min-width: 380px; }
    QMessageBox QPushButton { min-width: 96px; }
  )";
}

}  // namespace forecast::pages
