// Writes the example raster directory: a synthetic floor plan (outer walls, a corridor, rooms with
// doors, a grid) drawn with the library's own canvas, stored as a 1-bit BMP in the directory and
// as a colour JPG in its sub-folder "Farbe", and a "Raster.ini" that places it on floors 5 and 6
// and on level 1 of the second kind.
//
//   make_example DIRECTORY
//
// It keeps the command-line tool's manners: --help on stdout with 0, wrong usage named on stderr
// with the usage line and 2, a failure as one sentence on stderr and 1.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "scan_files.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/surface/canvas.hpp"

namespace {

using tessera::platform::Canvas;
using tessera::platform::LineShape;

constexpr int32_t kWidth = 4200, kHeight = 2970;  // pixels of the plan; 10 mm each on floor 5
constexpr int32_t kBlack = 0, kGrey = 0xC0C0C0;

void Fill(Canvas& canvas, double scale, int x1, int y1, int x2, int y2, int32_t colour) {
  canvas.Line(static_cast<float>(x1 * scale), static_cast<float>(y1 * scale), static_cast<float>(x2 * scale),
              static_cast<float>(y2 * scale), LineShape::kFilledBox, colour);
}

void Segment(Canvas& canvas, double scale, double x1, double y1, double x2, double y2, int32_t colour) {
  canvas.Line(static_cast<float>(x1 * scale), static_cast<float>(y1 * scale), static_cast<float>(x2 * scale),
              static_cast<float>(y2 * scale), LineShape::kSegment, colour);
}

// The plan in plan pixels times `scale`; room colours only for the colour version.
void DrawPlan(Canvas& canvas, double scale, bool colour) {
  const int32_t room_colours[] = {0xE0F0FF, 0xE0FFE0, 0xFFF0E0, 0xF0E0FF, 0xFFFFD0, 0xE0FFFF};
  for (int i = 0; colour && i < 6; ++i) {
    Fill(canvas, scale, 100 + i * 666, 100, 100 + (i + 1) * 666, 1300, room_colours[i]);
    Fill(canvas, scale, 100 + i * 666, 1500, 100 + (i + 1) * 666, 2870, room_colours[5 - i]);
  }
  // Grid lines across the whole plan (a segment leaves out its end point).
  for (int x = 0; x < kWidth; x += 300) Segment(canvas, scale, x, 0, x, kHeight, colour ? kGrey : kBlack);
  for (int y = 0; y < kHeight; y += 300) Segment(canvas, scale, 0, y, kWidth, y, colour ? kGrey : kBlack);
  // Outer walls, the corridor's walls and the walls between the rooms.
  Fill(canvas, scale, 84, 84, 4116, 100, kBlack);
  Fill(canvas, scale, 84, 2870, 4116, 2886, kBlack);
  Fill(canvas, scale, 84, 84, 100, 2886, kBlack);
  Fill(canvas, scale, 4100, 84, 4116, 2886, kBlack);
  for (int i = 0; i < 6; ++i) {
    const int left = 100 + i * 666, door = left + 280;
    Fill(canvas, scale, left, 1292, door, 1300, kBlack);
    Fill(canvas, scale, door + 90, 1292, left + 666, 1300, kBlack);
    Fill(canvas, scale, left, 1500, door, 1508, kBlack);
    Fill(canvas, scale, door + 90, 1500, left + 666, 1508, kBlack);
    if (i > 0)
      Fill(canvas, scale, left - 4, 100, left + 4, 1292, kBlack),
          Fill(canvas, scale, left - 4, 1508, left + 4, 2870, kBlack);
    // Each door's leaf and its swing.
    Segment(canvas, scale, door, 1300, door, 1210, kBlack);
    Segment(canvas, scale, door, 1508, door, 1598, kBlack);
    for (int step = 0; step < 16; ++step) {
      const double a = step * M_PI / 32, b = (step + 1) * M_PI / 32;
      Segment(canvas, scale, door + 90 * std::sin(a), 1300 - 90 * std::cos(a), door + 90 * std::sin(b),
              1300 - 90 * std::cos(b), kBlack);
      Segment(canvas, scale, door + 90 * std::sin(a), 1508 + 90 * std::cos(a), door + 90 * std::sin(b),
              1508 + 90 * std::cos(b), kBlack);
    }
  }
}

// The canvas as a 1-bit BMP: dark pixels black, the rest white.
void WriteBmp(const Canvas& canvas, const std::filesystem::path& file) {
  const uint32_t palette[] = {0x000000, 0xFFFFFF};
  tessera::examples::WriteBmpFile(
      file, canvas.width(), canvas.height(), 1, palette, [&](int32_t y, std::span<uint8_t> row) {
        for (int32_t x = 0; x < canvas.width(); ++x) {
          if ((canvas.PixelAt(x, y) & 0xFF) > 0x80)
            row[static_cast<std::size_t>(x) >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
        }
      });
}

void WriteJpeg(const Canvas& canvas, const std::filesystem::path& file) {
  tessera::examples::WriteJpegFile(file, canvas.width(), canvas.height(), 85,
                                   [&](int32_t y, std::span<uint8_t> row) {
                                     for (int32_t x = 0; x < canvas.width(); ++x) {
                                       const uint32_t pixel = canvas.PixelAt(x, y);
                                       uint8_t* bgr = &row[3 * static_cast<std::size_t>(x)];
                                       bgr[0] = static_cast<uint8_t>(pixel);
                                       bgr[1] = static_cast<uint8_t>(pixel >> 8);
                                       bgr[2] = static_cast<uint8_t>(pixel >> 16);
                                     }
                                   });
}

void WriteRasterIni(const std::filesystem::path& directory) {
  // A file in a sub-folder is stored with its full path, as the factories read any name with a "\"
  // unchanged. Floor 5 is 42 x 29.7 m in millimetres: 10 mm per pixel of the plan.
  const std::string colour_file =
      tessera::platform::ToLibraryPath(std::filesystem::absolute(directory / "Farbe" / "plan.jpg"));
  const std::filesystem::path file = directory / "Raster.ini";
  std::ofstream out(file, std::ios::binary);
  out << "[5]\r\nDatei=plan.bmp\r\nDX=0\r\nDY=0\r\nFaktor=10\r\nSichtbar=Wahr\r\n\r\n"
      << "[6]\r\nDatei=" << colour_file << "\r\nDX=-40\r\nDY=-25\r\nFaktor=30\r\nSichtbar=Wahr\r\n\r\n"
      << "[So1]\r\nDatei=plan.bmp\r\nDX=150\r\nDY=100\r\nFaktor=12\r\nSichtbar=Falsch\r\n";
  if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

void WriteExample(const std::filesystem::path& directory) {
  std::error_code error;
  std::filesystem::create_directories(directory / "Farbe", error);
  if (error) throw std::runtime_error("cannot create '" + directory.string() + "': " + error.message());
  Canvas plan(kWidth, kHeight);
  DrawPlan(plan, 1.0, false);
  WriteBmp(plan, directory / "plan.bmp");
  Canvas coloured(kWidth / 3, kHeight / 3);
  DrawPlan(coloured, 1.0 / 3, true);
  WriteJpeg(coloured, directory / "Farbe" / "plan.jpg");
  WriteRasterIni(directory);
}

constexpr std::string_view kUsage = "usage: make_example DIRECTORY\n";
constexpr std::string_view kHelp =
    "\nWrites the example raster directory DIRECTORY (created if missing): plan.bmp, a 1-bit floor\n"
    "plan; Farbe/plan.jpg, the plan in colour; and Raster.ini, which places them on floors 5 and 6\n"
    "and on level 1 of the second kind. Prints DIRECTORY.\n";

int WrongUsage(const std::string& what) {
  std::cerr << "make_example: " << what << '\n' << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::span<char* const> args(argv + 1, static_cast<std::size_t>(argc - 1));
  for (const std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage << kHelp;
      return 0;
    }
  }
  if (args.empty()) return WrongUsage("missing DIRECTORY");
  for (const std::string_view arg : args) {
    if (arg.starts_with('-')) return WrongUsage("unknown option " + std::string(arg));
  }
  if (args.size() > 1) return WrongUsage("unexpected argument '" + std::string(args[1]) + "'");
  try {
    WriteExample(args[0]);
  } catch (const std::exception& error) {
    std::cerr << "make_example: " << error.what() << '\n';
    return 1;
  }
  std::cout << args[0] << "\n";
  return 0;
}
