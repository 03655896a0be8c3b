#include "render.hpp"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "call_answer.hpp"
#include "tessera/platform/gdi/gdi_objects.hpp"
#include "tessera/platform/gdi/text_out.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/surface/png_writer.hpp"
#include "tessera/platform/surface/printer.hpp"
#include "tessera/raster/crasterbgrd.hpp"
#include "tessera/text/cfont.hpp"
#include "tessera/text/ctextattribut.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera::cli {

namespace {

constexpr int kUsageError = 2;
constexpr int32_t kOutlineColour = 0x0000FF;  // red, as a colour value
constexpr int32_t kLabelMargin = 8;           // pixels between the floor's corner and its caption
constexpr int32_t kPointsPerInch = 72;

struct Options {
  std::vector<std::string> positional;
  std::map<std::string, std::string> named;  // "--height" -> "30000"; flags map to ""
};

std::optional<Options> Parse(std::span<char* const> args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string arg = args[i];
    if (arg == "--so" || arg == "--printer") {
      options.named[arg] = "";
    } else if (arg.starts_with("-")) {
      if (i + 1 >= args.size()) return std::nullopt;
      options.named[arg] = args[++i];
    } else {
      options.positional.push_back(arg);
    }
  }
  return options;
}

std::optional<std::vector<double>> Numbers(const std::string& text, char separator, std::size_t count) {
  std::vector<double> numbers;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(separator, start), text.size());
    try {
      numbers.push_back(std::stod(text.substr(start, end - start)));
    } catch (const std::exception&) {
      return std::nullopt;
    }
    start = end + 1;
  }
  if (numbers.size() != count) return std::nullopt;
  return numbers;
}

int32_t Whole(const Options& options, const std::string& name) {
  return static_cast<int32_t>(std::stol(options.named.at(name)));
}

// The floor's raster as the host gets it from the factory; nullptr when the section holds none.
std::shared_ptr<RasterBackground> FromIni(const Options& options, int32_t floor, int32_t height) {
  const std::string& directory = options.positional[0];
  if (options.named.contains("--so")) return SharedGTool().RasterBgrdFromIniSo(floor, height, directory);
  return SharedGTool().RasterBgrdFromIni(floor, height, directory);
}

std::shared_ptr<RasterBackground> NewRaster(const Options& options) {
  if (options.named.contains("--so")) return std::make_shared<CRasterBgrdSo>();
  return std::make_shared<CRasterBgrd>();
}

// World to device for a view of the floor shown whole and centred on a surface.
std::shared_ptr<mensura::MensTrans> Fit(const std::vector<double>& view, int32_t width, int32_t height) {
  const double view_width = view[2] - view[0], view_height = view[3] - view[1];
  const double factor = std::min(width / view_width, height / view_height);
  auto trans = std::make_shared<mensura::MensTrans>();
  trans->Factor(factor);
  trans->Dx(static_cast<int32_t>(std::lround(view[0] - (width / factor - view_width) / 2)));
  trans->Dy(static_cast<int32_t>(std::lround(view[1] - (height / factor - view_height) / 2)));
  return trans;
}

void DrawOutline(platform::PictureControl& control, const mensura::MensTrans& trans, int32_t width,
                 int32_t height) {
  mensura::MensRect floor;
  floor.Right(width), floor.Bottom(height);
  trans.TransformRect(floor);
  control.DrawWidth(2);
  control.Line(static_cast<float>(floor.Left()), static_cast<float>(floor.Top()),
               static_cast<float>(floor.Right()), static_cast<float>(floor.Bottom()),
               platform::LineShape::kBox, kOutlineColour);
}

// The caption's font from "--font NAME,POINTS" (Arial at 12 points without it), as a host keeps it.
CTextAttribut LabelFont(const Options& options) {
  CTextAttribut font;
  const auto given = options.named.find("--font");
  if (given == options.named.end()) return font;
  const std::size_t comma = given->second.rfind(',');
  if (comma == std::string::npos || comma == 0) throw std::invalid_argument("font");
  font.FontName(given->second.substr(0, comma));
  const int points = std::stoi(given->second.substr(comma + 1));
  if (points < 1 || points > 1000) throw std::invalid_argument("font");
  font.FontSize(static_cast<int16_t>(points));
  return font;
}

// Writes the caption inside the floor's top left corner with CFont and TextOut, as a host labels
// its drawing; false when the font could not be put on the surface.
bool DrawLabel(std::shared_ptr<platform::PictureControl> control, const mensura::MensTrans& trans,
               int32_t width, int32_t height, const std::string& label, const CTextAttribut& font) {
  mensura::MensRect floor;
  floor.Right(width), floor.Bottom(height);
  trans.TransformRect(floor);
  const int32_t hdc = control->hDC();
  const int32_t pixels =
      font.FontSize() * platform::GetDeviceCaps(hdc, platform::LOGPIXELSY) / kPointsPerInch;
  platform::ObjectRef dc = control;
  CFont switcher;
  if (!switcher.ChangeFont(dc, pixels, 0, font.FontBold(), font.FontItalic(), font.FontUnderline(),
                           font.FontStrikeThrough(), font.FontName()))
    return false;
  const int32_t x = std::max(std::min(floor.Left(), floor.Right()), 0) + kLabelMargin;
  const int32_t y = std::max(std::min(floor.Top(), floor.Bottom()), 0) + kLabelMargin;
  const bool drawn = platform::TextOutA(hdc, x, y, platform::ToAnsi(label));
  switcher.Reset();
  return drawn;
}

// A failure that is no run-time error: said on stderr, and no answer.
std::optional<nlohmann::ordered_json> Failed(const std::string& text) {
  std::cerr << "tessera: " << text << '\n';
  return std::nullopt;
}

// Runs one command: its JSON answer on stdout and 0, a run-time error's answer and 1, nothing and
// 1 after Failed, or the usage status for arguments that are no numbers.
template <typename Command>
int Answered(Command&& command) {
  try {
    const auto answer = command();
    if (!answer) return 1;
    std::cout << Dump(*answer) << '\n';
    return 0;
  } catch (const std::invalid_argument&) {
    return kUsageError;
  } catch (...) {
    std::cout << Dump(ErrorAnswer(platform::ToRuntimeError())) << '\n';
    return 1;
  }
}

bool HasFloorOptions(const Options& options, std::size_t positional) {
  return options.positional.size() == positional && options.named.contains("--height") &&
         options.named.contains("--width");
}

}  // namespace

int Render(std::span<char* const> args) {
  const auto options = Parse(args);
  if (!options || !HasFloorOptions(*options, 2) || !options->named.contains("-o")) return kUsageError;
  return Answered([&]() -> std::optional<nlohmann::ordered_json> {
    const int32_t floor = static_cast<int32_t>(std::stol(options->positional[1]));
    const int32_t height = Whole(*options, "--height"), width = Whole(*options, "--width");
    const auto view = options->named.contains("--view")
                          ? Numbers(options->named.at("--view"), ',', 4)
                          : std::vector<double>{0, 0, double(width), double(height)};
    const auto size =
        Numbers(options->named.contains("--size") ? options->named.at("--size") : "1600x1200", 'x', 2);
    if (!view || !size || (*view)[2] <= (*view)[0] || (*view)[3] <= (*view)[1])
      throw std::invalid_argument("view");
    const CTextAttribut label_font = LabelFont(*options);
    const auto raster = FromIni(*options, floor, height);
    if (!raster) return Failed("no raster background for floor " + options->positional[1]);

    const bool printer = options->named.contains("--printer");
    std::shared_ptr<platform::PictureControl> control;
    if (printer) {
      control = std::make_shared<platform::Printer>();
    } else {
      control = std::make_shared<platform::Canvas>(static_cast<int32_t>((*size)[0]),
                                                   static_cast<int32_t>((*size)[1]));
    }
    auto trans = Fit(*view, control->ScaleWidth(), control->ScaleHeight());
    auto clip = std::make_shared<mensura::MensRect>();
    clip->Left(static_cast<int32_t>((*view)[0])), clip->Top(static_cast<int32_t>((*view)[1]));
    clip->Right(static_cast<int32_t>((*view)[2])), clip->Bottom(static_cast<int32_t>((*view)[3]));
    platform::ObjectRef pb = control;
    raster->Draw(pb, trans, clip);
    DrawOutline(*control, *trans, width, height);
    const auto label = options->named.find("--label");
    if (label != options->named.end() &&
        !DrawLabel(control, *trans, width, height, label->second, label_font))
      return Failed("the label could not be drawn");

    const std::string out = platform::ToLibraryPath(options->named.at("-o"));
    std::vector<std::string> files{out};
    if (printer) {
      files = std::static_pointer_cast<platform::Printer>(control)->WritePages(out);
    } else {
      platform::WritePng(*std::static_pointer_cast<platform::Canvas>(control), out);
    }
    for (std::string& file : files) file = platform::ToHostPath(file).string();
    const nlohmann::ordered_json answer{{"written", files},
                                        {"size", {control->ScaleWidth(), control->ScaleHeight()}},
                                        {"raster", raster->FilePath()},
                                        {"picture", {raster->Width(), raster->Height()}}};
    return answer;
  });
}

int Place(std::span<char* const> args) {
  const auto options = Parse(args);
  if (!options || !HasFloorOptions(*options, 3)) return kUsageError;
  return Answered([&]() -> std::optional<nlohmann::ordered_json> {
    const int32_t floor = static_cast<int32_t>(std::stol(options->positional[1]));
    const auto raster = NewRaster(*options);
    std::string directory = options->positional[0];
    if (!raster->LoadRasterFile(options->positional[2], floor, Whole(*options, "--height"), true,
                                directory)) {
      return Failed("the raster file was not loaded");
    }
    raster->GenTrans(Whole(*options, "--width"));
    const nlohmann::ordered_json answer{
        {"placed", raster->FilePath()}, {"Dx", raster->Dx()}, {"Dy", raster->Dy()}, {"Zoom", raster->Zoom()}};
    return answer;
  });
}

}  // namespace tessera::cli
