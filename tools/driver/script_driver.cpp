#include "tools/driver/script_driver.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "ui/capabilities.h"
#include "ui/controls.h"
#include "ui/file_lists.h"

namespace driver {

namespace {

// A line that cannot be carried out.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string Trim(std::string_view s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string_view::npos) return {};
  size_t e = s.find_last_not_of(" \t\r");
  return std::string(s.substr(b, e - b + 1));
}

// Splits off the first word; rest keeps what follows the blanks after it.
std::string NextWord(std::string& rest) {
  std::string s = Trim(rest);
  size_t end = s.find_first_of(" \t");
  std::string word = s.substr(0, end);
  rest = end == std::string::npos ? std::string() : Trim(s.substr(end));
  return word;
}

// A text argument: the rest of the line, or a JSON string literal when it starts with a quote.
model::Text TextArgument(const std::string& raw) {
  if (raw.empty() || raw.front() != '"') return model::FromUtf8(raw);
  if (raw.size() < 2 || raw.back() != '"') throw ScriptError("unterminated quoted text");
  std::string utf8;
  for (size_t i = 1; i + 1 < raw.size(); ++i) {
    char c = raw[i];
    if (c != '\\') {
      utf8 += c;
      continue;
    }
    if (++i + 1 > raw.size() - 1) throw ScriptError("bad escape in quoted text");
    switch (raw[i]) {
      case '"':
        utf8 += '"';
        break;
      case '\\':
        utf8 += '\\';
        break;
      case '/':
        utf8 += '/';
        break;
      case 'n':
        utf8 += '\n';
        break;
      case 't':
        utf8 += '\t';
        break;
      case 'r':
        utf8 += '\r';
        break;
      case 'u': {
        if (i + 4 >= raw.size()) throw ScriptError("bad \\u escape in quoted text");
        unsigned code = 0;
        auto [p, ec] = std::from_chars(raw.data() + i + 1, raw.data() + i + 5, code, 16);
        if (ec != std::errc() || p != raw.data() + i + 5) throw ScriptError("bad \\u escape in quoted text");
        utf8 += model::ToUtf8(std::u16string(1, static_cast<char16_t>(code)));
        i += 4;
        break;
      }
      default:
        throw ScriptError("bad escape in quoted text");
    }
  }
  return model::FromUtf8(utf8);
}

int IntArgument(const std::string& word, const char* what) {
  int value = 0;
  auto [p, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || ec != std::errc() || p != word.data() + word.size())
    throw ScriptError(std::string("bad ") + what + " \"" + word + "\"");
  return value;
}

double NumberArgument(const std::string& word, const char* what) {
  double value = 0;
  auto [p, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || ec != std::errc() || p != word.data() + word.size())
    throw ScriptError(std::string("bad ") + what + " \"" + word + "\"");
  return value;
}

// Words left over after a command's arguments make the line one that cannot be carried out.
void NoMoreArguments(const std::string& rest) {
  if (!rest.empty()) throw ScriptError("too many arguments: \"" + rest + "\"");
}

void Fact(std::ostream& out, const std::string& path, const std::string& value) {
  out << path << '\t' << value << '\n';
}

std::string PropertyPath(const std::string& prefix, const std::string& name) {
  return name.front() == '[' ? prefix + name : prefix + "." + name;
}

// Why a menu entry takes no click now: its window, a separator, or it or a menu above it disabled or
// hidden (as Menu::UserClick decides); empty when it takes one.
std::string WhatBlocksMenu(const ui::Menu& menu) {
  if (menu.IsSeparator()) return menu.Name() + " is a separator";
  for (const ui::Menu* m = &menu; m != nullptr; m = m->Parent()) {
    if (!m->Enabled()) return m->Name() + " is disabled";
    if (!m->Visible()) return m->Name() + " is hidden";
  }
  return {};
}

// Why a user's action cannot reach c now, as a user would see it ("frmAg2 is hidden", "Command3 is
// disabled"); empty when it can. Control::AcceptsUserInput decides; this only names the cause.
std::string WhatBlocks(const ui::Control& c) {
  const ui::Form& form = c.Owner();
  if (!form.Visible()) return form.Name() + " is hidden";
  if (!form.Enabled()) return form.Name() + " is disabled";
  if (c.Kind() == ui::ControlKind::kMenu) return WhatBlocksMenu(static_cast<const ui::Menu&>(c));
  if (c.AcceptsUserInput()) return {};
  for (const ui::Control* k = &c; k != nullptr; k = k->Container()) {
    if (!k->Enabled()) return k->Name() + " is disabled";
    if (!k->Visible()) return k->Name() + " is hidden";
    if (k->Kind() != ui::ControlKind::kTimer && !k->InView()) return k->Name() + " is out of view";
  }
  return c.Name() + " takes no input now";
}

class Runner {
 public:
  Runner(shell::App& app, std::ostream& out, std::ostream& err, const FrontendHooks& hooks)
      : app_(app), out_(out), err_(err), hooks_(hooks) {}

  // line: the script's line number number, trimmed.
  void Run(int number, const std::string& line) {
    number_ = number;
    line_ = line;
    std::string rest = line;
    std::string command = NextWord(rest);
    if (command == "click") return Click(rest);
    if (command == "folder") return Folder(rest);
    if (command == "mousedown") return MouseDown(rest);
    if (command == "select") return Select(rest);
    if (command == "type") return Type(rest);
    if (command == "tick") return Tick(rest);
    if (command == "answer") return Answer(rest);
    if (command == "dump") return Dump(rest);
    if (command == "shot") return Shot(rest);
    if (command == "printto") return PrintTo(rest);
    throw ScriptError("unknown command \"" + command + "\"");
  }

 private:
  // The control named FORM.CONTROL on its loaded window; null when the window is not loaded (a user
  // cannot reach it then). Unknown windows and controls are errors.
  ui::Control* Target(const std::string& word) {
    size_t dot = word.find('.');
    if (dot == std::string::npos) throw ScriptError("expected FORM.CONTROL, got \"" + word + "\"");
    std::string form_name = word.substr(0, dot), control_name = word.substr(dot + 1);
    ui::Form* form = app_.FindLoaded(form_name);
    if (form == nullptr) {
      std::unique_ptr<ui::Form> probe = app_.BuildUnloaded(form_name);
      if (!probe) throw ScriptError("unknown window \"" + form_name + "\"");
      if (probe->FindControl(control_name) == nullptr)
        throw ScriptError("unknown control \"" + control_name + "\" on " + form_name);
      return nullptr;
    }
    ui::Control* control = form->FindControl(control_name);
    if (control == nullptr) throw ScriptError("unknown control \"" + control_name + "\" on " + form_name);
    return control;
  }

  // A user's action that does nothing, as the mouse on a disabled control or a hidden window does
  // nothing: the script goes on, and says so.
  void Ignored(const std::string& why) {
    err_ << "line " << number_ << ": ignored, " << why << ": " << line_ << '\n';
  }
  // Says so when the action on c (null: on a window not loaded) will be ignored, before it is tried.
  void IgnoredUnlessReachable(const ui::Control* c, const std::string& target) {
    if (c == nullptr) return Ignored(target.substr(0, target.find('.')) + " is not loaded");
    if (std::string why = WhatBlocks(*c); !why.empty()) Ignored(why);
  }

  static ScriptError CannotDo(const char* action, const ui::Control& c) {
    return ScriptError(std::string("cannot ") + action + " " + c.Name() + " (a " + ui::KindName(c.Kind()) +
                       ")");
  }

  void Click(std::string rest) {
    const std::string target = NextWord(rest);
    ui::Control* c = Target(target);
    NoMoreArguments(rest);
    if (c != nullptr && c->AsClickable() == nullptr) throw CannotDo("click", *c);
    IgnoredUnlessReachable(c, target);
    if (c == nullptr) return;
    c->AsClickable()->UserClick();
  }

  void Folder(const std::string& rest) {
    if (rest.empty()) throw ScriptError("folder needs a PATH");
    // Unquoted, the path is the line's bytes as they stand, so that a folder whose name is not
    // UTF-8 can be named; quoted, it is text, as every quoted argument.
    const std::filesystem::path path =
        rest.front() == '"' ? ui::PathOfText(TextArgument(rest)) : std::filesystem::path(rest);
    for (ui::Form* form : app_.LoadedForms()) {
      for (ui::Control* c : form->Controls()) {
        ui::FolderPicker* folders = c->AsFolderPicker();
        if (folders == nullptr) continue;
        const std::string why = WhatBlocks(*c);
        try {
          folders->UserPick(path);
        } catch (const ui::PathError& e) {
          throw ScriptError(e.what());
        }
        if (!why.empty()) Ignored(why);
        return;
      }
    }
    throw ScriptError("no loaded window has a folder list");
  }

  void MouseDown(std::string rest) {
    const std::string target = NextWord(rest);
    ui::Control* c = Target(target);
    double x = NumberArgument(NextWord(rest), "X");
    double y = NumberArgument(NextWord(rest), "Y");
    std::string b = NextWord(rest), s = NextWord(rest);
    int button = b.empty() ? 1 : IntArgument(b, "BUTTON");
    int shift = s.empty() ? 0 : IntArgument(s, "SHIFT");
    NoMoreArguments(rest);
    if (c != nullptr && c->AsMousePressable() == nullptr) throw CannotDo("press the mouse on", *c);
    IgnoredUnlessReachable(c, target);
    if (c == nullptr) return;
    c->AsMousePressable()->UserMouseDown(button, shift, x, y);
  }

  void Select(std::string rest) {
    const std::string target = NextWord(rest);
    ui::Control* c = Target(target);
    int index = IntArgument(NextWord(rest), "INDEX");
    NoMoreArguments(rest);
    if (c == nullptr) return IgnoredUnlessReachable(c, target);
    ui::ListChoice* list = c->AsListChoice();
    if (list == nullptr) throw CannotDo("select in", *c);
    if (index < 0 || index >= list->ListCount())
      throw ScriptError(c->Name() + " has no entry " + std::to_string(index) + " (it has " +
                        std::to_string(list->ListCount()) + ")");
    IgnoredUnlessReachable(c, target);
    list->UserSelect(index);
  }

  void Type(std::string rest) {
    const std::string target = NextWord(rest);
    ui::Control* c = Target(target);
    model::Text text = TextArgument(rest);
    if (c != nullptr && c->AsTypeable() == nullptr) throw CannotDo("type into", *c);
    IgnoredUnlessReachable(c, target);
    if (c == nullptr) return;
    c->AsTypeable()->UserType(text);
  }

  void Tick(std::string rest) {
    ui::Control* c = Target(NextWord(rest));
    std::string n_word = NextWord(rest);
    int n = n_word.empty() ? 1 : IntArgument(n_word, "count");
    NoMoreArguments(rest);
    if (n < 0) throw ScriptError("bad count " + n_word);
    if (c == nullptr) return;
    if (c->AsTickable() == nullptr) throw CannotDo("tick", *c);
    std::string form_name = c->Owner().Name(), timer_name = c->Name();
    for (int i = 0; i < n; ++i) {
      // The timer's window may unload itself on a tick; look it up again each time.
      ui::Form* form = app_.FindLoaded(form_name);
      if (form == nullptr) return;
      ui::Control* timer = form->FindControl(timer_name);
      ui::Tickable* t = timer != nullptr ? timer->AsTickable() : nullptr;
      if (t == nullptr) return;
      t->Tick();
    }
  }

  void Answer(std::string rest) {
    std::string word = NextWord(rest);
    NoMoreArguments(rest);
    std::optional<int> answer = ui::ParseAnswerWord(word);
    if (!answer)
      throw ScriptError("unknown answer \"" + word + "\" (ok, cancel, abort, retry, ignore, yes, no)");
    ui::ScriptedMessageBoxes* boxes = app_.ScriptedAnswers();
    if (boxes == nullptr) throw ScriptError("message boxes are answered by the desktop, not the script");
    boxes->Queue(*answer);
  }

  void Dump(std::string rest) {
    std::string what = NextWord(rest);
    if (what == "table") {
      std::string name = NextWord(rest);
      NoMoreArguments(rest);
      if (!DumpTable(app_, name, out_)) throw ScriptError("unknown table \"" + name + "\"");
      return;
    }
    NoMoreArguments(rest);
    if (what == "forms") return DumpForms(app_, out_);
    if (what == "messages") return DumpMessages(app_, out_);
    if (what == "printed") return DumpPrinted(app_, out_);
    if (what.empty())
      throw ScriptError("dump needs FORM, FORM.CONTROL, table NAME, forms, messages or printed");
    size_t dot = what.find('.');
    std::string form_name = what.substr(0, dot);
    if (dot == std::string::npos) {
      if (app_.FindLoaded(form_name) == nullptr && !app_.IsRegistered(form_name))
        throw ScriptError("unknown window \"" + form_name + "\"");
      return DumpForm(app_, form_name, out_);
    }
    ui::Control* c = Target(what);
    if (c == nullptr) return Fact(out_, form_name + ".Loaded", "false");
    DumpControl(*c, out_);
  }

  void Shot(std::string rest) {
    std::string form = NextWord(rest), png = NextWord(rest);
    NoMoreArguments(rest);
    if (form.empty() || png.empty()) throw ScriptError("shot needs FORM and FILE.png");
    if (!hooks_.shot) throw ScriptError("shot needs the desktop frontend, which this build does not provide");
    std::string failure = hooks_.shot(app_, form, png);
    if (!failure.empty()) throw ScriptError(failure);
  }

  void PrintTo(std::string rest) {
    std::string pdf = NextWord(rest);
    NoMoreArguments(rest);
    if (pdf.empty()) throw ScriptError("printto needs FILE.pdf");
    if (!hooks_.print_to)
      throw ScriptError("printto needs the desktop frontend, which this build does not provide");
    std::string failure = hooks_.print_to(app_, pdf);
    if (!failure.empty()) throw ScriptError(failure);
  }

  shell::App& app_;
  std::ostream& out_;
  std::ostream& err_;
  const FrontendHooks& hooks_;
  int number_ = 0;
  std::string line_;
};

}  // namespace

std::string JsonString(const model::Text& text) {
  std::string out = "\"";
  size_t plain_from = 0;  // start of the run of characters copied as they are
  auto put = [&](size_t i, const char* escaped) {
    out += model::ToUtf8(std::u16string_view(text).substr(plain_from, i - plain_from));
    out += escaped;
    plain_from = i + 1;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool high = c >= 0xD800 && c < 0xDC00;
    const bool low = c >= 0xDC00 && c < 0xE000;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      ++i;  // a pair: one character beyond the 16-bit range
      continue;
    }
    if (c == u'"') {
      put(i, "\\\"");
    } else if (c == u'\\') {
      put(i, "\\\\");
    } else if (c == u'\n') {
      put(i, "\\n");
    } else if (c == u'\r') {
      put(i, "\\r");
    } else if (c == u'\t') {
      put(i, "\\t");
    } else if (c == u'\b') {
      put(i, "\\b");
    } else if (c == u'\f') {
      put(i, "\\f");
    } else if (c < 0x20 || high || low) {
      // Control characters, and a surrogate without its partner (which has no UTF-8 form).
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
      put(i, buf);
    }
  }
  put(text.size(), "\"");
  return out;
}

std::string PlainNumber(double value) {
  if (value == 0) return "0";  // also -0
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  char buf[400];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buf, end);
}

std::string ColorText(uint32_t color) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "&H%08X", color);
  return buf;
}

std::string ValueText(const ui::PropertyValue& value) {
  if (auto* b = std::get_if<bool>(&value)) return *b ? "true" : "false";
  if (auto* d = std::get_if<double>(&value)) return PlainNumber(*d);
  if (auto* t = std::get_if<model::Text>(&value)) return JsonString(*t);
  return ColorText(std::get<ui::ColorValue>(value).value);
}

void DumpControl(const ui::Control& control, std::ostream& out) {
  ui::PropertyList props;
  control.ListProperties(props);
  std::string prefix = control.Owner().Name() + "." + control.Name();
  for (const ui::Property& p : props) Fact(out, PropertyPath(prefix, p.name), ValueText(p.value));
}

void DumpForm(shell::App& app, const std::string& form_name, std::ostream& out) {
  ui::Form* form = app.FindLoaded(form_name);
  if (form == nullptr) return Fact(out, form_name + ".Loaded", "false");
  ui::PropertyList props;
  form->ListProperties(props);
  for (const ui::Property& p : props) Fact(out, PropertyPath(form_name, p.name), ValueText(p.value));
  for (const ui::Control* c : form->Controls()) DumpControl(*c, out);
}

void DumpForms(const shell::App& app, std::ostream& out) {
  const auto& forms = app.LoadedForms();
  Fact(out, "forms.Count", std::to_string(forms.size()));
  for (size_t i = 0; i < forms.size(); ++i) {
    std::string p = "forms[" + std::to_string(i + 1) + "]";
    Fact(out, p + ".Name", JsonString(model::FromUtf8(forms[i]->Name())));
    Fact(out, p + ".Visible", forms[i]->Visible() ? "true" : "false");
  }
}

void DumpMessages(const shell::App& app, std::ostream& out) {
  const auto& messages = app.Messages();
  Fact(out, "messages.Count", std::to_string(messages.size()));
  for (size_t i = 0; i < messages.size(); ++i) {
    const ui::MessageRecord& m = messages[i];
    std::string p = "messages[" + std::to_string(i + 1) + "]";
    Fact(out, p + ".Text", JsonString(m.text));
    Fact(out, p + ".Style", std::to_string(m.style));
    Fact(out, p + ".Buttons", JsonString(model::FromUtf8(ui::ButtonsWord(m.style))));
    Fact(out, p + ".Icon", JsonString(model::FromUtf8(ui::IconWord(m.style))));
    Fact(out, p + ".Title", JsonString(m.title));
    Fact(out, p + ".Answer", JsonString(model::FromUtf8(ui::AnswerWord(m.answer))));
  }
}

void DumpPrinted(const shell::App& app, std::ostream& out) {
  const auto& docs = app.printer.Documents();
  Fact(out, "printed.Count", std::to_string(docs.size()));
  for (size_t d = 0; d < docs.size(); ++d) {
    const ui::PrintedDocument& doc = docs[d];
    std::string p = "printed[" + std::to_string(d + 1) + "]";
    Fact(out, p + ".ScaleMode", std::to_string(doc.scale_mode));
    Fact(out, p + ".PaperSize", std::to_string(doc.paper_size));
    Fact(out, p + ".Orientation", std::to_string(doc.orientation));
    Fact(out, p + ".FontSize", PlainNumber(doc.font_size));
    Fact(out, p + ".Settings", std::to_string(doc.settings.size()));
    for (size_t k = 0; k < doc.settings.size(); ++k) {
      const std::string q = p + ".Setting[" + std::to_string(k + 1) + "]";
      Fact(out, q + ".Kind", JsonString(model::FromUtf8(ui::PrinterSettingName(doc.settings[k].kind))));
      Fact(out, q + ".Value", PlainNumber(doc.settings[k].value));
    }
    Fact(out, p + ".Ops", std::to_string(doc.ops.size()));
    for (size_t k = 0; k < doc.ops.size(); ++k) {
      const ui::DrawOp& op = doc.ops[k];
      std::string q = p + ".Op[" + std::to_string(k + 1) + "]";
      Fact(out, q + ".Kind", JsonString(model::FromUtf8(ui::DrawOpKindName(op.kind))));
      if (op.kind == ui::DrawOpKind::kText) {
        Fact(out, q + ".X", PlainNumber(op.x1));
        Fact(out, q + ".Y", PlainNumber(op.y1));
        Fact(out, q + ".Text", JsonString(op.text));
      } else {
        Fact(out, q + ".X1", PlainNumber(op.x1));
        Fact(out, q + ".Y1", PlainNumber(op.y1));
        Fact(out, q + ".X2", PlainNumber(op.x2));
        Fact(out, q + ".Y2", PlainNumber(op.y2));
      }
    }
  }
}

bool DumpTable(const shell::App& app, const std::string& name, std::ostream& out) {
  const model::TextTable* table = app.meeting.Registry().Find(name);
  if (table == nullptr) return false;
  for (size_t flat = 0; flat < table->CellCount(); ++flat) {
    std::vector<int> idx = table->IndicesOf(flat);
    std::string path = name;
    if (!idx.empty()) {
      path += "[";
      for (size_t i = 0; i < idx.size(); ++i) path += (i ? "," : "") + std::to_string(idx[i]);
      path += "]";
    }
    Fact(out, path, JsonString(table->CellAt(flat)));
  }
  return true;
}

int RunScript(shell::App& app, std::istream& script, std::ostream& out, std::ostream& err,
              const FrontendHooks& hooks, const ScriptOptions& options) {
  Runner runner(app, out, err, hooks);
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    try {
      const auto start = std::chrono::steady_clock::now();
      runner.Run(number, trimmed);
      if (options.timing) {
        const auto micros =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
        err << "line " << number << ": " << micros.count() << " us: " << trimmed << '\n';
      }
    } catch (const std::exception& e) {
      out.flush();
      err << "line " << number << ": " << e.what() << ": " << trimmed << '\n';
      return 1;
    }
  }
  out.flush();
  return 0;
}

}  // namespace driver
