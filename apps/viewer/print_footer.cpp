#include "print_footer.hpp"

#include <QCoreApplication>
#include <QLocale>
#include <array>
#include <cmath>

namespace tessera::viewer {
namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kFooterInches = 0.5;

// The context of this file's texts in the viewer's catalogues.
struct FooterTexts {
  Q_DECLARE_TR_FUNCTIONS(tessera::viewer::PrintFooter)
};

// "5 m", "0.5 m", "20 m" in the user's notation.
QString Metres(double metres) {
  return FooterTexts::tr("%1 m").arg(QLocale().toString(metres, 'g', 6));
}

void DrawScaleBar(QPainter& painter, const QRectF& area, const ScaleBar& bar) {
  const double thickness = area.height() * 0.25;
  const QRectF body(area.right() - bar.length, area.bottom() - thickness, bar.length, thickness);
  constexpr int kParts = 4;  // alternating black and white, as a surveyor's bar
  for (int i = 0; i < kParts; ++i) {
    const QRectF part(body.left() + body.width() * i / kParts, body.top(), body.width() / kParts,
                      body.height());
    painter.fillRect(part, i % 2 == 0 ? Qt::black : Qt::white);
  }
  painter.drawRect(body);
  const QRectF labels(body.left(), area.top(), body.width(), body.top() - area.top());
  painter.drawText(labels, Qt::AlignLeft | Qt::AlignBottom, "0");
  painter.drawText(labels, Qt::AlignRight | Qt::AlignBottom, Metres(bar.metres));
}

}  // namespace

double DevicePerWorld(double denominator, double dots_per_inch, double units_per_metre) {
  return dots_per_inch / kMetresPerInch / (denominator * units_per_metre);
}

double ScaleDenominator(double device_per_world, double dots_per_inch, double units_per_metre) {
  return dots_per_inch / kMetresPerInch / (device_per_world * units_per_metre);
}

ScaleBar ScaleBarFor(double device_per_metre, double max_length) {
  if (!(device_per_metre > 0) || !(max_length > 0)) return {};
  const double decade = std::pow(10.0, std::floor(std::log10(max_length / device_per_metre)));
  for (const double step : std::array{5.0, 2.0}) {
    if (step * decade * device_per_metre <= max_length)
      return {step * decade, step * decade * device_per_metre};
  }
  return {decade, decade * device_per_metre};
}

QString FooterLine(const FooterFacts& facts) {
  const QString scale = QString("1:%1").arg(std::lround(facts.denominator));
  return QString("%1  \u00b7  %2  \u00b7  %3")
      .arg(facts.floor, facts.fitted ? FooterTexts::tr("%1 (fitted to the page)").arg(scale) : scale,
           facts.date.toString(Qt::ISODate));
}

double FooterHeight(double dots_per_inch) {
  return dots_per_inch * kFooterInches;
}

void DrawFooter(QPainter& painter, const QRectF& band, const FooterFacts& facts, double device_per_metre) {
  painter.save();
  painter.fillRect(band, Qt::white);
  const double line = band.height() / 3;
  painter.setPen(QPen(Qt::black, line * 0.04));
  painter.drawLine(band.topLeft(), band.topRight());
  QFont font("DejaVu Sans");
  font.setPixelSize(static_cast<int>(line * 0.7));
  painter.setFont(font);
  const QRectF text = band.adjusted(0, line * 0.4, -band.width() * 0.3, 0);
  painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, facts.directory);
  painter.drawText(text.adjusted(0, line, 0, 0), Qt::AlignLeft | Qt::AlignTop, FooterLine(facts));
  const QRectF bar_area(band.right() - band.width() * 0.28, band.top() + line * 0.4, band.width() * 0.28,
                        line * 1.9);
  DrawScaleBar(painter, bar_area, ScaleBarFor(device_per_metre, bar_area.width() * 0.9));
  painter.restore();
}

}  // namespace tessera::viewer
