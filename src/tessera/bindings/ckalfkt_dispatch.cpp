#include "tessera/bindings/ckalfkt_dispatch.hpp"

#include "tessera/dates/ckalfkt.hpp"

namespace tessera {

using frame::Method;

const frame::DispatchTable& CKalFKtDispatch() {
  static const frame::DispatchTable table(
      "CKalFKt", {"AnzTageProMonat", "AnzWochenProJahr", "IdentWocheByDatum", "IdentDatumByWoche"},
      {
          Method<&CKalFKt::AnzTageProMonat>("AnzTageProMonat", {"byMonat", "stJahr"}),
          Method<&CKalFKt::AnzWochenProJahr>("AnzWochenProJahr", {"stJahr", "MonDate"}),
          Method<&CKalFKt::IdentWocheByDatum>("IdentWocheByDatum", {"aDatum"}),
          Method<&CKalFKt::IdentDatumByWoche>("IdentDatumByWoche", {"byWoche", "lJahr", "aDatum", "eDatum"}),
      });
  return table;
}

}  // namespace tessera
