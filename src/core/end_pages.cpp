#include "core/end_pages.h"

#include "core/exit_targets.h"
#include "core/handoff_files.h"
#include "inputs/region_files.h"
#include "platform/text_file.h"

namespace forecast {

void PressExit(AppServices& app, std::string_view formName) {
  if (const auto target = ExitTargetFor(formName)) {
    app.session.exitBackPageName = std::string(target->exitBackPageName);
    app.session.resumePageName = std::string(target->resumePageName);
  }
  app.navigator.ShowExitPage();
}

void WelcomeContinue(AppServices& app) {
  app.session.previousPageName = "P7_1";
  app.navigator.ShowPage("P7_2");
}

void WelcomeBack(AppServices& app) {
  if (app.session.previousPageName == "P7_8_4") {
    // The projections page itself: the registry sends the name P7_8_4 to the new-run page.
    app.navigator.ShowForm("P7_8_4");
    return;
  }
  WriteHandoffFile(app.session.appFolder, kCalibrationHandoffFile, "P6_11");
  if (app.processes.StartSibling(app.session.appFolder, kCalibrationProgram)) {
    app.navigator.EndProgram();
  } else {
    app.messages.Show(kSystemErrorMessage, kVoranTitle);
  }
}

void ExitPageExit(AppServices& app) {
  WriteHandoffFile(app.session.appFolder, kResumeFile, app.session.resumePageName);
  app.session.inputDatabase.reset();
  app.navigator.EndProgram();
}

void ExitPageReturn(AppServices& app) {
  platform::RemoveFileIfExists(inputs::RegionFile(app.session.appFolder, kDataEntryHandoffFile));
  WriteHandoffFile(app.session.appFolder, kDataEntryHandoffFile, "p0_2");
  // A data-entry program that cannot be started is reported, so the user is not left wondering.
  if (!app.processes.StartSibling(app.session.appFolder, kDataEntryProgram)) {
    app.messages.Show(kSystemErrorMessage, kVoranTitle);
  }
  app.navigator.EndProgram();
}

void ExitPageBack(AppServices& app) { app.navigator.ShowPage(app.session.exitBackPageName); }

void EndPageBack(AppServices& app) { app.navigator.ShowPage("P7_8_1"); }

}  // namespace forecast
