#include "ui/file_lists.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "ui/desktop.h"

namespace ui {

namespace fs = std::filesystem;

namespace {

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

bool LessIgnoringCase(const Text& a, const Text& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    char16_t x = Lower(a[i]), y = Lower(b[i]);
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

// Sorted by what they show, and by their bytes where two show alike.
bool ShownBefore(const Text& a_shown, const fs::path& a, const Text& b_shown, const fs::path& b) {
  if (a_shown != b_shown) return LessIgnoringCase(a_shown, b_shown);
  return a.native() < b.native();
}

template <class Keep>
std::vector<fs::path> ListFolder(const fs::path& path, Keep keep) {
  std::vector<fs::path> names;
  std::error_code ec;
  fs::directory_iterator it(path, ec);
  if (ec) throw PathError(ec.message());
  // Advancing with an error code: a folder that fails part-way through its listing is reported like
  // one that cannot be opened, never as an exception the callers do not expect.
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code type_ec;
    if (keep(*it, type_ec)) names.push_back(it->path().filename());
  }
  if (ec) throw PathError(ec.message());
  return names;
}

}  // namespace

std::vector<Text> RealFileSystem::Drives() {
  return {u"/"};
}

fs::path RealFileSystem::CurrentFolder() {
  std::error_code ec;
  fs::path cwd = fs::current_path(ec);
  if (ec) return "/";
  return NormalizePath(cwd);
}

std::vector<fs::path> RealFileSystem::Folders(const fs::path& folder) {
  return ListFolder(folder,
                    [](const fs::directory_entry& e, std::error_code& ec) { return e.is_directory(ec); });
}

std::vector<fs::path> RealFileSystem::Files(const fs::path& folder) {
  return ListFolder(folder,
                    [](const fs::directory_entry& e, std::error_code& ec) { return e.is_regular_file(ec); });
}

Text DisplayPath(const fs::path& path) {
  return model::FromUtf8(path.generic_string());
}

fs::path PathOfText(const Text& text) {
  return fs::path(model::ToUtf8(text));
}

fs::path NormalizePath(const fs::path& path) {
  fs::path p = path;
  if (p.is_relative()) {
    std::error_code ec;
    p = fs::current_path(ec) / p;
  }
  std::string out = p.lexically_normal().generic_string();
  while (out.size() > 1 && out.back() == '/') out.pop_back();
  return out.empty() ? fs::path("/") : fs::path(out);
}

Text DriveOf(const fs::path& /*path*/) {
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

DriveListBox::DriveListBox(Place place, std::string name) : Control(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
  drives_ = GetDesktop().Files().Drives();
  drive_ = DriveOf(GetDesktop().Files().CurrentFolder());
}

const Text& DriveListBox::List(int i) const {
  if (i < 0 || i >= ListCount()) throw std::out_of_range(Name() + ": list index " + std::to_string(i));
  return drives_[static_cast<size_t>(i)];
}

int DriveListBox::ListIndex() const {
  auto it = std::find(drives_.begin(), drives_.end(), drive_);
  return it == drives_.end() ? -1 : static_cast<int>(it - drives_.begin());
}

void DriveListBox::SetDrive(const Text& drive, bool run_change) {
  if (drive == drive_) return;
  drive_ = drive;
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
  out.push_back({"ListIndex", static_cast<double>(ListIndex())});
  out.push_back({"ListCount", static_cast<double>(drives_.size())});
  for (size_t i = 0; i < drives_.size(); ++i) out.push_back({"List(" + std::to_string(i) + ")", drives_[i]});
}

// --- DirListBox

DirListBox::DirListBox(Place place, std::string name) : Control(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
  path_ = GetDesktop().Files().CurrentFolder();
  clicked_ = path_;
  try {
    subfolders_ = SortedSubfolders(path_);
  } catch (const PathError&) {
    // An unreadable current folder lists nothing.
  }
}

std::vector<DirListBox::Subfolder> DirListBox::SortedSubfolders(const fs::path& folder) {
  std::vector<Subfolder> subfolders;
  for (const fs::path& name : GetDesktop().Files().Folders(folder)) {
    fs::path path = folder / name;
    Text shown = DisplayPath(path);
    subfolders.push_back({std::move(path), std::move(shown)});
  }
  std::sort(subfolders.begin(), subfolders.end(), [](const Subfolder& a, const Subfolder& b) {
    return ShownBefore(a.shown, a.path, b.shown, b.path);
  });
  return subfolders;
}

void DirListBox::SetPath(const fs::path& path) {
  fs::path normal = NormalizePath(path);
  subfolders_ = SortedSubfolders(normal);
  Changed();
  if (normal == path_) return;
  path_ = normal;
  Raise(OnChange);
}

const DirListBox::Subfolder& DirListBox::At(int i) const {
  if (i < 0 || i >= ListCount()) throw std::out_of_range(Name() + ": list index " + std::to_string(i));
  return subfolders_[static_cast<size_t>(i)];
}

const Text& DirListBox::List(int i) const {
  return At(i).shown;
}

const fs::path& DirListBox::ListPath(int i) const {
  return At(i).path;
}

void DirListBox::UserPick(const fs::path& path) {
  fs::path normal = NormalizePath(path);
  std::error_code ec;
  if (!fs::is_directory(normal, ec)) throw PathError("not a folder: " + normal.string());
  if (!AcceptsUserInput()) return;
  clicked_ = normal;
  Changed();
  Raise(OnClick);
}

void DirListBox::ListProperties(PropertyList& out) const {
  out.push_back({"Path", DisplayPath(path_)});
  Control::ListProperties(out);
  out.push_back({"ListCount", static_cast<double>(subfolders_.size())});
  for (size_t i = 0; i < subfolders_.size(); ++i)
    out.push_back({"List(" + std::to_string(i) + ")", subfolders_[i].shown});
}

// --- FileListBox

FileListBox::FileListBox(Place place, std::string name) : Control(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
  path_ = GetDesktop().Files().CurrentFolder();
  try {
    Refresh();
  } catch (const PathError&) {
    files_.clear();
  }
}

void FileListBox::Refresh() {
  std::vector<Text> shown;
  for (const fs::path& name : GetDesktop().Files().Files(path_)) {
    Text n = DisplayPath(name);
    if (!n.empty() && n.front() != u'.' && MatchesPattern(n, pattern_)) shown.push_back(std::move(n));
  }
  std::sort(shown.begin(), shown.end(), LessIgnoringCase);
  files_ = std::move(shown);
  list_index_ = -1;
  Changed();
}

void FileListBox::SetPath(const fs::path& path) {
  fs::path old = path_;
  path_ = NormalizePath(path);
  try {
    Refresh();
  } catch (const PathError&) {
    path_ = old;
    throw;
  }
}

void FileListBox::SetPattern(const Text& pattern) {
  pattern_ = pattern;
  try {
    Refresh();
  } catch (const PathError&) {
    files_.clear();
    Changed();
  }
}

const Text& FileListBox::List(int i) const {
  if (i < 0 || i >= ListCount()) throw std::out_of_range(Name() + ": list index " + std::to_string(i));
  return files_[static_cast<size_t>(i)];
}

void FileListBox::SetListIndex(int index) {
  if (index != -1) List(index);
  if (index == list_index_) return;
  list_index_ = index;
  Changed();
  if (index >= 0) Raise(OnClick);
}

const Text& FileListBox::FileName() const {
  static const Text kNone;
  return list_index_ >= 0 ? files_[static_cast<size_t>(list_index_)] : kNone;
}

void FileListBox::UserSelect(int index) {
  List(index);
  if (AcceptsUserInput()) SetListIndex(index);
}

void FileListBox::ListProperties(PropertyList& out) const {
  out.push_back({"Path", DisplayPath(path_)});
  Control::ListProperties(out);
  out.push_back({"Pattern", pattern_});
  out.push_back({"ListIndex", static_cast<double>(list_index_)});
  out.push_back({"ListCount", static_cast<double>(files_.size())});
  for (size_t i = 0; i < files_.size(); ++i) out.push_back({"List(" + std::to_string(i) + ")", files_[i]});
}

}  // namespace ui
