#include "impedance/file_pickup.h"
#include "impedance/impedance_chain.h"
#include "impedance/impedance_conversion.h"
#include "impedance/impedance_files.h"
#include "impedance_test_folder.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace forecast::impedance {
namespace {

using testing::ImpedanceFolder;

class ImpedanceFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Prepare(session);
    folder.Write(folder.Data("IMPD.TXT"), "base text");
    folder.Write(folder.Data("IMPD.BIN"), "base binary");
    folder.Write(folder.Data("IMPD15.TXT"), "year 2015");
    folder.Write(folder.Data("IMPD20.TXT"), "year 2020");
    StartImpedanceChain(session);
    session.enteredImpedanceValues[1] = testing::MatchingControlValues();
  }
  // A converter that turns IMPD.TXT into IMPD.BIN and reports the given statistics.
  void ConverterWrites(std::string statistics) {
    processes.onRun = [this, statistics](const std::filesystem::path& folderPath, const std::string&) {
      folder.Write(folderPath / "IMPD.BIN", "converted " + folder.Read(folderPath / "IMPD.TXT"));
      folder.Write(folderPath / "impsetout.txt", statistics);
      return platform::ProgramRun{true, 0, {}};
    };
  }
  StatisticsWait NoWait() {
    StatisticsWait wait;
    wait.limit = std::chrono::milliseconds(0);
    return wait;
  }

  ImpedanceFolder folder;
  SessionState session;
  testing::FakeProcessRunner processes;
};

TEST_F(ImpedanceFilesTest, FirstPickUpBacksUpTheBaseYearAndCopiesTheUsersFile) {
  const PickUpOutcome outcome = PickUpImpedanceFile(session);
  EXPECT_EQ(outcome.kind, PickUpOutcome::Kind::Found);
  EXPECT_FALSE(session.impedanceBackupPending);
  EXPECT_EQ(folder.Read(folder.Data("IMPD_ORIG.TXT")), "base text");
  EXPECT_EQ(folder.Read(folder.Data("IMPD_ORIG.BIN")), "base binary");
  EXPECT_EQ(folder.Read(folder.Data("IMPD.TXT")), "year 2015");
}

TEST_F(ImpedanceFilesTest, PickUpFallbacks) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    PickUpOutcome::Kind kind;
    bool backupStillPending;
  };
  const std::vector<Case> cases = {
      {"missing user file stays", [&] { std::filesystem::remove(folder.Data("IMPD15.TXT")); },
       PickUpOutcome::Kind::NotFound, false},
      {"empty user file troubleshoots", [&] { folder.Write(folder.Data("IMPD15.TXT"), ""); },
       PickUpOutcome::Kind::Troubleshoot, false},
      {"missing base year troubleshoots", [&] { std::filesystem::remove(folder.Data("IMPD.BIN")); },
       PickUpOutcome::Kind::Troubleshoot, true},
      {"lower-case name is the same file",
       [&] { std::filesystem::rename(folder.Data("IMPD15.TXT"), folder.Data("impd15.txt")); },
       PickUpOutcome::Kind::Found, false},
  };
  for (const Case& c : cases) {
    SetUp();
    c.arrange();
    const PickUpOutcome outcome = PickUpImpedanceFile(session);
    EXPECT_EQ(outcome.kind, c.kind) << c.name;
    EXPECT_EQ(session.impedanceBackupPending, c.backupStillPending) << c.name;
    if (c.kind != PickUpOutcome::Kind::Found) {
      EXPECT_EQ(outcome.message, "Error! I'm Sorry, but ZANT II is unable to locate your2015 file.") << c.name;
    }
  }
}

TEST_F(ImpedanceFilesTest, AChainLeftUnfinishedKeepsTheBaseYearBackups) {
  ASSERT_EQ(PickUpImpedanceFile(session).kind, PickUpOutcome::Kind::Found);
  // The program ends here; the next session enters the chain again.
  SessionState next;
  folder.Prepare(next);
  StartImpedanceChain(next);
  ASSERT_EQ(PickUpImpedanceFile(next).kind, PickUpOutcome::Kind::Found);
  EXPECT_EQ(folder.Read(folder.Data("IMPD_ORIG.TXT")), "base text");
  EXPECT_EQ(folder.Read(folder.Data("IMPD_ORIG.BIN")), "base binary");
}

TEST_F(ImpedanceFilesTest, ConversionComparesWithTheEnteredValues) {
  ASSERT_EQ(PickUpImpedanceFile(session).kind, PickUpOutcome::Kind::Found);
  ConverterWrites(testing::MatchingStatistics());
  ConversionOutcome outcome = ConvertAndCheck(session, processes, NoWait());
  EXPECT_EQ(outcome.kind, ConversionOutcome::Kind::Checked);
  EXPECT_FALSE(outcome.discrepancy);
  EXPECT_FALSE(session.impedanceDiscrepancy);
  ASSERT_EQ(processes.runs.size(), 1u);
  EXPECT_EQ(processes.runs[0].program, "IMPD.exe");
  EXPECT_EQ(processes.runs[0].folder, folder.Path() / "DATA");

  session.enteredImpedanceValues[1].top[5] = "15,0";  // reads as 15; the converter found 15
  session.enteredImpedanceValues[1].bottom[0] = "40,5";  // reads as 40; the converter found 40.50
  outcome = ConvertAndCheck(session, processes, NoWait());
  EXPECT_TRUE(outcome.discrepancy);
  EXPECT_TRUE(session.impedanceDiscrepancy);
  EXPECT_EQ(outcome.message, kDiscrepancyMessage);
}

TEST_F(ImpedanceFilesTest, ConversionFailures) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"converter does not start",
       [&] { processes.onRun = [](auto&, auto&) { return platform::ProgramRun{false, -1, "missing"}; }; }, "end3"},
      {"no statistics within the wait, an old file is not taken",
       [&] {
         folder.Write(folder.Data("impsetout.txt"), testing::MatchingStatistics());
         processes.onRun = [](auto&, auto&) { return platform::ProgramRun{true, 0, {}}; };
       },
       "end3"},
      {"empty statistics", [&] { ConverterWrites(""); }, "end3"},
      {"five values on a block line",
       [&] { ConverterWrites("a = 1\r\nb = 2\r\nc = 3\r\nTop 1       1       2       3       4       5\r\n"); },
       "end4"},
      {"no DATA folder", [&] { std::filesystem::remove_all(folder.Path() / "DATA"); }, kUnreadableMessage},
  };
  for (const Case& c : cases) {
    SetUp();
    c.arrange();
    const ConversionOutcome outcome = ConvertAndCheck(session, processes, NoWait());
    EXPECT_EQ(outcome.kind, ConversionOutcome::Kind::Failed) << c.name;
    EXPECT_EQ(outcome.message, c.message) << c.name;
  }
}

TEST_F(ImpedanceFilesTest, TheWaitForStatisticsIsBoundedAndEndsWithThePage) {
  processes.onRun = [](auto&, auto&) { return platform::ProgramRun{true, 0, {}}; };
  StatisticsWait wait;
  wait.limit = std::chrono::milliseconds(200);
  int served = 0;
  wait.serveEvents = [&] { ++served; };
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ConvertAndCheck(session, processes, wait).message, "end3");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
  EXPECT_GT(served, 1);

  wait.limit = std::chrono::hours(1);
  wait.pageStillOpen = [] { return false; };
  EXPECT_EQ(ConvertAndCheck(session, processes, wait).message, "end3");
}

TEST_F(ImpedanceFilesTest, FilingAndTheEndOfTheChain) {
  ASSERT_EQ(PickUpImpedanceFile(session).kind, PickUpOutcome::Kind::Found);
  ConverterWrites(testing::MatchingStatistics());
  ASSERT_EQ(ConvertAndCheck(session, processes, NoWait()).kind, ConversionOutcome::Kind::Checked);
  ASSERT_TRUE(FileConvertedImpedance(session));
  EXPECT_EQ(folder.Read(folder.Data("IMPD15P1.BIN")), "converted year 2015");
  EXPECT_EQ(folder.Read(folder.Path() / "VORAN_SYS" / "FORECASTING" / "IMPD15P1.bin"), "converted year 2015");

  EXPECT_EQ(AdvanceImpedanceChain(session), ChainStep::NextFile);
  EXPECT_EQ(session.currentPeriodIndex, 2);
  ASSERT_EQ(PickUpImpedanceFile(session).kind, PickUpOutcome::Kind::Found);
  ASSERT_EQ(ConvertAndCheck(session, processes, NoWait()).kind, ConversionOutcome::Kind::Checked);
  ASSERT_TRUE(FileConvertedImpedance(session));
  EXPECT_EQ(folder.Read(folder.Data("IMPD20P1.BIN")), "converted year 2020");

  EXPECT_EQ(AdvanceImpedanceChain(session), ChainStep::Finished);
  EXPECT_EQ(session.previousPageName, "P7_26");
  EXPECT_EQ(folder.Read(folder.Data("IMPD.TXT")), "base text");
  EXPECT_EQ(folder.Read(folder.Data("IMPD.BIN")), "base binary");
}

TEST_F(ImpedanceFilesTest, NothingIsFiledWithoutAConvertedFile) {
  std::filesystem::remove(folder.Data("IMPD.BIN"));
  EXPECT_TRUE(FileConvertedImpedance(session));
  EXPECT_FALSE(folder.Exists(folder.Data("IMPD15P1.BIN")));
}

}  // namespace
}  // namespace forecast::impedance
