// Message boxes as dialogs: the model's buttons in order with the first as default, its icon, and the
// answer of the button the user presses.
#include "desktop/message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "tests/desktop/qt_fixture.h"

namespace desktop::testing {
namespace {

TEST(MessageBoxTest, ButtonsIconAndKeysFollowTheStyle) {
  Application();
  struct Case {
    int style;
    std::vector<QString> buttons;
    QMessageBox::Icon icon;
    QString escape;
  };
  const Case cases[] = {
      {69, {"再試行(&R)", "キャンセル"}, QMessageBox::Information, "キャンセル"},
      {0, {"OK"}, QMessageBox::NoIcon, "OK"},
      {4 + 32, {"はい(&Y)", "いいえ(&N)"}, QMessageBox::Question, ""},
      {2 + 16, {"中止(&A)", "再試行(&R)", "無視(&I)"}, QMessageBox::Critical, ""},
      {3 + 48, {"はい(&Y)", "いいえ(&N)", "キャンセル"}, QMessageBox::Warning, "キャンセル"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    std::map<QAbstractButton*, int> answers;
    auto box = MakeMessageBox(u"本文", c.style, u"", answers);
    std::vector<int> expected = ui::ButtonsOf(c.style);
    ASSERT_EQ(box->buttons().size(), static_cast<qsizetype>(c.buttons.size()));
    for (size_t i = 0; i < c.buttons.size(); ++i) {
      auto it = std::find_if(answers.begin(), answers.end(),
                             [&](const auto& a) { return a.second == expected[i]; });
      ASSERT_NE(it, answers.end());
      EXPECT_EQ(it->first->text(), c.buttons[i]);
    }
    EXPECT_EQ(answers[static_cast<QAbstractButton*>(box->defaultButton())], expected.front());
    EXPECT_EQ(box->icon(), c.icon);
    EXPECT_EQ(box->escapeButton() ? box->escapeButton()->text() : QString(), c.escape);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Tarvelo"));
    EXPECT_EQ(box->text(), QStringLiteral("本文"));
  }
}

TEST(MessageBoxTest, AskReturnsThePressedButtonsAnswer) {
  Application();
  bool synced = false;
  DialogMessageBoxes boxes([&] { synced = true; });
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* b : box->buttons())
      if (b->text() == QStringLiteral("キャンセル")) b->click();
  });
  EXPECT_EQ(boxes.Ask(u"ドライブを読めません", 69, u""), ui::kCancel);
  EXPECT_TRUE(synced);
}

}  // namespace
}  // namespace desktop::testing
