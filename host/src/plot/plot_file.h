// Plots of a drawing: its plan view fitted on one page, as a PNG image, an
// SVG or a PDF document, chosen by the file name's extension.
#pragma once
#include <iosfwd>
#include <string>
#include <string_view>

namespace db {
class Database;
}

namespace plot {

enum class Format { Png, Svg, Pdf };

// The format a file name asks for (.png, .svg, .pdf, case ignored); false for another.
bool formatOf(std::string_view path, Format& out);

// Plots the drawing to `out`: every entity a plot shows (plotted_entities.h)
// in its colour on white, fitted with a margin. A PNG is 1600 pixels on its long
// side, SVG and PDF an A3 page; landscape unless the drawing is taller than
// wide. False with `error` (French) when Cairo fails or `out` refuses the bytes.
bool writePlot(const db::Database& db, Format format, std::ostream& out, std::string& error);

}  // namespace plot
