// `tessera render` and `tessera place`: a floor's raster background from its raster directory,
// drawn into a PNG, or placed into the floor and recorded in "Raster.ini".
#pragma once

#include "options.hpp"

namespace tessera::cli {

const CommandSyntax& RenderCommand();
const CommandSyntax& PlaceCommand();

// Each prints its JSON answer and answers the exit status; wrong usage throws UsageError.
int Render(const ParsedCommand& command);
int Place(const ParsedCommand& command);

}  // namespace tessera::cli
