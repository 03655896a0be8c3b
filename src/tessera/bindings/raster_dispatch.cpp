#include "tessera/bindings/raster_dispatch.hpp"

#include <string>
#include <vector>

#include "tessera/frame/catalogue/catalogue.hpp"
#include "tessera/frame/component/dispatch_sink.hpp"
#include "tessera/raster/crasterbgrd.hpp"

namespace tessera {

using frame::Method;
using frame::Optional;
using frame::PropertyGet;
using frame::PropertyPut;

namespace {

using Load = bool (RasterBackground::*)(const std::string&, int32_t, int32_t, bool, std::string&);
using ReadVisible = bool (RasterBackground::*)() const;
using WriteVisible = void (RasterBackground::*)(bool);

// The members both classes share, `id` of the second kind after Zoom.
std::vector<std::string_view> Members(bool with_id) {
  std::vector<std::string_view> names{"Dx", "Dy", "Zoom"};
  if (with_id) names.push_back("id");
  for (std::string_view name :
       {"EtId", "EtHeight", "Height", "Width", "hBitmap", "FilePath", "EditTransActive", "Visible",
        "RasterTransEditMode", "Init", "LoadRasterFile", "GenTrans", "EditTrans", "SetTrans", "Draw",
        "MouseDown", "MouseMove", "ShowTransDlg", "ClearIni"}) {
    names.push_back(name);
  }
  return names;
}

std::vector<frame::MemberRow> Rows(frame::ParamName id, frame::ParamName height) {
  return {
      PropertyGet<&RasterBackground::Dx>("Dx"),
      PropertyGet<&RasterBackground::Dy>("Dy"),
      PropertyGet<&RasterBackground::Zoom>("Zoom"),
      PropertyGet<&RasterBackground::EtId>("EtId"),
      PropertyGet<&RasterBackground::EtHeight>("EtHeight"),
      PropertyGet<&RasterBackground::Height>("Height"),
      PropertyGet<&RasterBackground::Width>("Width"),
      PropertyGet<&RasterBackground::hBitmap>("hBitmap"),
      PropertyGet<&RasterBackground::FilePath>("FilePath"),
      PropertyGet<&RasterBackground::EditTransActive>("EditTransActive"),
      PropertyGet<static_cast<ReadVisible>(&RasterBackground::Visible)>("Visible"),
      PropertyPut<static_cast<WriteVisible>(&RasterBackground::Visible)>("Visible", {"b"}),
      PropertyGet<&RasterBackground::RasterTransEditMode>("RasterTransEditMode"),
      Method<&RasterBackground::Init>("Init"),
      Method<static_cast<Load>(&RasterBackground::LoadRasterFile)>(
          "LoadRasterFile", {"stFile", id, height, "bVisible", Optional("stInitDir")}),
      Method<&RasterBackground::GenTrans>("GenTrans", {"lLogWidth"}),
      Method<&RasterBackground::SetTrans>("SetTrans", {"lDx", "lDy", "dFactor"}),
      Method<&RasterBackground::Draw>("Draw", {"Ctrl", "Trans", "LogClipRect"}),
      Method<&RasterBackground::EditTrans>("EditTrans"),
      Method<&RasterBackground::MouseDown>("MouseDown",
                                           {"iButton", "iShift", "lLogX", "lLogY", "PCtrl", "Trans"}),
      Method<&RasterBackground::MouseMove>("MouseMove",
                                           {"iButton", "iShift", "lLogX", "lLogY", "PCtrl", "Trans"}),
      Method<&RasterBackground::ShowTransDlg>("ShowTransDlg"),
      Method<&RasterBackground::ClearIni>("ClearIni"),
  };
}

// The events as a host's IDispatch receives them, under their positions 1 to 3.
struct RasterDispatchSink : frame::DispatchSink<RasterEvents> {
  using DispatchSink::DispatchSink;
  void TransChanged() override { Forward<&RasterEvents::TransChanged>(1); }
  void TransEnd(bool bSaved) override { Forward<&RasterEvents::TransEnd>(2, bSaved); }
  void GetPbAndTrans(platform::ObjectRef& PictBox, std::shared_ptr<mensura::MensTrans>& Trans) override {
    Forward<&RasterEvents::GetPbAndTrans>(3, PictBox, Trans);
  }
};

frame::EventBridge BridgeFor(std::string_view class_name) {
  return frame::BridgeOf<RasterBackground, RasterDispatchSink>(*frame::FindClass(class_name)->events_id);
}

}  // namespace

const frame::DispatchTable& CRasterBgrdDispatch() {
  static const frame::DispatchTable table("CRasterBgrd", Members(false), Rows("lId", "lHeight"));
  return table;
}

const frame::DispatchTable& CRasterBgrdSoDispatch() {
  static const frame::DispatchTable table("CRasterBgrdSo", Members(true), [] {
    auto rows = Rows("lEtId", "lEtHeight");
    rows.push_back(PropertyGet<&CRasterBgrdSo::id>("id"));
    return rows;
  }());
  return table;
}

const frame::EventBridge& CRasterBgrdEventBridge() {
  static const frame::EventBridge bridge = BridgeFor("CRasterBgrd");
  return bridge;
}

const frame::EventBridge& CRasterBgrdSoEventBridge() {
  static const frame::EventBridge bridge = BridgeFor("CRasterBgrdSo");
  return bridge;
}

}  // namespace tessera
