#include "policy/constraint_flow.h"
#include "policy/constraint_selection.h"

#include <gtest/gtest.h>

namespace forecast::policy {
namespace {

TEST(ApplyYearChoices, StoresTheBoxesAndListsGridsEmployeesFirst) {
  SessionState session;
  session.regionSettings.currentDataYear = "2000";
  session.regionSettings.lagDataYear = "1995";
  SetConstraintSelected(session, 2, 1, ConstraintGroup::Employee, true);
  const std::vector<ConstraintEntry> entries =
      ApplyYearChoices(session, 2, {{false, false}, {true, true}, {false, true}});
  EXPECT_EQ(entries, (std::vector<ConstraintEntry>{{2, 2010, ConstraintGroup::Employee},
                                                   {2, 2010, ConstraintGroup::Household},
                                                   {2, 2015, ConstraintGroup::Household}}));
  EXPECT_FALSE(IsConstraintSelected(session, 2, 1, ConstraintGroup::Employee));  // unchecked again
  EXPECT_TRUE(IsConstraintSelected(session, 2, 3, ConstraintGroup::Household));
  EXPECT_FALSE(IsConstraintSelected(session, 2, 3, ConstraintGroup::Employee));
}

TEST(DialogWalk, ContinueBackAndExitMoveThroughTheList) {
  using Step = DialogWalk::Step;
  DialogWalk walk(3);
  EXPECT_EQ(walk.Start(), Step::Show);
  EXPECT_EQ(walk.After(PageResult::Continue), Step::Show);
  EXPECT_EQ(walk.Current(), 1);
  EXPECT_EQ(walk.After(PageResult::Back), Step::Show);
  EXPECT_EQ(walk.Current(), 0);
  EXPECT_EQ(walk.After(PageResult::Back), Step::BackedOut);
  walk.Start();
  walk.After(PageResult::Continue);
  walk.After(PageResult::Continue);
  EXPECT_EQ(walk.After(PageResult::Continue), Step::Finished);
  EXPECT_EQ(walk.After(PageResult::Exit), Step::Exited);
  EXPECT_EQ(DialogWalk(0).Start(), Step::Finished);
}

}  // namespace
}  // namespace forecast::policy
