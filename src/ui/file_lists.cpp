#include "ui/file_lists.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "ui/desktop.h"

namespace ui {

namespace fs = std::filesystem;

namespace {

fs::path ToPath(const Text& path) {
  return fs::path(model::ToUtf8(path));
}
Text FromPath(const fs::path& path) {
  return model::FromUtf8(path.generic_string());
}

char16_t Lower(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Glob match of one pattern with * and ?, ASCII letter case ignored.
bool GlobMatch(std::u16string_view name, std::u16string_view pattern) {
  size_t n = 0, p = 0, star = std::u16string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == u'?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      star = p++;
      mark = n;
    } else if (star != std::u16string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

// The index of entry in entries, -1 when it is not there.
int IndexOf(const std::vector<Text>& entries, const Text& entry) {
  auto it = std::find(entries.begin(), entries.end(), entry);
  return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

bool LessIgnoringCase(const Text& a, const Text& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    char16_t x = Lower(a[i]), y = Lower(b[i]);
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

template <class Keep>
std::vector<Text> ListFolder(const Text& path, Keep keep) {
  std::vector<Text> names;
  std::error_code ec;
  fs::directory_iterator it(ToPath(path), ec);
  if (ec) throw PathError(ec.message());
  // Advancing with an error code: a folder that fails part-way through its listing is reported like
  // one that cannot be opened, never as an exception the callers do not expect.
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code type_ec;
    if (keep(*it, type_ec)) names.push_back(model::FromUtf8(it->path().filename().string()));
  }
  if (ec) throw PathError(ec.message());
  return names;
}

}  // namespace

std::vector<Text> RealFileSystem::Drives() {
  return {u"/"};
}

Text RealFileSystem::CurrentFolder() {
  std::error_code ec;
  fs::path cwd = fs::current_path(ec);
  if (ec) return u"/";
  return NormalizePath(FromPath(cwd));
}

std::vector<Text> RealFileSystem::Folders(const Text& path) {
  return ListFolder(path,
                    [](const fs::directory_entry& e, std::error_code& ec) { return e.is_directory(ec); });
}

std::vector<Text> RealFileSystem::Files(const Text& path) {
  return ListFolder(path,
                    [](const fs::directory_entry& e, std::error_code& ec) { return e.is_regular_file(ec); });
}

Text NormalizePath(const Text& path) {
  fs::path p = ToPath(path);
  if (p.is_relative()) {
    std::error_code ec;
    p = fs::current_path(ec) / p;
  }
  Text out = FromPath(p.lexically_normal());
  while (out.size() > 1 && out.back() == u'/') out.pop_back();
  return out.empty() ? Text(u"/") : out;
}

Text WithTrailingSlash(const Text& folder) {
  if (!folder.empty() && folder.back() == u'/') return folder;
  return folder + u"/";
}

Text DriveOf(const Text& /*path*/) {
  return u"/";
}

bool MatchesPattern(const Text& name, const Text& patterns) {
  std::u16string_view all(patterns);
  size_t start = 0;
  while (start <= all.size()) {
    size_t end = all.find(u';', start);
    if (end == std::u16string_view::npos) end = all.size();
    std::u16string_view one = all.substr(start, end - start);
    while (!one.empty() && one.front() == u' ') one.remove_prefix(1);
    while (!one.empty() && one.back() == u' ') one.remove_suffix(1);
    // The platform's "*.*" also takes names without a dot.
    if (one == u"*.*" || (!one.empty() && GlobMatch(name, one))) return true;
    start = end + 1;
  }
  return false;
}

// --- DriveListBox

DriveListBox::DriveListBox(Place place, std::string name) : ListChoice(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
  entries_ = GetDesktop().Files().Drives();
  drive_ = DriveOf(GetDesktop().Files().CurrentFolder());
  list_index_ = IndexOf(entries_, drive_);
}

void DriveListBox::SetDrive(const Text& drive, bool run_change) {
  if (!Assign(drive_, drive)) return;
  list_index_ = IndexOf(entries_, drive_);
  Changed();
  if (run_change) Raise(OnChange);
}

void DriveListBox::UserSelect(int index) {
  const Text& drive = List(index);
  if (AcceptsUserInput()) SetDrive(drive);
}

void DriveListBox::ListProperties(PropertyList& out) const {
  out.push_back({"Drive", drive_});
  Control::ListProperties(out);
  ListChoiceProperties(out);
}

// --- DirListBox

DirListBox::DirListBox(Place place, std::string name) : ListChoice(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
  path_ = GetDesktop().Files().CurrentFolder();
  clicked_ = path_;
  try {
    entries_ = SortedSubfolders(path_);
  } catch (const PathError&) {
    // An unreadable current folder lists nothing.
  }
}

std::vector<Text> DirListBox::SortedSubfolders(const Text& folder) {
  std::vector<Text> names = GetDesktop().Files().Folders(folder);
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  for (Text& n : names) n = WithTrailingSlash(folder) + n;
  return names;
}

void DirListBox::ChooseClickedEntry() {
  list_index_ = IndexOf(entries_, clicked_);
}

void DirListBox::SetPath(const Text& path) {
  Text normal = NormalizePath(path);
  bool relisted = Assign(entries_, SortedSubfolders(normal));
  ChooseClickedEntry();
  bool moved = Assign(path_, normal);
  if (relisted || moved) Changed();
  if (moved) Raise(OnChange);
}

void DirListBox::UserPick(const Text& path) {
  Text normal = NormalizePath(path);
  std::error_code ec;
  if (!fs::is_directory(ToPath(normal), ec)) throw PathError("not a folder: " + model::ToUtf8(normal));
  if (!AcceptsUserInput()) return;
  if (Assign(clicked_, normal)) {
    ChooseClickedEntry();
    Changed();
  }
  Raise(OnClick);
}

void DirListBox::UserSelect(int index) {
  // A copy: the click's handler lists another folder.
  const Text path = List(index);
  UserPick(path);
}

void DirListBox::ListProperties(PropertyList& out) const {
  out.push_back({"Path", path_});
  Control::ListProperties(out);
  out.push_back({"ListCount", static_cast<double>(entries_.size())});
  for (size_t i = 0; i < entries_.size(); ++i)
    out.push_back({"List(" + std::to_string(i) + ")", entries_[i]});
}

// --- FileListBox

FileListBox::FileListBox(Place place, std::string name) : ListChoice(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
  path_ = GetDesktop().Files().CurrentFolder();
  try {
    Refresh();
  } catch (const PathError&) {
    entries_.clear();
  }
}

void FileListBox::Refresh() {
  std::vector<Text> names = GetDesktop().Files().Files(path_);
  std::vector<Text> shown;
  for (Text& n : names)
    if (!n.empty() && n.front() != u'.' && MatchesPattern(n, pattern_)) shown.push_back(std::move(n));
  std::sort(shown.begin(), shown.end(), LessIgnoringCase);
  if (AnyAssigned(Assign(entries_, shown), Assign(list_index_, -1))) Changed();
}

void FileListBox::SetPath(const Text& path) {
  Text old = path_;
  path_ = NormalizePath(path);
  try {
    Refresh();
  } catch (const PathError&) {
    path_ = old;
    throw;
  }
  if (path_ != old) Changed();
}

void FileListBox::SetPattern(const Text& pattern) {
  bool changed = Assign(pattern_, pattern);
  try {
    Refresh();
  } catch (const PathError&) {
    // The folder cannot be read now: nothing is listed, and so nothing stays chosen.
    changed |= AnyAssigned(Assign(entries_, std::vector<Text>()), Assign(list_index_, -1));
  }
  if (changed) Changed();
}

void FileListBox::SetListIndex(int index) {
  if (index != -1) List(index);
  if (!Assign(list_index_, index)) return;
  Changed();
  if (index >= 0) Raise(OnClick);
}

const Text& FileListBox::FileName() const {
  static const Text kNone;
  return list_index_ >= 0 ? entries_[static_cast<size_t>(list_index_)] : kNone;
}

void FileListBox::UserSelect(int index) {
  List(index);
  if (AcceptsUserInput()) SetListIndex(index);
}

void FileListBox::ListProperties(PropertyList& out) const {
  out.push_back({"Path", path_});
  Control::ListProperties(out);
  out.push_back({"Pattern", pattern_});
  ListChoiceProperties(out);
}

}  // namespace ui
