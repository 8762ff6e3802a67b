#include "core/exit_targets.h"
#include "core/handoff_files.h"
#include "core/page_registry.h"
#include "platform/text_file.h"
#include "support/region_fixture.h"

#include <gtest/gtest.h>

namespace forecast {
namespace {

TEST(PageRegistry, NamesAreComparedExactly) {
  const struct {
    const char* name;
    const char* form;
  } cases[] = {
      {"P7_4", "p7_4"},       {"p7_4", "p7_1"},       {"P7_8_3", "p7_8_1"}, {"P7_8_4", "p7_8_1"},
      {"P7_8_1a", "p7_8_1"},  {"P7_10", "p7_1"},      {"", "p7_1"},         {"P7_26_1", "p7_1"},
      {"MAPIT_7_1", "mapit_7_1"}, {"P7_5A_2", "P7_5a_2"}, {"P7_5_4", "p7_1"}, {"P7_2a", "p7_2a"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormForPageName(c.name), c.form) << c.name;
  for (const std::string& reserved : ReservedPageNames()) EXPECT_EQ(FormForPageName(reserved), "p7_1") << reserved;
}

TEST(PageRegistry, PageLabelsSpellTheNameWithPoints) {
  EXPECT_EQ(PageLabel("P7_8"), "P7.8");
  EXPECT_EQ(PageLabel("P7_e"), "P7.E");
  EXPECT_EQ(PageLabel("p7_30_4"), "P7.30.4");
}

TEST(ExitTargets, FollowTheTableOfPages) {
  const struct {
    const char* form;
    const char* back;
    const char* resume;
  } cases[] = {{"p7_1", "P7_1", "P7_1"},       {"P7_8", "P7_8", "P7_7"},         {"P7_24", "P7_23", "P7_14"},
               {"p7_8_1", "P7_30_4", "P7_8_1"}, {"P7_5_4", "P7_5_3", "P7_5_4"}, {"P7_27", "p5_32_c", "p5_31"},
               {"P7_50", "P7_50", "P7_8_1"}};
  for (const auto& c : cases) {
    const auto target = ExitTargetFor(c.form);
    ASSERT_TRUE(target) << c.form;
    EXPECT_EQ(target->exitBackPageName, c.back) << c.form;
    EXPECT_EQ(target->resumePageName, c.resume) << c.form;
  }
  EXPECT_FALSE(ExitTargetFor("P7_5_C"));
}

TEST(StartForm, ResumesAtTheRegisteredPageOrTheWelcomePage) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "VORAN_SYS");
  EXPECT_EQ(StartForm(dir.Path()), "p7_1");  // no progress4.txt
  const struct {
    std::vector<std::string> lines;
    const char* form;
  } cases[] = {{{"P7_4"}, "p7_4"},
               {{"P7_8_3", "ignored"}, "p7_8_1"},
               {{}, "p7_1"},
               {{"P7_10"}, "p7_1"},
               {std::vector<std::string>(101, "P7_4"), "p7_1"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(platform::WriteTextLines(dir.Path() / "VORAN_SYS" / "progress4.txt", c.lines));
    EXPECT_EQ(StartForm(dir.Path()), c.form) << (c.lines.empty() ? "" : c.lines[0]);
  }
}

}  // namespace
}  // namespace forecast
