// The file the user chose in the library's Open dialog, which the library keeps to itself: while
// a ChosenFile lives, the installed UI services answer as before and it notes the answer.
#pragma once

#include <memory>
#include <string>

#include "tessera/platform/ui/ui.hpp"

namespace tessera::viewer {

class ChosenFile {
 public:
  ChosenFile();
  // "" while nothing was chosen.
  const std::string& file() const;

 private:
  class Noting;
  std::shared_ptr<Noting> noting_;
  platform::ScopedUiServices scoped_;
};

}  // namespace tessera::viewer
