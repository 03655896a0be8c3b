#include "tessera/draw/invert_pen.hpp"

#include "tessera/platform/runtime/error.hpp"

namespace tessera {

namespace {

constexpr int16_t kInvert = 6;

}  // namespace

void InvertPen::TakeControl(const platform::ObjectRef& pb) {
  m_pb.reset();  // a failed take leaves no control behind from an earlier call
  m_pb = platform::ObjectAs<platform::PictureControl>(pb);
}

void InvertPen::SaveAndInvert() {
  m_iDrawMode = m_pb->DrawMode();
  m_iDrawWidth = m_pb->DrawWidth();
  m_lForeColor = m_pb->ForeColor();
  m_iDrawStyle = m_pb->DrawStyle();
  m_pb->DrawMode(kInvert);
  m_pb->DrawWidth(1);
  m_pb->ForeColor(0);
  m_pb->DrawStyle(0);
}

void InvertPen::Restore() {
  if (!m_pb) platform::Raise(platform::err::kObjectNotSet);
  m_pb->DrawMode(m_iDrawMode);
  m_pb->DrawWidth(m_iDrawWidth);
  m_pb->ForeColor(m_lForeColor);
  m_pb->DrawStyle(m_iDrawStyle);
  m_pb.reset();
}

}  // namespace tessera
