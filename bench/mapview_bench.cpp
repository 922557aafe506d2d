// A map view measured against its floor in the same run: attaching 20 source
// drawings of N entities each through the mapping service, activating them
// and running a location query whose boundary takes about a tenth of them
// into the current drawing, against loading the same 20 files with the DXF
// reader alone, held as the view holds them (goal <= 1.5: the query must not
// cost much more than loading). Each runs in a process of its own, so that
// neither starts with the memory the other freed.
//
//   bench_mapview [--entities N] [--drawings D]
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "acedads.h"
#include "base/resbuf_list.h"
#include "chrono_banc.h"
#include "core/session.h"
#include "db/entity_builder.h"
#include "dxf/dxf.h"
#include "map/map_service.h"

namespace {

namespace fs = std::filesystem;

// Lines and points over a 1 km square shifted for each drawing, on a few
// layers, as a cadastre sheet holds them.
bool writeSource(const fs::path& path, size_t count, uint64_t seed) {
  db::Database d;
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> u(0.0, 1000.0), step(-5.0, 5.0);
  const uint32_t layers[] = {d.layers.findOrAdd("PARCELLES"), d.layers.findOrAdd("BATI"),
                             d.layers.findOrAdd("BORNES")};
  db::InGroup g[2];
  for (size_t k = 0; k < count; ++k) {
    const double x = 600000.0 + u(random), y = 6500000.0 + u(random);
    db::Entity e;
    if (k % 3 == 2) {
      g[0] = db::InGroup{10, {}, {x, y, 0}};
      db::buildEntity(d, db::Origin::Dxf, {db::EntityType::Point, {g, 1}, layers[2], 0}, e);
    } else {
      g[0] = db::InGroup{10, {}, {x, y, 0}};
      g[1] = db::InGroup{11, {}, {x + step(random), y + step(random), 0}};
      db::buildEntity(d, db::Origin::Dxf, {db::EntityType::Line, {g, 2}, layers[k % 2], 0}, e);
    }
    d.add(std::move(e));
  }
  std::string error;
  if (dxf::write(d, path.string(), error)) return true;
  std::fprintf(stderr, "bench_mapview: %s\n", error.c_str());
  return false;
}

// fn's figures, computed in a child process (nothing on failure).
std::vector<double> inChild(const std::function<std::vector<double>()>& fn) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    const std::vector<double> v = fn();
    const ssize_t n = static_cast<ssize_t>(v.size() * sizeof(double));
    ::_exit(::write(fds[1], v.data(), v.size() * sizeof(double)) == n ? 0 : 1);
  }
  ::close(fds[1]);
  std::vector<double> v(8);
  const ssize_t n = pid > 0 ? ::read(fds[0], v.data(), v.size() * sizeof(double)) : -1;
  ::close(fds[0]);
  int status = 0;
  if (pid > 0) ::waitpid(pid, &status, 0);
  v.resize(n > 0 ? static_cast<size_t>(n) / sizeof(double) : 0);
  return v;
}

struct Call {
  int ok;
  host::RbList result;
};
Call ade(host::map::MapService& s, int number, resbuf* args) {
  host::RbList owned(args);
  resbuf* r = nullptr;
  Call c{s.execute(number, owned.get(), &r), nullptr};
  c.result.reset(r);
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  size_t entities = 100000, drawings = 20;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--entities")) entities = std::strtoul(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--drawings")) drawings = std::strtoul(argv[i + 1], nullptr, 10);
  }
  const fs::path dir = fs::temp_directory_path() / ("bench_mapview_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::vector<std::string> names;
  for (size_t k = 0; k < drawings; ++k) {
    names.push_back("feuille" + std::to_string(k) + ".dxf");
    if (!writeSource(dir / names.back(), entities, 11 + k)) return 1;
  }

  // Floor: the reader alone, the drawings held.
  const std::vector<double> floor = inChild([&] {
    std::vector<std::unique_ptr<db::Database>> held;
    size_t read = 0;
    const double t = seconds([&] {
      for (const std::string& n : names) {
        std::string error;
        if (auto d = dxf::read((dir / n).string(), error)) {
          read += d->entities.size();
          held.push_back(std::move(d));
        }
      }
    });
    return std::vector<double>{t, static_cast<double>(read)};
  });

  // The view: attach and activate each drawing, then the query over a square
  // holding a tenth of the sheet's area (lines reaching out of it cross it).
  const std::vector<double> view = inChild([&] {
    host::Session session;
    session.newDocument("");
    host::map::MapService service;
    size_t copied = 0;
    bool ok = true;
    const double t = seconds([&] {
      ok = ade(service, host::map::kAliasAdd,
               acutBuildList(RTSTR, "CAD", RTSTR, dir.string().c_str(), 0))
               .ok == 1;
      for (const std::string& n : names) {
        Call id =
            ade(service, host::map::kDsAttach, acutBuildList(RTSTR, ("CAD:\\" + n).c_str(), 0));
        if (id.ok != 1) {
          ok = false;
          continue;
        }
        ade(service, host::map::kDwgActivate, acutBuildList(RTREAL, id.result->resval.rreal, 0));
      }
      const double side = 1000.0 * std::sqrt(0.1);
      const ads_point p0 = {600100.0, 6500100.0, 0}, p1 = {600100.0 + side, 6500100.0, 0},
                      p2 = {600100.0 + side, 6500100.0 + side, 0},
                      p3 = {600100.0, 6500100.0 + side, 0};
      ade(service, host::map::kQryClear, nullptr);
      ok = ok && ade(service, host::map::kQryDefine,
                     acutBuildList(RTLB, RTSTR, "and", RTSTR, "", RTSTR, "", RTSTR, "Location",
                                   RTLB, RTSTR, "polygon", RTSTR, "crossing", RTPOINT, p0, RTPOINT,
                                   p1, RTPOINT, p2, RTPOINT, p3, RTLE, RTSTR, "", RTLE, 0))
                         .ok == 1;
      ade(service, host::map::kQrySetType, acutBuildList(RTSTR, "draw", RTNIL, 0));
      Call done = ade(service, host::map::kQryExecute, nullptr);
      if (done.ok == 1) copied = static_cast<size_t>(done.result->resval.rreal);
    });
    return ok ? std::vector<double>{t, static_cast<double>(copied)} : std::vector<double>{};
  });
  fs::remove_all(dir);
  if (floor.size() != 2 || view.size() != 2 ||
      floor[1] != static_cast<double>(drawings * entities)) {
    std::printf("the view or the floor failed\n");
    return 1;
  }
  const double ratio = view[0] / floor[0];
  std::printf(
      "%zu drawings of %zu entities: loaded alone %.3f s; view %.3f s (%.0f entities, %.1f %%)\n",
      drawings, entities, floor[0], view[0], view[1],
      100.0 * view[1] / static_cast<double>(drawings * entities));
  std::printf("ratio view/load %.2f (goal <= 1.5) %s\n", ratio, ratio <= 1.5 ? "ok" : "MISSED");
  return 0;
}
