#include "intake/read_warning.h"

#include <string>

namespace intake {

using model::Text;

namespace {

Text Digits(std::uint64_t n) {
  return model::FromUtf8(std::to_string(n));
}

Text WhatWasWrong(const RecordFileUse& file) {
  if (!file.opened) return u"開けません（ないか、通常のファイルでないか、読む権限がありません）";
  return Digits(file.size) + u" バイトしかありません（必要なのは " + Digits(file.needed) + u" バイトです）";
}

}  // namespace

Text ReadWarning(const Text& data, const std::vector<RecordFileUse>& files) {
  Text lines;
  for (const RecordFileUse& file : files) {
    if (file.Complete()) continue;
    lines += model::FromUtf8(file.path.filename().string()) + u"：" + WhatWasWrong(file) + u"\n";
  }
  if (lines.empty()) return Text();
  return data + u"の読込で、読めないファイルがありました。\n" + lines +
         u"読めなかった部分は空白として読込みました。デ\uFF0Dタを確かめて下さい。";
}

}  // namespace intake
