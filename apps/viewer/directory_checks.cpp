#include "directory_checks.hpp"

#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/raster/raster_settings.hpp"

namespace tessera::viewer {
namespace {

namespace fs = std::filesystem;

// The context of this file's texts in the viewer's catalogues.
struct DirectoryTexts {
  Q_DECLARE_TR_FUNCTIONS(tessera::viewer::DirectoryChecks)
};

// `text` with the path for its "%1".
std::string WithPath(const QString& text, const fs::path& path) {
  return text.arg(QString::fromStdString(path.string())).toStdString();
}

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

// The system's reason when the calling user may not access `path` as `mode` asks.
std::optional<std::string> AccessProblem(const fs::path& path, int mode) {
  if (::access(path.c_str(), mode) == 0) return std::nullopt;
  return Quoted(path) + ": " + std::strerror(errno);
}

// Kept out of the std::string function below, where the translation tools lose the context.
QString NotWritten() {
  return DirectoryTexts::tr("'%1' could not be written");
}

}  // namespace

std::optional<std::string> ListingProblem(const std::string& raster_dir) {
  const fs::path dir = platform::ToHostPath(raster_dir);
  std::error_code error;
  const fs::file_status directory = fs::status(dir, error);
  if (!fs::exists(directory))
    return WithPath(DirectoryTexts::tr("the raster directory '%1' does not exist"), dir);
  if (!fs::is_directory(directory)) return WithPath(DirectoryTexts::tr("'%1' is not a directory"), dir);
  if (const auto problem = AccessProblem(dir, R_OK | X_OK)) return *problem;
  const fs::path ini = platform::ToHostPath(RasterIniPath(raster_dir));
  const fs::file_status file = fs::status(ini, error);
  if (error && error != std::errc::no_such_file_or_directory) return Quoted(ini) + ": " + error.message();
  if (!fs::exists(file)) return std::nullopt;
  if (!fs::is_regular_file(file)) return WithPath(DirectoryTexts::tr("'%1' is not a file"), ini);
  return AccessProblem(ini, R_OK);
}

std::string WhyNotWritable(const std::string& raster_dir) {
  const fs::path ini = platform::ToHostPath(RasterIniPath(raster_dir));
  std::error_code error;
  if (fs::exists(ini, error)) {
    if (const auto problem = AccessProblem(ini, W_OK)) return *problem;
  } else if (const auto problem = AccessProblem(ini.parent_path(), W_OK | X_OK)) {
    return *problem;
  }
  return WithPath(NotWritten(), ini);
}

}  // namespace tessera::viewer
