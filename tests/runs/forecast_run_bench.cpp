// Times GO on the forecast page with the real model programs: writes a demo
// region, runs the file check and writes the cards once, then runs the forecast
// of every period again and again and prints each round's time.
//   forecast_run_bench FOLDER [zones] [employment categories] [household categories] [rounds]
#include "core/startup.h"
#include "inputs/demo_region.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/process_runner.h"
#include "runs/file_check.h"
#include "runs/forecast_run.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace forecast;

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

int Argument(int argc, char** argv, int index, int otherwise) {
  return index < argc ? std::atoi(argv[index]) : otherwise;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [zones] [employment categories] [household categories] [rounds]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
  inputs::DemoRegionOptions options;
  options.zones = Argument(argc, argv, 2, 499);
  options.employmentCategories = Argument(argc, argv, 3, 8);
  options.householdCategories = Argument(argc, argv, 4, 8);
  options.periods = 6;
  const int rounds = std::max(1, Argument(argc, argv, 5, 5));

  std::string error;
  if (!inputs::WriteDemoRegion(folder, options, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  SessionState session;
  const StartupResult started = RunStartup(session, folder);
  if (!started.ok) {
    std::fprintf(stderr, "%s\n", started.error.c_str());
    return 1;
  }
  platform::StderrMessages messages;
  platform::QtProcessRunner processes{folder};
  platform::SystemClock clock;
  NoPages pages;
  AppServices app{session, messages, processes, clock, pages};
  if (runs::RunFileCheck(app, {}) != runs::FileCheckOutcome::Done || !runs::WriteAllCards(app) ||
      !runs::CopySettingsForModels(session)) {
    return 1;
  }

  const int periods = runs::RunPeriodCount(session);
  std::printf("GO on P7_8: %d zones, %d periods, %d employment and %d household categories\n", options.zones, periods,
              options.employmentCategories, options.householdCategories);
  std::vector<double> totals;
  for (int round = 1; round <= rounds; ++round) {
    std::vector<double> perPeriod;
    auto periodStart = std::chrono::steady_clock::now();
    runs::ForecastProgress progress;
    progress.periodFinished = [&](int) {
      const auto now = std::chrono::steady_clock::now();
      perPeriod.push_back(Seconds(now - periodStart));
      periodStart = now;
    };
    const auto start = std::chrono::steady_clock::now();
    if (runs::RunForecast(app, progress) != runs::ForecastOutcome::Completed) return 1;
    totals.push_back(Seconds(std::chrono::steady_clock::now() - start));
    std::printf("  round %d: %.3f s (periods:", round, totals.back());
    for (double seconds : perPeriod) std::printf(" %.3f", seconds);
    std::printf(")\n");
  }
  std::vector<double> sorted = totals;
  std::sort(sorted.begin(), sorted.end());
  std::printf("median %.3f s, fastest %.3f s over %d rounds (target: under 2 s)\n", sorted[sorted.size() / 2],
              sorted.front(), rounds);
  return 0;
}
