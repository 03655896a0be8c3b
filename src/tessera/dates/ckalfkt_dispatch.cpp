#include "tessera/dates/ckalfkt_dispatch.hpp"

namespace tessera {

// The calendar members have their slots but no rows yet; each answers 438 until it is built.
const frame::DispatchTable& CKalFKtDispatch() {
  static const frame::DispatchTable table(
      "CKalFKt", {"AnzTageProMonat", "AnzWochenProJahr", "IdentWocheByDatum", "IdentDatumByWoche"}, {});
  return table;
}

}  // namespace tessera
