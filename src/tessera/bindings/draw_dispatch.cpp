#include "tessera/bindings/draw_dispatch.hpp"

#include "tessera/draw/cdraw_line.hpp"
#include "tessera/draw/cdraw_rect.hpp"

namespace tessera {

using frame::Method;
using frame::PropertyGet;
using frame::PropertyPut;
using frame::Reader;
using frame::Writer;

namespace {

using LineReads = Reader<CDrawLine, CDrawLine::PointRef>;
using LineWrites = Writer<CDrawLine, CDrawLine::PointRef>;
using RectReads = Reader<CDrawRect, CDrawRect::RectRef>;
using RectWrites = Writer<CDrawRect, CDrawRect::RectRef>;

}  // namespace

const frame::DispatchTable& CDrawLineDispatch() {
  static const frame::DispatchTable table(
      "CDrawLine", {"m_P0", "m_P1", "m_bDraw", "Init", "CopyFrom", "Draw"},
      {
          PropertyGet<static_cast<LineReads>(&CDrawLine::m_P0)>("m_P0"),
          PropertyPut<static_cast<LineWrites>(&CDrawLine::m_P0)>("m_P0", {"point"}),
          PropertyGet<static_cast<LineReads>(&CDrawLine::m_P1)>("m_P1"),
          PropertyPut<static_cast<LineWrites>(&CDrawLine::m_P1)>("m_P1", {"point"}),
          PropertyGet<static_cast<Reader<CDrawLine, bool>>(&CDrawLine::m_bDraw)>("m_bDraw"),
          PropertyPut<static_cast<Writer<CDrawLine, bool>>(&CDrawLine::m_bDraw)>("m_bDraw", {"draw"}),
          Method<&CDrawLine::Init>("Init"),
          Method<&CDrawLine::CopyFrom>("CopyFrom", {"o"}),
          Method<&CDrawLine::Draw>("Draw", {"pb", "Trans"}),
      });
  return table;
}

const frame::DispatchTable& CDrawRectDispatch() {
  static const frame::DispatchTable table(
      "CDrawRect", {"m_Rect", "Init", "CopyFrom", "Draw"},
      {
          PropertyGet<static_cast<RectReads>(&CDrawRect::m_Rect)>("m_Rect"),
          PropertyPut<static_cast<RectWrites>(&CDrawRect::m_Rect)>("m_Rect", {"rect"}),
          Method<&CDrawRect::Init>("Init"),
          Method<&CDrawRect::CopyFrom>("CopyFrom", {"o"}),
          Method<&CDrawRect::Draw>("Draw", {"pb"}),
      });
  return table;
}

}  // namespace tessera
