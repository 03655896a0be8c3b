// CRasterBgrd and CRasterBgrdSo: the raster backgrounds of floors and of levels of the second
// kind. Two unrelated classes for the host, one implementation here.
#pragma once

#include "tessera/export.hpp"
#include "tessera/raster/raster_background.hpp"
#include "tessera/raster/raster_settings.hpp"

namespace tessera {

class TESSERA_API CRasterBgrd final : public RasterBackground {
 public:
  CRasterBgrd() : RasterBackground({"CRasterBgrd", ""}) {}
  std::string_view TypeName() const noexcept override { return "CRasterBgrd"; }
};

class TESSERA_API CRasterBgrdSo final : public RasterBackground {
 public:
  CRasterBgrdSo() : RasterBackground({"CRasterBgrdSo", kSecondKindPrefix}) {}
  std::string_view TypeName() const noexcept override { return "CRasterBgrdSo"; }

  // The identifier given to LoadRasterFile, the same as EtId.
  int32_t id() const { return EtId(); }
};

}  // namespace tessera
