// Tessera: the one header a host includes.
//
// It brings every public class with its events and enumerations, the geometry companions, the
// runtime types that appear in their signatures, the drawing surfaces a host passes in (a Canvas
// as picture control, the Printer) and the user-interface services a host may replace.
//
// How members fail. Each member follows one of the library's error styles:
//  - members that report show a message box through the installed UI services (critical icon, OK,
//    titled with the application title) and return what they had so far;
//  - members that pass errors on throw tessera::platform::RuntimeError, which carries the
//    runtime's error number, a source and a description (13 "Type mismatch", 53 "File not found",
//    481 "Invalid picture", ...);
//  - members that end quietly or pass over a failing step throw nothing.
// No member ends the host. The headless UI services are in force until a host installs its own
// with tessera::platform::SetUiServices (ScopedUiServices for a stretch of work); RecordingUi keeps
// what the library showed, for tests.
#pragma once

#include "tessera/dates/ckalfkt.hpp"
#include "tessera/draw/cdraw_line.hpp"
#include "tessera/draw/cdraw_rect.hpp"
#include "tessera/frame/catalogue/enumerations.hpp"
#include "tessera/frame/companions/mensura/mens_global.hpp"
#include "tessera/frame/companions/mensura/mens_rect.hpp"
#include "tessera/frame/companions/mensura/mens_trans.hpp"
#include "tessera/platform/gdi/gdi_objects.hpp"
#include "tessera/platform/gdi/text_out.hpp"
#include "tessera/platform/runtime/collection.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/date.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/format.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/runtime/variant.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "tessera/platform/surface/picture_control.hpp"
#include "tessera/platform/surface/png_writer.hpp"
#include "tessera/platform/surface/printer.hpp"
#include "tessera/platform/ui/headless_ui.hpp"
#include "tessera/platform/ui/recording_ui.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/raster/crasterbgrd.hpp"
#include "tessera/raster/raster_events.hpp"
#include "tessera/raster/raster_settings.hpp"
#include "tessera/raster/typed_units.hpp"
#include "tessera/text/cfont.hpp"
#include "tessera/text/ctextattribut.hpp"
#include "tessera/text/ctextfile.hpp"
#include "tessera/tool/gtool.hpp"
#include "tessera/version.hpp"
