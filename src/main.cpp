#include "core/command_line.h"
#include "core/handoff_files.h"
#include "core/pages/end_pages.h"
#include "core/pages/wizard_window.h"
#include "core/startup.h"
#include "impedance/pages/impedance_pages.h"
#include "policy/pages/constraint_pages.h"
#include "policy/projections/pages/policy_input_pages.h"
#include "results/pages/results_pages.h"
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
  (void)argc;
  (void)argv;
  (void)line;
  return 2;
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
