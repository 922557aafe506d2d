// The outline of a triangulated point set shown as temporary vectors, seen
// from inside the host.
#include <gtest/gtest.h>

#include <cmath>

#include "core/module_loader.h"
#include "core/session.h"
#include "lisp/interpreter.h"
#include "run_cadhost.h"

namespace {

TEST(Outils3dVecteurs, ContourEnVecteursTemporairesVerts) {
  host::Session& s = host::session();
  std::string sortie;
  s.setOutput([&](std::string_view t) { sortie.append(t); });
  std::string erreur;
  ASSERT_TRUE(s.modules().load(builtModule("talvex"), erreur)) << erreur;
  s.grVectors.clear();
  ASSERT_TRUE(
      s.current().lisp().run("(foreach p '((-1 -1 0) (1 -1 0) (1 1 1) (-1 1 1))"
                             " (entmake (list '(0 . \"POINT\") (cons 10 p))))\n"
                             "(setq DRAYMIN 10.0)\n(user-input \"X\" nil)\n(tria_ads)\n",
                             "test"))
      << sortie;
  // The four sides of the square, in colour 3, not highlighted.
  ASSERT_EQ(s.grVectors.size(), 4u) << sortie;
  double perimetre = 0;
  for (const host::GrVector& v : s.grVectors) {
    EXPECT_EQ(v.color, 3);
    EXPECT_EQ(v.highlight, 0);
    perimetre += std::hypot(v.to[0] - v.from[0], v.to[1] - v.from[1]);
  }
  EXPECT_DOUBLE_EQ(perimetre, 8.0);
  ASSERT_TRUE(s.modules().unload("talvex", erreur)) << erreur;
  s.setOutput(nullptr);
}

}  // namespace
