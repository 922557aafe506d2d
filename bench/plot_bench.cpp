// Plotting a drawing measured against loading it, in the same run: a million
// entities (lines, points and 3D faces mixed, on layers of different colours)
// written once as DXF, then read with the DXF reader and plotted to PNG. The
// ratio plot/load says what a plot adds to opening the drawing.
//
//   bench_plot [--entities N] [--runs R]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "chrono_banc.h"
#include "db/entity_builder.h"
#include "dxf/dxf.h"
#include "plot/plot_file.h"

namespace {

namespace fs = std::filesystem;

// A survey over 2 km: ground points, breaklines and the mesh's faces, each on
// its layer, in the order a survey program writes them as it goes.
bool writeDrawing(const std::string& path, size_t count) {
  db::Database d;
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> u(0.0, 2000.0), step(-4.0, 4.0), z(100, 300);
  const uint32_t points = d.layers.findOrAdd("TN"), lines = d.layers.findOrAdd("TALUS"),
                 faces = d.layers.findOrAdd("MAILLAGE_TN");
  d.layers.at(points).color = 1;
  d.layers.at(lines).color = 5;
  d.layers.at(faces).color = 3;
  d.entities.reserve(count);
  db::InGroup g[4];
  for (size_t k = 0; k < count; ++k) {
    const double x = 600000.0 + u(random), y = 6500000.0 + u(random);
    db::BuildInput in;
    in.groups = {g, 1};
    g[0] = db::InGroup{10, {}, {x, y, z(random)}};
    switch (random() % 3) {
      case 0:
        in.type = db::EntityType::Point;
        in.layer = points;
        break;
      case 1:
        in.type = db::EntityType::Line;
        in.layer = lines;
        g[1] = db::InGroup{11, {}, {x + step(random), y + step(random), z(random)}};
        in.groups = {g, 2};
        break;
      default:
        in.type = db::EntityType::Face3d;
        in.layer = faces;
        g[1] = db::InGroup{11, {}, {x + step(random), y + step(random), z(random)}};
        g[2] = db::InGroup{12, {}, {x + step(random), y + step(random), z(random)}};
        g[3] = db::InGroup{13, {}, {g[2].v[0], g[2].v[1], g[2].v[2]}};
        in.groups = {g, 4};
        break;
    }
    db::Entity e;
    if (db::buildEntity(d, db::Origin::Dxf, in, e) == 0) d.add(std::move(e));
  }
  std::string error;
  if (dxf::write(d, path, error)) return true;
  std::fprintf(stderr, "bench_plot: %s\n", error.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  size_t entities = 1000000;
  int runs = 2;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--entities")) entities = std::strtoul(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--runs")) runs = std::max(1, std::atoi(argv[i + 1]));
  }
  const fs::path dir = fs::temp_directory_path() / ("bench_plot_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  struct Cleanup {
    fs::path d;
    ~Cleanup() {
      std::error_code ec;
      fs::remove_all(d, ec);
    }
  } cleanup{dir};
  const std::string drawing = (dir / "leve.dxf").string(), png = (dir / "leve.png").string();
  std::printf("generating %zu entities...\n", entities);
  if (!writeDrawing(drawing, entities)) return 1;

  std::string error;
  std::unique_ptr<db::Database> d;
  const double tLoad = best(runs, [&] {
    d.reset();
    d = dxf::read(drawing, error);
  });
  if (!d) {
    std::fprintf(stderr, "bench_plot: %s\n", error.c_str());
    return 1;
  }
  bool plotted = true;
  const double tPlot = best(runs, [&] {
    std::ofstream out(png, std::ios::binary);
    plotted = plot::writePlot(*d, plot::Format::Png, out, error) && out.flush();
  });
  if (!plotted) {
    std::fprintf(stderr, "bench_plot: %s\n", error.c_str());
    return 1;
  }
  std::printf("%zu entities (%.1f MB of DXF): load %.3f s, plot to PNG %.3f s (%.0f kB)\n",
              d->entities.size(), static_cast<double>(fs::file_size(drawing)) / 1e6, tLoad, tPlot,
              static_cast<double>(fs::file_size(png)) / 1e3);
  std::printf("ratio plot/load %.2f\n", tPlot / tLoad);
  return 0;
}
