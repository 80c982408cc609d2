#include "desktop/start_up.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace desktop {

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// What the guard holds while Qt starts: Qt's message handler is a plain function.
struct Waiting {
  std::string program;
  DisplayEnvironment env;
  QtMessageHandler previous = nullptr;
  // A message as Qt gave it; the context's strings are Qt's own and outlive the start-up.
  struct Message {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
  };
  std::vector<Message> messages;
  std::vector<std::string> reasons;
  // The plugin loader's words, for when no platform said anything (one that is not there at all).
  std::vector<std::string> loader_reasons;
  // The messages before this one tell of platforms that could not start.
  size_t failed_attempts_end = 0;
};
std::unique_ptr<Waiting> waiting;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Qt found no platform it could start and is about to abort.
    const std::string line =
        NoDisplayLine(waiting->program, waiting->env,
                      waiting->reasons.empty() ? waiting->loader_reasons : waiting->reasons);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }
  // Each platform that could not start says why; the plugin loader's own words are kept for when
  // nothing else was said.
  const bool plugin_loader = context.category != nullptr && std::string(context.category) == "qt.qpa.plugin";
  if (plugin_loader) {
    // A platform could not start: what was said until now was about it.
    waiting->failed_attempts_end = waiting->messages.size() + 1;
    waiting->loader_reasons.push_back(text.simplified().toStdString());
  } else if (type != QtDebugMsg && type != QtInfoMsg) {
    waiting->reasons.push_back(text.simplified().toStdString());
  }
  waiting->messages.push_back({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

DisplayEnvironment ReadDisplayEnvironment() {
  return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

std::string NoDisplayReason(const DisplayEnvironment& env) {
  if (!env.qt_platform.empty() || !env.display.empty() || !env.wayland_display.empty()) return {};
  return "no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session.";
}

std::string PlatformsToTry(const DisplayEnvironment& env) {
  if (!env.qt_platform.empty()) return {};
  // Every window's place is part of the layout, and only X11 lets a program place its windows.
  if (!env.display.empty()) return env.wayland_display.empty() ? "xcb" : "xcb;wayland";
  // Wayland is tried only where the session names its display: without one, its client library
  // would go looking for a default socket and write its own complaints.
  return env.wayland_display.empty() ? "xcb" : "wayland";
}

std::string DescribeDisplays(const DisplayEnvironment& env) {
  auto one = [](const char* name, const std::string& value) {
    return std::string(name) + (value.empty() ? " unset" : "=" + value);
  };
  std::string text = one("DISPLAY", env.display) + ", " + one("WAYLAND_DISPLAY", env.wayland_display);
  if (!env.qt_platform.empty()) text += ", " + one("QT_QPA_PLATFORM", env.qt_platform);
  return text;
}

std::string NoDisplayLine(const std::string& program, const DisplayEnvironment& env,
                          const std::vector<std::string>& reasons) {
  std::string line = program + ": no display could be opened (" + DescribeDisplays(env) + ")";
  std::string sep = ": ";
  for (const std::string& reason : reasons) {
    line += sep + reason;
    sep = "; ";
  }
  return line;
}

StartUpGuard::StartUpGuard(std::string program, const DisplayEnvironment& env) {
  waiting = std::make_unique<Waiting>(Waiting{std::move(program), env, nullptr, {}, {}, {}, 0});
  waiting->previous = qInstallMessageHandler(HoldMessage);
}

StartUpGuard::~StartUpGuard() {
  Started();
}

void StartUpGuard::Started() {
  if (waiting == nullptr) return;
  qInstallMessageHandler(waiting->previous);
  // Once a platform has started, the ones that could not before it are not worth a word.
  for (size_t i = waiting->failed_attempts_end; i < waiting->messages.size(); ++i) {
    const Waiting::Message& m = waiting->messages[i];
    qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
  }
  waiting.reset();
}

}  // namespace desktop
