#include "desktop/message_boxes.h"

#include <QAbstractButton>
#include <QPushButton>

#include "desktop/painting.h"

namespace desktop {

namespace {

QString ButtonText(int answer) {
  switch (answer) {
    case ui::kOk:
      return QStringLiteral("OK");
    case ui::kCancel:
      return QStringLiteral("キャンセル");
    case ui::kAbort:
      return QStringLiteral("中止(&A)");
    case ui::kRetry:
      return QStringLiteral("再試行(&R)");
    case ui::kIgnore:
      return QStringLiteral("無視(&I)");
    case ui::kYes:
      return QStringLiteral("はい(&Y)");
    case ui::kNo:
      return QStringLiteral("いいえ(&N)");
    default:
      return QString();
  }
}

QMessageBox::ButtonRole RoleOf(int answer) {
  switch (answer) {
    case ui::kOk:
    case ui::kYes:
    case ui::kRetry:
      return QMessageBox::AcceptRole;
    case ui::kNo:
      return QMessageBox::NoRole;
    case ui::kCancel:
    case ui::kAbort:
      return QMessageBox::RejectRole;
    default:
      return QMessageBox::ActionRole;
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case ui::kCritical:
      return QMessageBox::Critical;
    case ui::kQuestion:
      return QMessageBox::Question;
    case ui::kExclamation:
      return QMessageBox::Warning;
    case ui::kInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const ui::Text& text, int style, const ui::Text& title,
                                            std::map<QAbstractButton*, int>& answers) {
  auto box = std::make_unique<QMessageBox>();
  // A box without a title of its own shows the program's name, as the platform does.
  box->setWindowTitle(title.empty() ? QStringLiteral("Tarvelo") : ToQString(title));
  box->setText(ToQString(text));
  box->setIcon(IconOf(style));
  answers.clear();
  QAbstractButton* escape = nullptr;
  std::vector<int> buttons = ui::ButtonsOf(style);
  for (size_t i = 0; i < buttons.size(); ++i) {
    QPushButton* button = box->addButton(ButtonText(buttons[i]), RoleOf(buttons[i]));
    answers[button] = buttons[i];
    if (i == 0) box->setDefaultButton(button);
    if (buttons[i] == ui::kCancel || buttons.size() == 1) escape = button;
  }
  box->setEscapeButton(escape);
  return box;
}

void ShowNotice(const QString& text) {
  std::map<QAbstractButton*, int> answers;
  MakeMessageBox(FromQString(text), ui::kOkOnly | ui::kInformation, u"", answers)->exec();
}

int DialogMessageBoxes::Ask(const ui::Text& text, int style, const ui::Text& title) {
  if (before_showing_) before_showing_();
  std::map<QAbstractButton*, int> answers;
  std::unique_ptr<QMessageBox> box = MakeMessageBox(text, style, title, answers);
  box->exec();
  auto it = answers.find(box->clickedButton());
  // A box closed without any of its buttons (it has no Cancel) answers with its first button.
  return it != answers.end() ? it->second : ui::ButtonsOf(style).front();
}

}  // namespace desktop
