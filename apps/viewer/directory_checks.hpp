// What the viewer finds itself about a raster directory and its "Raster.ini", to name the file or
// folder and the reason beside the library's own messages, which are fixed texts.
#pragma once

#include <optional>
#include <string>

namespace tessera::viewer {

// Why the floors of `raster_dir` cannot be listed ("'/data/x' does not exist", "'/data/x/Raster.ini'
// is not a file"), with paths in the user's notation; nullopt when "Raster.ini" can be read or
// does not exist (a directory without floors yet).
std::optional<std::string> ListingProblem(const std::string& raster_dir);

// Why "Raster.ini" of `raster_dir` cannot be written: the file's or the directory's reason
// ("'/data/x/Raster.ini': Permission denied"), or a general sentence when neither shows one.
std::string WhyNotWritable(const std::string& raster_dir);

}  // namespace tessera::viewer
