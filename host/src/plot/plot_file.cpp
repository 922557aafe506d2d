#include "plot/plot_file.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <strings.h>

#include <algorithm>
#include <memory>
#include <new>
#include <ostream>
#include <utility>

#include "db/database.h"
#include "plot/entity_painter.h"

namespace plot {

namespace {

struct SurfaceFree {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextFree {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceFree>;
using Context = std::unique_ptr<cairo_t, ContextFree>;

struct Sheet {
  double width, height;  // pixels for an image, points for a document
  Pen pen;
};

// A PNG 1600 pixels on its long side; documents on A3 in points. Both at the
// ratio of A sizes, turned to the drawing.
Sheet sheetFor(Format format, const Box& extents) {
  const bool portrait = !extents.empty() && extents.y1 - extents.y0 > extents.x1 - extents.x0;
  Sheet s =
      format == Format::Png ? Sheet{1600, 1131, {1.0, 3.0}} : Sheet{1190.55, 841.89, {0.5, 2.0}};
  if (portrait) std::swap(s.width, s.height);
  return s;
}

cairo_status_t writeChunk(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::ostream*>(closure);
  out->write(reinterpret_cast<const char*>(data), length);
  return *out ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

Surface makeSurface(Format format, const Sheet& sheet, std::ostream& out) {
  switch (format) {
    case Format::Png:
      return Surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(sheet.width),
                                                static_cast<int>(sheet.height)));
    case Format::Svg:
      return Surface(
          cairo_svg_surface_create_for_stream(writeChunk, &out, sheet.width, sheet.height));
    case Format::Pdf:
      return Surface(
          cairo_pdf_surface_create_for_stream(writeChunk, &out, sheet.width, sheet.height));
  }
  return nullptr;
}

bool failed(cairo_status_t status, std::string& error) {
  if (status == CAIRO_STATUS_SUCCESS) return false;
  error = status == CAIRO_STATUS_WRITE_ERROR
              ? std::string("écriture du tracé impossible")
              : std::string("tracé impossible (Cairo: ") + cairo_status_to_string(status) + ")";
  return true;
}

bool draw(const db::Database& db, Format format, std::ostream& out, std::string& error) {
  const Box extents = plotExtents(db);
  const Sheet sheet = sheetFor(format, extents);
  Surface surface = makeSurface(format, sheet, out);
  Context cr(cairo_create(surface.get()));
  cairo_set_source_rgb(cr.get(), 1, 1, 1);
  cairo_paint(cr.get());
  const PageTransform page(extents, sheet.width, sheet.height,
                           0.02 * std::min(sheet.width, sheet.height));
  {
    EntityPainter painter(cr.get(), db, page, sheet.pen);
    forEachPlotted(db, [&](const PlottedEntity& p) { painter.paint(p); });
  }
  if (failed(cairo_status(cr.get()), error)) return false;
  cr.reset();
  if (format == Format::Png) {
    if (failed(cairo_surface_write_to_png_stream(surface.get(), writeChunk, &out), error))
      return false;
  } else {
    // A document's bytes go out as it finishes.
    cairo_surface_finish(surface.get());
  }
  return !failed(cairo_surface_status(surface.get()), error);
}

}  // namespace

bool formatOf(std::string_view path, Format& out) {
  const size_t dot = path.rfind('.');
  const size_t slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    return false;
  const std::string extension(path.substr(dot + 1));
  if (strcasecmp(extension.c_str(), "png") == 0)
    out = Format::Png;
  else if (strcasecmp(extension.c_str(), "svg") == 0)
    out = Format::Svg;
  else if (strcasecmp(extension.c_str(), "pdf") == 0)
    out = Format::Pdf;
  else
    return false;
  return true;
}

bool writePlot(const db::Database& db, Format format, std::ostream& out, std::string& error) {
  error.clear();
  try {
    return draw(db, format, out, error);
  } catch (const std::bad_alloc&) {
    error = "mémoire insuffisante pour le tracé";
  } catch (const std::exception& e) {
    error = std::string("tracé interrompu: ") + e.what();
  }
  return false;
}

}  // namespace plot
