#include "tessera/platform/gdi/gdi_objects.hpp"

#include <cmath>
#include <mutex>
#include <unordered_map>

#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "tessera/platform/surface/device_contexts.hpp"

namespace tessera::platform {

namespace {

constexpr int32_t kTwipsPerInch = 1440;
constexpr double kMillimetresPerInch = 25.4;

struct GdiTables {
  std::unordered_map<int32_t, LogicalFont> fonts;
  std::unordered_map<int32_t, int32_t> selected;  // device context -> font, once one was selected
  int32_t stock_font = 0;
};

// The stock font that every device context starts with: the bold system face of GDI.
LogicalFont StockFont() {
  LogicalFont font;
  font.height = 16;
  font.weight = 700;
  font.face_name = "System";
  return font;
}

// Handles are the process's; a host may make fonts on several threads.
std::recursive_mutex& TablesGuard() {
  static std::recursive_mutex guard;
  return guard;
}

GdiTables& Tables() {
  static GdiTables tables = [] {
    GdiTables fresh;
    fresh.stock_font = NewGdiHandle();
    fresh.fonts.emplace(fresh.stock_font, StockFont());
    return fresh;
  }();
  return tables;
}

// Forgets what was selected into device contexts whose surfaces are gone.
void DropEndedDeviceContexts() {
  std::erase_if(Tables().selected,
                [](const auto& entry) { return CanvasOfDeviceContext(entry.first) == nullptr; });
}

int32_t DotsPerInch(int32_t twips_per_pixel) {
  return static_cast<int32_t>(std::lround(static_cast<double>(kTwipsPerInch) / twips_per_pixel));
}

int32_t Millimetres(int32_t pixels, int32_t dots_per_inch) {
  return static_cast<int32_t>(std::lround(pixels * kMillimetresPerInch / dots_per_inch));
}

}  // namespace

int32_t CreateFontA(int32_t cHeight, int32_t cWidth, int32_t cEscapement, int32_t cOrientation,
                    int32_t cWeight, uint32_t bItalic, uint32_t bUnderline, uint32_t bStrikeOut,
                    uint32_t iCharSet, uint32_t iOutPrecision, uint32_t iClipPrecision, uint32_t iQuality,
                    uint32_t iPitchAndFamily, std::string_view pszFaceName) {
  if (LiveFontCount() >= kMaxLiveFonts) return 0;
  const LogicalFont font{cHeight,         cWidth,
                         cEscapement,     cOrientation,
                         cWeight,         bItalic != 0,
                         bUnderline != 0, bStrikeOut != 0,
                         iCharSet,        iOutPrecision,
                         iClipPrecision,  iQuality,
                         iPitchAndFamily, FromAnsi(pszFaceName.substr(0, kMaxFaceNameBytes))};
  const std::lock_guard lock(TablesGuard());
  GdiTables& tables = Tables();
  const int32_t handle = NewGdiHandle();
  tables.fonts.emplace(handle, font);
  return handle;
}

int32_t SelectObject(int32_t hdc, int32_t object) {
  const std::lock_guard lock(TablesGuard());
  const int32_t previous = SelectedFont(hdc);
  if (previous == 0 || !Tables().fonts.contains(object)) return 0;
  Tables().selected[hdc] = object;
  return previous;
}

bool DeleteObject(int32_t object) {
  const std::lock_guard lock(TablesGuard());
  GdiTables& tables = Tables();
  if (object == tables.stock_font) return true;
  if (!tables.fonts.contains(object)) return false;
  DropEndedDeviceContexts();
  for (const auto& [hdc, font] : tables.selected) {
    if (font == object) return false;
  }
  tables.fonts.erase(object);
  return true;
}

int32_t GetDeviceCaps(int32_t hdc, int32_t index) {
  const Canvas* canvas = CanvasOfDeviceContext(hdc);
  if (canvas == nullptr) return 0;
  const int32_t dpi_x = DotsPerInch(canvas->TwipsPerPixelX());
  const int32_t dpi_y = DotsPerInch(canvas->TwipsPerPixelY());
  switch (index) {
    case HORZSIZE:
      return Millimetres(canvas->width(), dpi_x);
    case VERTSIZE:
      return Millimetres(canvas->height(), dpi_y);
    case HORZRES:
      return canvas->width();
    case VERTRES:
      return canvas->height();
    case LOGPIXELSX:
      return dpi_x;
    case LOGPIXELSY:
      return dpi_y;
    default:
      return 0;
  }
}

int32_t SelectedFont(int32_t hdc) {
  const std::lock_guard lock(TablesGuard());
  GdiTables& tables = Tables();
  if (CanvasOfDeviceContext(hdc) == nullptr) {
    tables.selected.erase(hdc);
    return 0;
  }
  const auto found = tables.selected.find(hdc);
  return found == tables.selected.end() ? tables.stock_font : found->second;
}

const LogicalFont* FontRecord(int32_t font) {
  const std::lock_guard lock(TablesGuard());
  const auto found = Tables().fonts.find(font);
  return found == Tables().fonts.end() ? nullptr : &found->second;
}

std::size_t LiveFontCount() {
  const std::lock_guard lock(TablesGuard());
  return Tables().fonts.size() - 1;
}

}  // namespace tessera::platform
