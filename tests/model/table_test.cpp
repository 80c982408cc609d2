#include <gtest/gtest.h>

#include "model/meeting.h"

namespace model {
namespace {

TEST(TextTable, IsOneBasedBoundsCheckedAndStartsEmpty) {
  RunnerTable t;
  EXPECT_EQ(t(1, 1), u"");
  t(12, 28) = u"x";
  EXPECT_EQ(t(12, 28), u"x");
  EXPECT_THROW(t(0, 1), std::out_of_range);
  EXPECT_THROW(t(13, 1), std::out_of_range);
  EXPECT_THROW(t(1, 29), std::out_of_range);
  EXPECT_EQ(t.CellCount(), 12u * 28u);
  EXPECT_EQ(t.IndicesOf(28), (std::vector<int>{2, 1}));
}

TEST(TableRegistry, FindsMeetingTablesByName) {
  Meeting m;
  m.card.HorseName(3, 4) = u"サクラ";
  TextTable* t = m.Registry().Find("HorseName");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ((*t)(3, 4), u"サクラ");
  EXPECT_EQ(m.Registry().Find("NoSuchTable"), nullptr);
}

TEST(Family, RegistersEachMemberUnderItsOwnName) {
  Family<RunnerTable> runs;
  TableRegistry r;
  r.AddFamily("RunCourseName", runs);
  runs[3](1, 1) = u"東京";
  EXPECT_EQ((*r.Find("RunCourseName3"))(1, 1), u"東京");
  EXPECT_THROW(runs[6], std::out_of_range);
}

}  // namespace
}  // namespace model
