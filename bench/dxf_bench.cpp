// DXF reading and writing measured against reading the same file line by line
// with std::getline, in the same run:
//   load/getline and save/getline throughput ratios (goal >= 1/3),
//   memory a loaded drawing takes against the file size (goal <= 2x),
//   selecting by layer with acedSSGet "X".
//
//   bench_dxf [--entities N] [--runs R]   generate a drawing in a temp dir and measure
//   bench_dxf --generate FILE [--entities N]
//   bench_dxf --read FILE                 time dxf::read only (for ezdxf_compare.py)
//   bench_dxf --memory FILE               resident kB before, after loading, and peak
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "acedads.h"
#include "base/resbuf_list.h"
#include "chrono_banc.h"
#include "core/session.h"
#include "db/entity_builder.h"
#include "dxf/dxf.h"

namespace {

long statusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
  return -1;
}

// Points on several layers and 3D polylines of 10 vertices: about 100 bytes a
// entity in the file.
std::unique_ptr<db::Database> makeDrawing(size_t count) {
  auto d = std::make_unique<db::Database>();
  const char* layers[] = {"TN_POINTS", "TALUS", "AXE", "PROFIL_EN_TRAVERS", "LAYER_NAME"};
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> xs(600000, 700000), ys(6800000, 6900000), zs(100, 900);
  // Surveyed to the millimetre, as field data is.
  auto mm = [&](std::uniform_real_distribution<double>& d) {
    return std::round(d(random) * 1000) / 1000;
  };
  auto x = [&](std::mt19937_64&) { return mm(xs); };
  auto y = [&](std::mt19937_64&) { return mm(ys); };
  auto z = [&](std::mt19937_64&) { return mm(zs); };
  d->entities.reserve(count);
  db::InGroup g[3];
  auto add = [&](db::EntityType type, size_t n, uint32_t layer) {
    db::BuildInput in{type, {g, n}, layer, 0};
    db::Entity e;
    db::buildEntity(*d, db::Origin::Dxf, in, e);
    d->add(std::move(e));
  };
  uint32_t layerIndex[5];
  for (int i = 0; i < 5; ++i) layerIndex[i] = d->layers.findOrAdd(layers[i]);
  while (d->entities.size() < count) {
    if (random() % 4 != 0 || count - d->entities.size() < 12) {
      g[0] = db::InGroup{10, {}, {x(random), y(random), z(random)}};
      add(db::EntityType::Point, 1, layerIndex[random() % 5]);
      continue;
    }
    const uint32_t layer = layerIndex[1 + random() % 4];
    g[0] = db::InGroup{66, {}, {1, 0, 0}};
    g[1] = db::InGroup{10, {}, {0, 0, 0}};
    g[2] = db::InGroup{70, {}, {8, 0, 0}};
    add(db::EntityType::Polyline, 3, layer);
    for (int v = 0; v < 10; ++v) {
      g[0] = db::InGroup{10, {}, {x(random), y(random), z(random)}};
      g[1] = db::InGroup{70, {}, {32, 0, 0}};
      add(db::EntityType::Vertex, 2, layer);
    }
    add(db::EntityType::Seqend, 0, layer);
  }
  return d;
}

bool generate(const std::string& path, size_t count) {
  std::string error;
  auto d = makeDrawing(count);
  if (!dxf::write(*d, path, error)) {
    std::fprintf(stderr, "bench_dxf: %s\n", error.c_str());
    return false;
  }
  return true;
}

int readOnly(const std::string& path) {
  std::string error;
  std::unique_ptr<db::Database> d;
  const double t = seconds([&] { d = dxf::read(path, error); });
  if (!d) {
    std::fprintf(stderr, "bench_dxf: %s\n", error.c_str());
    return 1;
  }
  std::printf("%.3f %zu\n", t, d->entities.size());
  return 0;
}

// Resident size before and after loading, and the peak, in kB.
int memory(const std::string& path) {
  const long before = statusKb("VmRSS:");
  std::string error;
  auto d = dxf::read(path, error);
  if (!d) {
    std::fprintf(stderr, "bench_dxf: %s\n", error.c_str());
    return 1;
  }
  std::printf("%ld %ld %ld\n", before, statusKb("VmRSS:"), statusKb("VmHWM:"));
  return 0;
}

int measure(size_t count, int runs) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("talvex-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "drawing.dxf").string();
  const std::string saved = (dir / "saved.dxf").string();
  struct Cleanup {
    std::filesystem::path d;
    ~Cleanup() {
      std::error_code ec;
      std::filesystem::remove_all(d, ec);
    }
  } cleanup{dir};

  std::printf("generating %zu entities...\n", count);
  if (!generate(path, count)) return 1;
  const double mb = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  std::printf("file: %.1f MB\n\n", mb);

  size_t lines = 0;
  const double tGetline = best(runs, [&] {
    std::ifstream in(path);
    std::string line;
    lines = 0;
    while (std::getline(in, line)) ++lines;
  });

  std::string error;
  std::unique_ptr<db::Database> d;
  const double tRead = best(runs, [&] {
    d.reset();
    d = dxf::read(path, error);
  });
  if (!d) {
    std::fprintf(stderr, "bench_dxf: %s\n", error.c_str());
    return 1;
  }

  // Memory of one load, measured in a fresh process so that nothing this one
  // allocated before (and the allocator kept) hides or inflates it.
  long before = 0, after = 0, peak = 0;
  std::error_code ec;
  const std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
  const std::string command = "'" + self + "' --memory '" + path + "'";
  if (std::FILE* p = popen(command.c_str(), "r")) {
    if (std::fscanf(p, "%ld %ld %ld", &before, &after, &peak) != 3) before = after = peak = 0;
    pclose(p);
  }
  const double grownMb = static_cast<double>(after - before) * 1024 / 1e6;
  const double peakMb = static_cast<double>(peak - before) * 1024 / 1e6;

  const size_t entities = d->entities.size();
  host::session().current().replaceDatabase(std::move(d));
  int32_t selected = 0;
  host::RbList filter(acutBuildList(8, "LAYER_NAME", 0));
  const double tSelect = best(runs, [&] {
    ads_name ss;
    if (acedSSGet("X", nullptr, nullptr, filter.get(), ss) == RTNORM) {
      acedSSLength(ss, &selected);
      acedSSFree(ss);
    }
  });

  const db::Database& loaded = host::session().current().db();
  const double tWrite = best(runs, [&] {
    if (!dxf::write(loaded, saved, error)) std::fprintf(stderr, "bench_dxf: %s\n", error.c_str());
  });
  const double savedMb = static_cast<double>(std::filesystem::file_size(saved)) / 1e6;

  const double getlineRate = mb / tGetline, readRate = mb / tRead, writeRate = savedMb / tWrite;
  std::printf("%-28s %8.3f s %8.1f MB/s  (%zu lines)\n", "std::getline (floor)", tGetline,
              getlineRate, lines);
  std::printf("%-28s %8.3f s %8.1f MB/s  load/getline %.2f (goal >= 0.33) %s\n", "dxf::read", tRead,
              readRate, readRate / getlineRate,
              readRate / getlineRate >= 1.0 / 3 ? "ok" : "MISSED");
  std::printf("%-28s %8.3f s %8.1f MB/s  save/getline %.2f (goal >= 0.33) %s\n", "dxf::write",
              tWrite, writeRate, writeRate / getlineRate,
              writeRate / getlineRate >= 1.0 / 3 ? "ok" : "MISSED");
  std::printf("%-28s %8.3f s  %d of %zu entities\n", "acedSSGet X (8 . LAYER_NAME)", tSelect,
              selected, entities);
  if (after <= before) {
    std::printf("memory of the loaded drawing: not measured\n");
    return 1;
  }
  std::printf(
      "memory of the loaded drawing: %.1f MB = %.2f x the file (goal <= 2) %s; "
      "peak while loading %.1f MB = %.2f x\n",
      grownMb, grownMb / mb, grownMb / mb <= 2.0 ? "ok" : "MISSED", peakMb, peakMb / mb);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  size_t count = 1000000;
  int runs = 3;
  std::string generateTo, readFrom, memoryOf;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--entities" && hasValue)
      count = std::strtoul(argv[++i], nullptr, 10);
    else if (a == "--runs" && hasValue)
      runs = std::max(1, std::atoi(argv[++i]));
    else if (a == "--generate" && hasValue)
      generateTo = argv[++i];
    else if (a == "--read" && hasValue)
      readFrom = argv[++i];
    else if (a == "--memory" && hasValue)
      memoryOf = argv[++i];
    else {
      std::fprintf(stderr,
                   "usage: bench_dxf [--entities N] [--runs R] | --generate FILE "
                   "[--entities N] | --read FILE\n");
      return 2;
    }
  }
  if (!generateTo.empty()) return generate(generateTo, count) ? 0 : 1;
  if (!readFrom.empty()) return readOnly(readFrom);
  if (!memoryOf.empty()) return memory(memoryOf);
  return measure(count, runs);
}
