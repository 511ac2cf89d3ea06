#include "platform/foundation/Bundle.h"

#include <array>
#include <memory>
#include <system_error>
#include <unordered_map>

#include "platform/foundation/ProcessState.h"
#include "platform/foundation/StringsFile.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// Absolute and without a trailing separator, so equal directories compare equal.
fs::path normalized(const fs::path& path) {
  std::error_code error;
  fs::path result = fs::absolute(path, error);
  if (error) result = path;
  result = result.lexically_normal();
  if (!result.has_filename() && result != result.root_path()) result = result.parent_path();
  return result;
}

fs::path executableDirectory() {
  std::error_code error;
  fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (!error) return executable.parent_path();
  fs::path current = fs::current_path(error);
  return error ? fs::path("/") : current;
}

struct BundleRoots {
  std::optional<Bundle> main;
  std::optional<Bundle> libraryCode;
};

BundleRoots& roots() {
  static BundleRoots* all = [] {
    auto* made = new BundleRoots;
    registerProcessReset([made] {
      made->main.reset();
      made->libraryCode.reset();
    });
    return made;
  }();
  return *all;
}

// Parsed tables by file path, a missing file included (as null): texts are
// looked up on every redraw.
using TableCache = std::unordered_map<std::string, std::shared_ptr<const StringsFile::Table>>;

TableCache& tableCache() {
  static TableCache* cache = [] {
    auto* made = new TableCache;
    registerProcessReset([made] { made->clear(); });
    return made;
  }();
  return *cache;
}

const StringsFile::Table* cachedTable(const fs::path& file) {
  auto [entry, inserted] = tableCache().try_emplace(file.string());
  if (inserted) {
    std::error_code error;
    if (fs::is_regular_file(file, error)) {
      if (std::optional<StringsFile::Table> table = StringsFile::load(file)) {
        entry->second = std::make_shared<const StringsFile::Table>(std::move(*table));
      }
    }
  }
  return entry->second.get();
}

// A name that cannot leave the directory it is looked up in.
bool isSafeName(std::string_view name) {
  return name.find('/') == std::string_view::npos && name.find("..") == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

bool isInside(const fs::path& candidate, const fs::path& directory) {
  std::error_code error;
  const fs::path resolved = fs::weakly_canonical(candidate, error);
  if (error) return false;
  const fs::path root = fs::weakly_canonical(directory, error);
  if (error) return false;
  auto [rootEnd, candidateEnd] = std::mismatch(root.begin(), root.end(), resolved.begin(), resolved.end());
  return rootEnd == root.end();
}

std::array<fs::path, 3> localizationFolders(const fs::path& resources) {
  return {resources / (std::string(Bundle::developmentLocalization) + ".lproj"), resources / "Base.lproj",
          resources};
}

}  // namespace

Bundle::Bundle(fs::path bundlePath) : bundlePath_(normalized(bundlePath)) {}

std::optional<Bundle> Bundle::atPath(const fs::path& path) {
  std::error_code error;
  if (path.empty() || !fs::is_directory(path, error)) return std::nullopt;
  return Bundle(path);
}

std::optional<Bundle> Bundle::atURL(const URL& url) {
  if (!url.isFileURL()) return std::nullopt;
  return atPath(url.path());
}

Bundle& Bundle::main() {
  BundleRoots& all = roots();
  if (!all.main) all.main.emplace(executableDirectory());
  return *all.main;
}

void Bundle::setMainBundlePath(fs::path path) { roots().main.emplace(std::move(path)); }

Bundle& Bundle::libraryCode() {
  BundleRoots& all = roots();
  return all.libraryCode ? *all.libraryCode : main();
}

void Bundle::setLibraryCodeBundlePath(fs::path path) { roots().libraryCode.emplace(std::move(path)); }

std::optional<fs::path> Bundle::pathForResource(std::string_view name, std::string_view type) const {
  if (type.starts_with('.')) type.remove_prefix(1);
  if (name.empty() || !isSafeName(name) || !isSafeName(type)) return std::nullopt;
  std::string fileName(name);
  if (!type.empty()) fileName += "." + std::string(type);
  const fs::path resources = resourcePath();
  const std::array<fs::path, 3> folders = {
      resources, resources / (std::string(developmentLocalization) + ".lproj"), resources / "Base.lproj"};
  for (const fs::path& folder : folders) {
    const fs::path candidate = folder / fileName;
    std::error_code error;
    if (fs::exists(candidate, error) && isInside(candidate, resources)) return candidate;
  }
  return std::nullopt;
}

std::optional<URL> Bundle::urlForResource(std::string_view name, std::string_view type) const {
  std::optional<fs::path> path = pathForResource(name, type);
  if (!path) return std::nullopt;
  return URL::fileURL(*path);
}

std::string Bundle::localizedString(std::string_view key, std::string_view value,
                                    std::string_view table) const {
  const std::string tableName = table.empty() ? std::string("Localizable") : std::string(table);
  if (isSafeName(tableName)) {
    for (const fs::path& folder : localizationFolders(resourcePath())) {
      const StringsFile::Table* strings = cachedTable(folder / (tableName + ".strings"));
      if (!strings) continue;
      if (auto found = strings->find(key); found != strings->end()) return found->second;
    }
  }
  return std::string(value.empty() ? key : value);
}

}  // namespace platform
