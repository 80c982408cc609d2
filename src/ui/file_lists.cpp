#include "ui/file_lists.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <string_view>
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

// The index of entry in entries, -1 when it is not there.
template <class Entry>
int IndexOf(const std::vector<Entry>& entries, const Entry& entry) {
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

// Sorted by what they show, and by their bytes where two show alike.
bool ShownBefore(const Text& a_shown, const fs::path& a, const Text& b_shown, const fs::path& b) {
  if (a_shown != b_shown) return LessIgnoringCase(a_shown, b_shown);
  return a.native() < b.native();
}

// What a folder entry is, as std::filesystem sees it: the type the listing gives, and for a link or
// an entry of unknown type the type of what it leads to (nothing when that cannot be read).
enum class EntryType { kFolder, kFile, kOther };

EntryType TypeOf(const fs::path& folder, const dirent& entry) {
  switch (entry.d_type) {
    case DT_DIR:
      return EntryType::kFolder;
    case DT_REG:
      return EntryType::kFile;
    case DT_LNK:
    case DT_UNKNOWN:
      break;
    default:
      return EntryType::kOther;
  }
  struct stat target {};
  if (::stat((folder / entry.d_name).c_str(), &target) != 0) return EntryType::kOther;
  if (S_ISDIR(target.st_mode)) return EntryType::kFolder;
  if (S_ISREG(target.st_mode)) return EntryType::kFile;
  return EntryType::kOther;
}

// The names of a folder's entries of one type, in the order the folder gives them. Read with the
// platform's own listing rather than a directory_iterator, which builds and parses a full path for
// every entry; the errors are the same (the platform's, and a folder that fails part-way through its
// listing is reported like one that cannot be opened).
std::vector<fs::path> ListFolder(const fs::path& path, EntryType wanted) {
  // Closed however the listing ends, an exception from a path or a name included.
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), ::closedir);
  if (dir == nullptr) throw PathError(std::error_code(errno, std::generic_category()).message());
  std::vector<fs::path> names;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir.get());
    if (entry == nullptr) break;
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (TypeOf(path, *entry) == wanted) names.emplace_back(name);
  }
  const int read_error = errno;
  if (read_error != 0) throw PathError(std::error_code(read_error, std::generic_category()).message());
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
  return ListFolder(folder, EntryType::kFolder);
}

std::vector<fs::path> RealFileSystem::Files(const fs::path& folder) {
  return ListFolder(folder, EntryType::kFile);
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
    ListSubfolders(path_);
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

void DirListBox::ChooseClickedEntry() {
  list_index_ = IndexOf(subfolder_paths_, clicked_);
}

bool DirListBox::ListSubfolders(const fs::path& folder) {
  std::vector<Text> shown;
  std::vector<fs::path> paths;
  for (Subfolder& subfolder : SortedSubfolders(folder)) {
    shown.push_back(std::move(subfolder.shown));
    paths.push_back(std::move(subfolder.path));
  }
  return AnyAssigned(Assign(entries_, shown), Assign(subfolder_paths_, paths));
}

void DirListBox::SetPath(const fs::path& path) {
  fs::path normal = NormalizePath(path);
  bool relisted = ListSubfolders(normal);
  ChooseClickedEntry();
  bool moved = Assign(path_, normal);
  if (relisted || moved) Changed();
  if (moved) Raise(OnChange);
}

const fs::path& DirListBox::ListPath(int i) const {
  List(i);
  return subfolder_paths_[static_cast<size_t>(i)];
}

void DirListBox::UserPick(const fs::path& path) {
  fs::path normal = NormalizePath(path);
  std::error_code ec;
  if (!fs::is_directory(normal, ec)) throw PathError("not a folder: " + normal.string());
  if (!AcceptsUserInput()) return;
  if (Assign(clicked_, normal)) {
    ChooseClickedEntry();
    Changed();
  }
  Raise(OnClick);
}

void DirListBox::UserSelect(int index) {
  // A copy: the click's handler lists another folder.
  const fs::path path = ListPath(index);
  UserPick(path);
}

void DirListBox::ListProperties(PropertyList& out) const {
  out.push_back({"Path", DisplayPath(path_)});
  Control::ListProperties(out);
  out.push_back({"ListCount", static_cast<double>(entries_.size())});
  for (size_t i = 0; i < entries_.size(); ++i)
    out.push_back({"List(" + std::to_string(i) + ")", entries_[i]});
}

// --- FileListBox

FileListBox::FileListBox(Place place, std::string name, Text pattern)
    : ListChoice(place, std::move(name)), pattern_(std::move(pattern)) {
  SetBackColor(colors::kWindowBackground);
  path_ = GetDesktop().Files().CurrentFolder();
  try {
    Refresh();
  } catch (const PathError&) {
    entries_.clear();
  }
}

void FileListBox::Refresh() {
  std::vector<Text> shown;
  for (const fs::path& name : GetDesktop().Files().Files(path_)) {
    Text n = DisplayPath(name);
    if (!n.empty() && n.front() != u'.' && MatchesPattern(n, pattern_)) shown.push_back(std::move(n));
  }
  std::sort(shown.begin(), shown.end(), LessIgnoringCase);
  if (AnyAssigned(Assign(entries_, shown), Assign(list_index_, -1))) Changed();
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
  out.push_back({"Path", DisplayPath(path_)});
  Control::ListProperties(out);
  out.push_back({"Pattern", pattern_});
  ListChoiceProperties(out);
}

}  // namespace ui
