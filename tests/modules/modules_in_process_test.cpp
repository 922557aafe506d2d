// Framework modules loaded into this process: drawings opened after loading,
// and the main window caption.
#include <gtest/gtest.h>

#include "aced.h"
#include "core/module_loader.h"
#include "core/session.h"
#include "lisp/interpreter.h"
#include "run_cadhost.h"

namespace {

TEST(ModulesEnProcessus, DeuxiemeDessinDeclareSansRepeterLaBanniere) {
  host::Session& s = host::session();
  std::string sortie;
  s.setOutput([&](std::string_view t) { sortie.append(t); });
  std::string erreur;
  ASSERT_TRUE(s.modules().load(builtModule("talvex"), erreur)) << erreur;
  EXPECT_STREQ(acedGetMainWindowCaption(), "TALVEX") << "event 1 sets the title";

  s.newDocument("");
  ASSERT_EQ(s.documentCount(), 2u);
  // The functions exist in the new drawing's LISP too.
  EXPECT_TRUE(s.current().lisp().isFunction("c:aproposde"));
  EXPECT_TRUE(s.current().lisp().run("(c:exetopo 1)", "test"));
  const std::string banniere = "****** Module Talvex chargé";
  size_t n = 0;
  for (size_t p = sortie.find(banniere); p != std::string::npos; p = sortie.find(banniere, p + 1))
    ++n;
  EXPECT_EQ(n, 1u) << sortie;

  ASSERT_TRUE(s.modules().unload("talvex", erreur)) << erreur;
  EXPECT_FALSE(s.current().lisp().isFunction("c:aproposde"));
  s.setOutput(nullptr);
}

}  // namespace
