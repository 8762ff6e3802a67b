#include "core/command_line.h"
#include "core/handoff_files.h"
#include "core/pages/end_pages.h"
#include "core/pages/wizard_window.h"
#include "core/startup.h"
#include "impedance/pages/impedance_pages.h"
#include "policy/pages/constraint_pages.h"
#include "policy/projections/pages/policy_input_pages.h"
#include "results/pages/report_pdf.h"
#include "results/pages/results_pages.h"
#include "results/report_text.h"
#include "runs/batch_forecast.h"
#include "runs/pages/run_pages.h"
#include "platform/clock.h"
#include "platform/process_runner.h"
#include "platform/qt_message_box.h"

#include <QApplication>
#include <QScreen>

#include <iostream>

namespace {

int OpenWizard(int& argc, char** argv, const forecast::CommandLine& line) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("forecast");
  application.setStyleSheet(forecast::pages::ApplicationStyleSheet());

  forecast::platform::QtMessageBox messages;
  const std::filesystem::path appFolder =
      line.appFolder.empty() ? forecast::platform::ExecutableFolder() : std::filesystem::absolute(line.appFolder);

  if (line.writeDemoFirst && !forecast::HoldsRegion(appFolder)) {
    std::string error;
    std::filesystem::create_directories(appFolder);
    if (!forecast::inputs::WriteDemoRegion(appFolder, line.demo, &error)) {
      messages.Show("The demo region cannot be written: " + error, "VORAN");
      return 1;
    }
  }

  forecast::SessionState session;
  const forecast::StartupResult started = forecast::RunStartup(session, appFolder);
  if (!started.ok) {
    std::cerr << "forecast: " << started.error << '\n';
    messages.Show("The forecasting unit cannot start.\n\n" + started.error, "VORAN");
    return 1;
  }

  forecast::pages::PageFactories factories;
  forecast::pages::RegisterEndPages(factories);
  forecast::pages::RegisterPolicyInputPages(factories);
  forecast::pages::RegisterImpedancePages(factories);
  forecast::pages::RegisterConstraintPages(factories);
  forecast::pages::RegisterRunPages(factories);
  forecast::pages::RegisterResultsPages(factories);

  forecast::platform::QtProcessRunner processes(appFolder);
  forecast::platform::SystemClock clock;
  forecast::pages::WizardWindow window(factories);
  forecast::AppServices app{session, messages, processes, clock, window};
  window.SetServices(&app);
  window.ShowForm(forecast::StartForm(appFolder));
  // Without a window manager a maximised window keeps its size; fill the screen anyway.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
  window.showMaximized();
  return QApplication::exec();
}

int PrintReport(int& argc, char** argv, const forecast::CommandLine& line) {
  // The PDF is drawn with the pages' widgets; without a display they are drawn offscreen.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // Only the report and its messages belong on the terminal, not the toolkit's notes.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type >= QtCriticalMsg) std::cerr << text.toStdString() << std::endl;
  });
  QApplication application(argc, argv);
  application.setStyleSheet(forecast::pages::ApplicationStyleSheet());
  forecast::platform::StderrMessages messages;
  forecast::SessionState session;
  const forecast::StartupResult started = forecast::RunStartup(session, std::filesystem::absolute(line.appFolder));
  if (!started.ok) {
    messages.Show(started.error, "VORAN");
    return 1;
  }
  if (!forecast::results::ChooseReviewByCode(session, line.runCode, line.period, messages)) return 1;
  forecast::results::CategoryChangePage page1;
  if (!forecast::results::ComputeCategoryChangePage(session, &page1)) {
    messages.Show(forecast::results::kRunNotCompletedMessage, "VORAN");
    return 1;
  }
  const auto page2 = forecast::results::ComputeTotalsChangePage(session);
  const auto page3 = forecast::results::ComputeRatiosPage(session);
  for (const std::string& text : forecast::results::ReportText(session, page1, page2, page3)) std::cout << text << '\n';
  std::cout.flush();
  if (!line.pdfFile.empty()) {
    forecast::NoPages pages;
    forecast::platform::SystemClock clock;
    forecast::platform::QtProcessRunner processes(session.appFolder);
    forecast::AppServices app{session, messages, processes, clock, pages};
    const QString file = QString::fromStdString(std::filesystem::absolute(line.pdfFile).string());
    if (!forecast::pages::WriteReportPdf(app, file)) {
      messages.Show("The report cannot be written to " + file.toStdString() + ".", "VORAN");
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const forecast::CommandLine line = forecast::ParseCommandLine(arguments);
  switch (line.action) {
    case forecast::CommandLine::Action::Help:
      std::cout << forecast::UsageText();
      return 0;
    case forecast::CommandLine::Action::Version:
      std::cout << "forecast " << FORECAST_VERSION << '\n';
      return 0;
    case forecast::CommandLine::Action::Error:
      std::cerr << "forecast: " << line.error << "\n\n" << forecast::UsageText();
      return 2;
    case forecast::CommandLine::Action::MakeDemo: {
      std::string error;
      if (!forecast::inputs::WriteDemoRegion(line.appFolder, line.demo, &error)) {
        std::cerr << "forecast: " << error << '\n';
        return 1;
      }
      std::cout << "Demo region written to " << line.appFolder.string() << '\n';
      return 0;
    }
    case forecast::CommandLine::Action::Batch: {
      QCoreApplication application(argc, argv);
      forecast::platform::StderrMessages messages;
      forecast::platform::QtProcessRunner processes(std::filesystem::absolute(line.appFolder));
      return forecast::runs::RunBatchForecast(line, std::cout, messages, processes);
    }
    case forecast::CommandLine::Action::Report:
      return PrintReport(argc, argv, line);
    case forecast::CommandLine::Action::OpenWizard:
      break;
  }
  return OpenWizard(argc, argv, line);
}
