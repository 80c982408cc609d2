#pragma once
// Small platform services: the screen and its mouse pointer, and message boxes behind an interface
// (answered from a queue headless, by a real dialog in the frontend).

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class Screen {
 public:
  static constexpr double kTwipsPerPixel = 15;
  // Size in twips; 1920 x 1080 pixels unless set.
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetSizePixels(int width, int height);
  double TwipsPerPixelX() const { return kTwipsPerPixel; }
  double TwipsPerPixelY() const { return kTwipsPerPixel; }
  // 0 default, 11 hourglass.
  int MousePointer() const { return mouse_pointer_; }
  void SetMousePointer(int pointer);
  // Told of every change of the pointer at once, so that the desktop shows the hourglass while a long
  // step still runs.
  void SetPointerWatcher(std::function<void(int)> watcher) { pointer_watcher_ = std::move(watcher); }

 private:
  double width_ = 1920 * kTwipsPerPixel;
  double height_ = 1080 * kTwipsPerPixel;
  int mouse_pointer_ = 0;
  std::function<void(int)> pointer_watcher_;
};

// Message box style bits as the platform's: buttons in the low bits, the icon above.
// (plain numbers, so that a style reads as the platform's sum, such as kRetryCancel + kInformation).
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kAbortRetryIgnore = 2;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
// Answers.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kAbort = 3;
inline constexpr int kRetry = 4;
inline constexpr int kIgnore = 5;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;

// The answers a style offers, in the order shown (the first is the default).
std::vector<int> ButtonsOf(int style);
// "ok", "cancel", "abort", "retry", "ignore", "yes", "no"; parsing gives nothing for other words.
const char* AnswerWord(int answer);
std::optional<int> ParseAnswerWord(const std::string& word);
// "ok", "okcancel", "abortretryignore", "yesnocancel", "yesno", "retrycancel".
const char* ButtonsWord(int style);
// "none", "critical", "question", "exclamation", "information".
const char* IconWord(int style);

struct MessageRecord {
  Text text;
  int style = 0;
  Text title;
  int answer = 0;
};

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows the box and returns the answer (an MsgBoxResult).
  virtual int Ask(const Text& text, int style, const Text& title) = 0;
};

// Answers from a queue; without a queued answer, with the box's first button. A queued answer the box
// does not offer throws std::invalid_argument.
class ScriptedMessageBoxes : public MessageBoxService {
 public:
  void Queue(int answer) { answers_.push_back(answer); }
  size_t Pending() const { return answers_.size(); }
  int Ask(const Text& text, int style, const Text& title) override;

 private:
  std::deque<int> answers_;
};

}  // namespace ui
