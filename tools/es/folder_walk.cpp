#include "tools/es/folder_walk.h"

#include "common/text.h"
#include "tools/es/case_fold.h"

namespace standin {

namespace {

bool isDriveRoot(std::string_view path) {
  return path.size() == 3 && path[1] == ':' && path[2] == '\\';
}

std::string joined(const std::string& folder, std::string_view name) {
  std::string path;
  path.reserve(folder.size() + 1 + name.size());
  path += folder;
  if (path.empty() || path.back() != '\\') path += '\\';
  path += name;
  return path;
}

// `inner` is `outer` itself or lies below it; both folded.
bool within(std::string_view inner, std::string_view outer) {
  if (!common::startsWith(inner, outer)) return false;
  return inner.size() == outer.size() || outer.back() == '\\' || inner[outer.size()] == '\\';
}

struct PendingFolder {
  std::string path;
  std::string foldedPath;
};

}  // namespace

std::vector<std::string> rootsFromSetting(std::string_view value) {
  std::vector<std::string> roots;
  for (const std::string& piece : common::split(value, ";")) {
    std::string root = common::trimSpace(piece);
    if (root.size() >= 2 && root.front() == '"' && root.back() == '"') root = root.substr(1, root.size() - 2);
    if (!root.empty()) roots.push_back(root);
  }
  if (roots.empty()) roots.push_back("C:\\");
  return roots;
}

std::vector<std::string> normalizeRoots(const std::vector<std::string>& roots) {
  std::vector<std::string> cleaned;
  for (const std::string& root : roots) {
    std::string path = common::replaceAll(root, "/", "\\");
    if (path.size() == 2 && path[1] == ':') path += '\\';
    while (path.size() > 1 && path.back() == '\\' && !isDriveRoot(path)) path.pop_back();
    if (!path.empty()) cleaned.push_back(path);
  }
  std::vector<std::string> kept;
  for (size_t i = 0; i < cleaned.size(); ++i) {
    std::string folded = foldCase(cleaned[i]);
    bool covered = false;
    for (size_t j = 0; j < cleaned.size() && !covered; ++j) {
      if (i == j) continue;
      std::string other = foldCase(cleaned[j]);
      // Of two equal roots the first stays.
      covered = within(folded, other) && (folded != other || j < i);
    }
    if (!covered) kept.push_back(cleaned[i]);
  }
  return kept;
}

void walkFolders(FolderSource& source, const std::vector<std::string>& roots, const Matcher& matcher,
                 ResultSet& results) {
  std::vector<PendingFolder> pending;
  std::string below;
  auto worthEntering = [&](const std::string& foldedFolder) {
    below.assign(foldedFolder);
    if (below.empty() || below.back() != '\\') below += '\\';
    return !matcher.excludesEverythingBelow(below);
  };
  for (auto it = roots.rbegin(); it != roots.rend(); ++it) {
    std::string folded = foldCase(*it);
    if (worthEntering(folded)) pending.push_back({*it, std::move(folded)});
  }
  while (!pending.empty()) {
    PendingFolder folder = std::move(pending.back());
    pending.pop_back();
    source.list(folder.path, [&](const ListedEntry& listed) {
      if (listed.name.empty() || listed.name == "." || listed.name == "..") return;
      std::string foldedName = foldCase(listed.name);
      std::string foldedPath = joined(folder.foldedPath, foldedName);
      bool isFolder = (listed.attributes & kAttributeDirectory) != 0;
      bool enter = isFolder && (listed.attributes & kAttributeReparsePoint) == 0 && worthEntering(foldedPath);
      bool match = matcher.matches({foldedName, foldedPath, listed.attributes});
      if (!enter && !match) return;
      std::string path = joined(folder.path, listed.name);
      if (enter) pending.push_back({path, std::move(foldedPath)});
      if (match) results.add({std::move(path), std::move(foldedName), listed.attributes, listed.size, listed.modified});
    });
  }
}

}  // namespace standin
