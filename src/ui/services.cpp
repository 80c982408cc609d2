#include "ui/services.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

void Screen::SetSizePixels(int width, int height) {
  width_ = width * kTwipsPerPixel;
  height_ = height * kTwipsPerPixel;
}

void Screen::SetMousePointer(int pointer) {
  mouse_pointer_ = pointer;
  if (pointer_watcher_) pointer_watcher_(pointer);
}

std::vector<int> ButtonsOf(int style) {
  switch (style & 7) {
    case kOkCancel:
      return {kOk, kCancel};
    case kAbortRetryIgnore:
      return {kAbort, kRetry, kIgnore};
    case kYesNoCancel:
      return {kYes, kNo, kCancel};
    case kYesNo:
      return {kYes, kNo};
    case kRetryCancel:
      return {kRetry, kCancel};
    default:
      return {kOk};
  }
}

const char* AnswerWord(int answer) {
  switch (answer) {
    case kOk:
      return "ok";
    case kCancel:
      return "cancel";
    case kAbort:
      return "abort";
    case kRetry:
      return "retry";
    case kIgnore:
      return "ignore";
    case kYes:
      return "yes";
    case kNo:
      return "no";
    default:
      return "";
  }
}

std::optional<int> ParseAnswerWord(const std::string& word) {
  for (int answer = kOk; answer <= kNo; ++answer)
    if (word == AnswerWord(answer)) return answer;
  return std::nullopt;
}

const char* ButtonsWord(int style) {
  switch (style & 7) {
    case kOkCancel:
      return "okcancel";
    case kAbortRetryIgnore:
      return "abortretryignore";
    case kYesNoCancel:
      return "yesnocancel";
    case kYesNo:
      return "yesno";
    case kRetryCancel:
      return "retrycancel";
    default:
      return "ok";
  }
}

const char* IconWord(int style) {
  switch (style & 0x70) {
    case kCritical:
      return "critical";
    case kQuestion:
      return "question";
    case kExclamation:
      return "exclamation";
    case kInformation:
      return "information";
    default:
      return "none";
  }
}

int ScriptedMessageBoxes::Ask(const Text& /*text*/, int style, const Text& /*title*/) {
  std::vector<int> buttons = ButtonsOf(style);
  if (answers_.empty()) return buttons.front();
  int answer = answers_.front();
  answers_.pop_front();
  if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
    throw std::invalid_argument(std::string("the message box has no button \"") + AnswerWord(answer) +
                                "\" (it offers " + ButtonsWord(style) + ")");
  }
  return answer;
}

}  // namespace ui
