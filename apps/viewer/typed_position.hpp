// Positions and lengths on the floor as the user types them in the transformation dialog: in typed
// units (metres where world units are millimetres), Y up from the floor's bottom, to the whole
// world unit and with the user locale's decimal separator. What the status bar shows this way can
// be typed back into the dialog's fields.
#pragma once

#include <QString>

#include "view_transform.hpp"

namespace tessera::viewer {

// A world length as a typed number: "5,000" for 5 000 world units at 1 000 a metre, under a
// locale with the decimal comma.
QString TypedLength(double world_length);
// "X 12,345  Y 6,789 m": the whole world point that a click at `world` picks, on a floor
// `floor_height` world units high.
QString PositionText(Point world, double floor_height);
// "5,000 m": the distance between the points that clicks at `from` and `to` pick.
QString DistanceText(Point from, Point to);
// "Distance 5,000 m  DX 3,000  DY 4,000": from the point picked at `from` to the one at `to`, DY
// upwards, as a drag of the plan from one to the other would shift it.
QString VectorText(Point from, Point to);

}  // namespace tessera::viewer
