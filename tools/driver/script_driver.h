#pragma once
// The headless script driver: acts on a running App as a user would and prints what the program
// shows, one fact per line as PATH<TAB>VALUE.

#include <functional>
#include <iosfwd>
#include <string>

#include "shell/app.h"

namespace driver {

// Optional frontend hooks for the commands that need a real renderer. Each returns an empty text
// on success, else the reason for failure; an unset hook makes the command fail with a clear message.
struct FrontendHooks {
  std::function<std::string(shell::App&, const std::string& form, const std::string& png)> shot;
  std::function<std::string(shell::App&, const std::string& pdf)> print_to;
};

struct ScriptOptions {
  // After each line carried out, writes its wall time to err as "line N: MICROSECONDS us: <line>",
  // so that the cost of every user action can be measured.
  bool timing = false;
};

// Runs every line of script against app, which must already be started. Returns 0 when every line
// was carried out; otherwise writes "line N: <reason>: <line>" to err and returns 1 at that line. A
// user's action that the program ignores (its control disabled, hidden or out of view, its window
// hidden or not loaded) does nothing and writes "line N: ignored, <why>: <line>" to err.
int RunScript(shell::App& app, std::istream& script, std::ostream& out, std::ostream& err,
              const FrontendHooks& hooks = {}, const ScriptOptions& options = {});

// Printing helpers (also for tests): a text as a JSON string literal in UTF-8, a number in plain
// decimal, a colour as &H and eight upper-case hex digits.
std::string JsonString(const model::Text& text);
std::string PlainNumber(double value);
std::string ColorText(uint32_t color);
std::string ValueText(const ui::PropertyValue& value);

// The dumps, as the commands print them.
void DumpForm(shell::App& app, const std::string& form_name, std::ostream& out);
void DumpControl(const ui::Control& control, std::ostream& out);
void DumpForms(const shell::App& app, std::ostream& out);
void DumpMessages(const shell::App& app, std::ostream& out);
void DumpPrinted(const shell::App& app, std::ostream& out);
// False when no shared table has that name.
bool DumpTable(const shell::App& app, const std::string& name, std::ostream& out);

}  // namespace driver
