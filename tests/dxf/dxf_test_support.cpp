#include "dxf_test_support.h"

#include <strings.h>
#include <fstream>
#include <random>
#include <sstream>

#include "db/entity_ops.h"

namespace dxftest {

db::InGroup text(int code, const char* value) {
  db::InGroup g;
  g.code = code;
  g.text = value;
  return g;
}

db::InGroup point(int code, double x, double y, double z) {
  db::InGroup g;
  g.code = code;
  g.v[0] = x;
  g.v[1] = y;
  g.v[2] = z;
  return g;
}

db::InGroup number(int code, double value) {
  db::InGroup g;
  g.code = code;
  g.v[0] = value;
  return g;
}

void make(db::Database& d, std::vector<db::InGroup> groups) {
  const db::MakeResult r = db::makeEntities(d, groups);
  ASSERT_EQ(r.error, 0) << "refused: " << groups.front().text;
}

std::unique_ptr<db::Database> sampleDrawing(bool escapes) {
  auto d = std::make_unique<db::Database>();
  db::Layer& talus = d->layers.at(d->layers.findOrAdd("Talus déblai"));
  talus.color = -5;
  talus.linetype = "DASHED";
  db::Layer& frozen = d->layers.at(d->layers.findOrAdd("GELÉ"));
  frozen.flags = 1;
  frozen.color = 1;
  d->currentLayer = d->layers.findOrAdd("AXE");
  d->setHeaderVar("$LUPREC", {{70, "3"}});
  d->setHeaderVar("$EXTMIN", {{10, "-12.5"}, {20, "0.0"}, {30, "0.0"}});
  d->setHeaderVar("$PROJECTNAME", {{1, "Déviation nord"}});

  const double third = 1.0 / 3.0;
  make(*d, {text(0, "POINT"), text(8, "AXE"), point(10, 0.1 + 0.2, 1e-300, -123456.78901234567)});
  make(*d, {text(0, "LINE"), text(8, "Talus déblai"), point(10, third, 2 * third, 1e22),
            point(11, -0.0, 5e-324, 4.0), number(62, 3), text(6, "DASHED"), number(39, 0.25)});
  make(*d, {text(0, "3DFACE"), point(10, 0, 0, 1), point(11, 1, 0, 1), point(12, 1, 1, 2),
            point(13, 0, 1, 2)});
  make(*d, {text(0, "SOLID"), point(10, 0, 0), point(11, 1, 0), point(12, 0, 1), point(13, 1, 1)});
  make(*d, {text(0, "ARC"), point(10, 5, 5), number(40, 2.5), number(50, 10.5), number(51, 200.25),
            point(210, 0, 0, 1)});
  make(*d, {text(0, "CIRCLE"), text(8, "GELÉ"), point(10, -5, 5), number(40, 0.75)});
  make(*d, {text(0, "TEXT"), point(10, 1, 2, 3), number(40, 2.0), text(1, "PK 1+250 – côté €"),
            number(50, 45.0), text(7, "ROMANS"), number(72, 1), point(11, 4, 5, 6), number(73, 2)});
  if (escapes)
    make(*d, {text(0, "TEXT"), point(10, 0, 0), number(40, 1.0),
              text(1, "a^Jb ^ c \\U+0041 tab\there")});
  make(*d,
       {text(0, "LWPOLYLINE"), number(70, 1), number(38, 12.5), point(10, 0, 0), number(42, 0.5),
        point(10, 10, 0), point(10, 10, 10), number(40, 0.1), number(41, 0.2)});
  make(*d,
       {text(0, "POLYLINE"), number(66, 1), number(70, 8), text(0, "VERTEX"), point(10, 1, 2, 3),
        number(70, 32), text(0, "VERTEX"), point(10, 4, 5, 6), number(70, 32), text(0, "VERTEX"),
        point(10, 7, 8, 9), number(70, 32), text(0, "SEQEND")});
  make(*d, {text(0, "POLYLINE"), text(8, "Talus déblai"), number(66, 1), number(70, 1),
            text(0, "VERTEX"), point(10, 1, 1), number(42, 1.0), text(0, "VERTEX"), point(10, 2, 2),
            text(0, "SEQEND")});
  make(*d,
       {text(0, "INSERT"), text(2, "BORNE"), point(10, 100, 200, 0), number(41, 2), number(42, 2),
        number(50, 30), number(66, 1), text(0, "ATTRIB"), point(10, 100, 201), number(40, 0.5),
        text(1, "PR 12"), text(2, "PR"), number(70, 0), text(0, "ATTRIB"), point(10, 100, 202),
        number(40, 0.5), text(1, "Gauche"), text(2, "COTE"), text(0, "SEQEND")});
  make(*d, {text(0, "INSERT"), text(2, "ARBRE"), point(10, 3, 4, 0)});
  make(*d, {text(0, "ATTDEF"), point(10, 0, 0), number(40, 1), text(1, "?"), text(2, "NOM"),
            text(3, "Nom du point"), number(70, 2)});
  make(*d, {text(0, "POINT"), number(67, 1), point(10, 1, 1)});  // paper space
  make(*d,
       {text(0, "LINE"), point(10, 0, 0), point(11, 1, 1), text(1001, "TALVEX"),
        text(1000, "axe principal"), number(1070, 12), point(1010, 1, 2, 3), number(1040, 0.5)});
  // An erased entity is not saved.
  make(*d, {text(0, "CIRCLE"), point(10, 9, 9), number(40, 9)});
  db::toggleErased(*d, d->entities.size() - 1);

  // Coordinates that need all 17 digits.
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> spread(-1e6, 1e6);
  for (int i = 0; i < 200; ++i)
    make(*d, {text(0, "POINT"), point(10, spread(random), spread(random), spread(random) / 7)});
  return d;
}

namespace {

std::vector<const db::Entity*> live(const db::Database& d) {
  std::vector<const db::Entity*> out;
  for (const auto& e : d.entities)
    if (!e.erased) out.push_back(&e);
  return out;
}

}  // namespace

void expectSameDrawing(const db::Database& a, const db::Database& b) {
  const auto ea = live(a), eb = live(b);
  ASSERT_EQ(ea.size(), eb.size());
  for (size_t i = 0; i < ea.size(); ++i) {
    const db::Entity& x = *ea[i];
    const db::Entity& y = *eb[i];
    SCOPED_TRACE("entity " + std::to_string(i) + " " + db::typeName(x.type));
    EXPECT_EQ(x.type, y.type);
    EXPECT_EQ(x.handle, y.handle);
    EXPECT_EQ(a.layers.at(x.layer).name, b.layers.at(y.layer).name);
    ASSERT_EQ(x.groups.size(), y.groups.size());
    for (size_t k = 0; k < x.groups.size(); ++k) {
      const db::Group& g = x.groups[k];
      const db::Group& h = y.groups[k];
      EXPECT_EQ(g.code, h.code) << "group " << k;
      EXPECT_EQ(g.kind, h.kind) << "group " << k;
      if (g.kind == db::Group::Text) {
        EXPECT_EQ(a.text(g), b.text(h)) << "group " << k;
      } else {
        for (int c = 0; c < 3; ++c)
          EXPECT_EQ(g.v[c], h.v[c]) << "group " << g.code << " [" << c << "]";
      }
    }
  }
  ASSERT_EQ(a.layers.size(), b.layers.size());
  for (uint32_t i = 0; i < a.layers.size(); ++i) {
    const db::Layer& la = a.layers.at(i);
    const int j = b.layers.find(la.name);
    ASSERT_GE(j, 0) << la.name;
    const db::Layer& lb = b.layers.at(static_cast<uint32_t>(j));
    EXPECT_EQ(la.name, lb.name);
    EXPECT_EQ(la.color, lb.color) << la.name;
    EXPECT_EQ(la.flags, lb.flags) << la.name;
    EXPECT_EQ(la.linetype, lb.linetype) << la.name;
  }
  EXPECT_EQ(a.layers.at(a.currentLayer).name, b.layers.at(b.currentLayer).name);
  for (const db::HeaderVar& v : a.header) {
    bool owned = false;
    for (const char* n : {"$ACADVER", "$DWGCODEPAGE", "$HANDSEED", "$CLAYER"})
      owned = owned || strcasecmp(v.name.c_str(), n) == 0;
    if (owned) continue;
    const db::HeaderVar* w = b.headerVar(v.name);
    ASSERT_TRUE(w) << v.name;
    EXPECT_EQ(v.groups, w->groups) << v.name;
  }
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "talvex-dxf-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
  dir_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

}  // namespace dxftest
