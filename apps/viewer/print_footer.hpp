// The footer of a printed floor: where it comes from (directory, floor), its scale, the day it was
// printed and a scale bar, in a band across the bottom of the page.
#pragma once

#include <QDate>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace tessera::viewer {

// What the footer says. `denominator` is the N of 1:N; a page fitted to the floor has the N its
// fitting gave, rounded.
struct FooterFacts {
  QString directory;
  QString floor;
  double denominator = 0;
  bool fitted = false;
  QDate date;
};

// A scale bar: `metres` long, `length` device pixels on the page.
struct ScaleBar {
  double metres = 0;
  double length = 0;
};

// Device pixels per world unit at 1:`denominator` on a device of `dots_per_inch`, with
// `units_per_metre` world units in a metre; ScaleDenominator is its inverse.
double DevicePerWorld(double denominator, double dots_per_inch, double units_per_metre);
double ScaleDenominator(double device_per_world, double dots_per_inch, double units_per_metre);

// The longest bar of 1, 2 or 5 times a power of ten metres that is at most `max_length` long.
ScaleBar ScaleBarFor(double device_per_metre, double max_length);

// "Floor 5  ·  1:100  ·  2026-12-08"; a page fitted to the floor says so beside its scale.
QString FooterLine(const FooterFacts& facts);

// The footer's height on a device of `dots_per_inch`.
double FooterHeight(double dots_per_inch);

// Draws the footer into `band` (white, a rule above it): the directory and FooterLine on the
// left, the scale bar on the right.
void DrawFooter(QPainter& painter, const QRectF& band, const FooterFacts& facts, double device_per_metre);

}  // namespace tessera::viewer
