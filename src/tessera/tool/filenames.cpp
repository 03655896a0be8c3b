// GTool's members on file names and files.
#include <string>

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/file_system.hpp"
#include "tessera/platform/runtime/strings.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {

namespace {

// The position of the last `find` in `text` through RInStr, 0 when there is none: RInStr answers
// "" then, reading that as a number fails, and the failure is passed over.
int32_t LastPosition(const GTool& tool, const std::string& text, const char* find) {
  int32_t position = 0;
  frame::PassOver([&] {
    platform::Variant from_the_end = platform::Variant::Missing();
    position = platform::CLng(platform::Variant(tool.RInStr(text, find, from_the_end)));
  });
  return position;
}

}  // namespace

std::string GTool::DateiName(const std::string& stVollstaendig) const {
  const int32_t p = LastPosition(*this, stVollstaendig, "\\");
  return p != 0 ? platform::Mid(stVollstaendig, p + 1) : stVollstaendig;
}

std::string GTool::Pfad(const std::string& stVollstaendig) const {
  const int32_t p = LastPosition(*this, stVollstaendig, "\\");
  return p != 0 ? platform::Left(stVollstaendig, p) : std::string();
}

std::string GTool::Kennung(const std::string& stDateiName) const {
  const int32_t p = LastPosition(*this, stDateiName, ".");
  return p != 0 ? platform::Mid(stDateiName, p + 1) : std::string();
}

std::string GTool::NameOhneKennung(const std::string& stDateiName) const {
  const int32_t p = LastPosition(*this, stDateiName, ".");
  return p != 0 ? platform::Left(stDateiName, p - 1) : stDateiName;
}

bool GTool::ExistsFile(const std::string& stFilepath) const {
  return frame::ReportLabelled<bool>("GTool.ExistsFile",
                                     [&](bool& result) { result = platform::FileExists(stFilepath); });
}

bool GTool::KopiereFile(const std::string& stSourcePath, const std::string& stTargetPath) const {
  return frame::ReportLabelled<bool>("GTool.KopiereFile", [&](bool& result) {
    if (!platform::FileExists(stSourcePath)) return;
    platform::CopyFile(stSourcePath, stTargetPath, true);
    result = true;
  });
}

}  // namespace tessera
