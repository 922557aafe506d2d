// Reading DCL: prototypes, includes, the built-in clusters, and the file and
// line given for every kind of fault.
#include <gtest/gtest.h>

#include <string>

#include "dcl/dcl_error.h"
#include "dcl/dcl_file.h"
#include "run_cadhost.h"

namespace {

const std::string kData = std::string(TEST_SOURCE_DIR) + "/dcl/data";

// The first tile with that key, depth first.
const dcl::Tile* findKey(const dcl::Tile& t, const std::string& key) {
  if (t.key() == key) return &t;
  for (const dcl::Tile& c : t.children)
    if (const dcl::Tile* f = findKey(c, key)) return f;
  return nullptr;
}

dcl::DclFile load(const std::string& text) { return dcl::loadDclText(text, "test.dcl", kData); }

// The fault reading `text` would report, as "line: message".
std::string faultOf(const std::string& text) {
  try {
    load(text);
  } catch (const dcl::DclError& e) {
    return std::to_string(e.line()) + ": " + e.what();
  }
  return "no fault";
}

TEST(DclReader, PrototypesGiveTheirAttributesAndChildrenAndUsesOverrideThem) {
  const dcl::DclFile f = load(R"(
    framed : boxed_column { label = "Cadre"; width = 20; : text { key = "inner"; label = "dedans"; } }
    wide_button : button { width = 30; label = "Large"; }
    d : dialog {
      label = "Essai";
      : framed { key = "box"; label = "Autre"; : button { key = "added"; } }
      : wide_button { key = "w"; }
      wide_button;
    }
  )");
  const dcl::Tile* d = f.dialog("d");
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->text("label"), "Essai");
  const dcl::Tile* box = findKey(*d, "box");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->type, "boxed_column");
  EXPECT_EQ(box->text("label"), "Autre");  // the use wins over the prototype
  EXPECT_EQ(box->text("width"), "20");
  ASSERT_EQ(box->children.size(), 2u);  // the prototype's child, then the use's
  EXPECT_EQ(box->children[0].key(), "inner");
  EXPECT_EQ(box->children[1].key(), "added");
  const dcl::Tile* w = findKey(*d, "w");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->type, "button");
  EXPECT_EQ(w->text("width"), "30");
  // `name;` is a use without body.
  ASSERT_EQ(d->children.size(), 3u);
  EXPECT_EQ(d->children[2].type, "button");
  EXPECT_EQ(d->children[2].text("label"), "Large");
  // Prototypes are not dialogs.
  EXPECT_EQ(f.dialog("framed"), nullptr);
  EXPECT_EQ(f.dialogs.size(), 1u);
}

TEST(DclReader, BuiltInExitClustersCarryTheirKeys) {
  const dcl::DclFile f = load(R"(
    a : dialog { ok_cancel; }
    b : dialog { ok_cancel_help_errtile; }
    c : dialog { ok_cancel_help_info; }
    d : dialog { ok_only; }
  )");
  const dcl::Tile* accept = findKey(*f.dialog("a"), "accept");
  const dcl::Tile* cancel = findKey(*f.dialog("a"), "cancel");
  ASSERT_TRUE(accept && cancel);
  EXPECT_EQ(accept->type, "button");
  EXPECT_TRUE(accept->flag("is_default"));
  EXPECT_TRUE(cancel->flag("is_cancel"));
  EXPECT_EQ(findKey(*f.dialog("a"), "help"), nullptr);
  EXPECT_NE(findKey(*f.dialog("b"), "help"), nullptr);
  const dcl::Tile* error = findKey(*f.dialog("b"), "error");
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->type, "text");
  EXPECT_NE(findKey(*f.dialog("c"), "info"), nullptr);
  const dcl::Tile* only = findKey(*f.dialog("d"), "accept");
  ASSERT_NE(only, nullptr);
  EXPECT_TRUE(only->flag("is_default"));
  EXPECT_TRUE(only->flag("is_cancel"));  // Escape also answers the single button
  EXPECT_EQ(findKey(*f.dialog("d"), "cancel"), nullptr);
}

TEST(DclReader, StringsNumbersNamesAndComments) {
  const dcl::DclFile f = load(
      "// comment line\n"
      "d : dialog { /* a comment\n over lines */ label = \"Dit \\\"oui\\\" \\\\ C:\\\\x\\tfin\";\n"
      "  : slider { key = \"s\"; min_value = -10; max_value = 2.5e2; }\n"
      "  : toggle { key = \"t\"; is_enabled = false; }  // trailing\n"
      "}\n");
  const dcl::Tile* d = f.dialog("d");
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->text("label"), "Dit \"oui\" \\ C:\\x\tfin");
  const dcl::Tile* s = findKey(*d, "s");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->attribute("min_value")->kind, dcl::Value::Number);
  EXPECT_EQ(s->text("min_value"), "-10");
  EXPECT_EQ(s->text("max_value"), "2.5e2");
  const dcl::Value* enabled = findKey(*d, "t")->attribute("is_enabled");
  ASSERT_NE(enabled, nullptr);
  EXPECT_EQ(enabled->kind, dcl::Value::Name);
  EXPECT_EQ(enabled->text, "false");
}

TEST(DclReader, IncludedPrototypesAreUsableAndIncludedDialogsListed) {
  const dcl::DclFile f = dcl::loadDclFile(kData + "/settings.dcl");
  ASSERT_NE(f.dialog("settings"), nullptr);
  ASSERT_NE(f.dialog("confirm"), nullptr);
  const dcl::Tile* name = findKey(*f.dialog("settings"), "name");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->type, "edit_box");
  EXPECT_EQ(name->text("edit_limit"), "8");
  EXPECT_EQ(name->text("value"), "Route 1");
  EXPECT_EQ(findKey(*f.dialog("settings"), "draft")->text("value"), "1");

  const dcl::DclFile outer =
      load("@include \"settings.dcl\"\nmine : dialog { : short_edit { key = \"e\"; } }");
  EXPECT_NE(outer.dialog("settings"), nullptr);
  EXPECT_NE(outer.dialog("mine"), nullptr);
}

TEST(DclReader, SyntaxFaultsNameTheirLine) {
  struct Case {
    const char* text;
    const char* fault;  // line and the start of the message
  };
  const Case cases[] = {
      {"d : dialog {\n  label = \"x\"\n  ok_only;\n}",
       "3: ';' attendu après la valeur de \"label\""},
      {"d : dialog {\n label = \"open\n}", "2: chaîne non terminée"},
      {"d : dialog {\n/* never closed\n\n}", "2: commentaire /* non terminé"},
      {"d : dialog {\n ok_cancel;\n", "1: '}' manquante pour \"d\""},
      {"d dialog { }", "1: ':' attendu après \"d\""},
      {"d : dialog {\n : nothing_known { }\n}", "2: type d'élément inconnu \"nothing_known\""},
      {"d : dialog {\n label = ;\n}", "2: valeur attendue pour \"label\""},
      {"d : dialog {\n\n key = \"k\" $ }", "3: caractère inattendu '$'"},
      {"a : b { }\nb : a { }\nd : dialog { a; }", "1: définition circulaire"},
      {"@include \"missing_file.dcl\"", "1: fichier inclus introuvable \"missing_file.dcl\""},
      {"@import \"x\"", "1: directive inconnue"},
      {"d : dialog { width = 1.2.3; }", "1: nombre mal formé"},
  };
  for (const Case& c : cases) {
    const std::string fault = faultOf(c.text);
    EXPECT_EQ(fault.rfind(c.fault, 0), 0u) << "text: " << c.text << "\nfault: " << fault;
  }
}

TEST(DclReader, AFaultInAnIncludedFileNamesThatFile) {
  try {
    dcl::loadDclFile(kData + "/bad_include.dcl");
    FAIL() << "no fault reported";
  } catch (const dcl::DclError& e) {
    EXPECT_NE(e.file().find("bad_syntax.dcl"), std::string::npos) << e.file();
    EXPECT_EQ(e.line(), 4);
    EXPECT_NE(e.describe().find("bad_syntax.dcl, ligne 4: ';' attendu"), std::string::npos)
        << e.describe();
  }
}

TEST(DclReader, CircularIncludeIsAFault) {
  ScratchDir dir;
  dir.write("a.dcl", "@include \"b.dcl\"\n");
  dir.write("b.dcl", "\n@include \"a.dcl\"\n");
  try {
    dcl::loadDclFile(dir.file("a.dcl"));
    FAIL() << "no fault reported";
  } catch (const dcl::DclError& e) {
    EXPECT_NE(e.file().find("b.dcl"), std::string::npos);
    EXPECT_EQ(e.line(), 2);
    EXPECT_NE(std::string(e.what()).find("inclusion circulaire"), std::string::npos);
  }
}

TEST(DclReader, HostileFilesAreRefusedNotBuilt) {
  // Each level uses the one below twice: 2^40 tiles if built.
  std::string text = "p0 : button { }\n";
  for (int i = 1; i <= 40; ++i)
    text += "p" + std::to_string(i) + " : column { p" + std::to_string(i - 1) + "; p" +
            std::to_string(i - 1) + "; }\n";
  text += "d : dialog { p40; }\n";
  EXPECT_NE(faultOf(text).find("dialogue trop grand"), std::string::npos);

  std::string deep = "d : dialog {";
  for (int i = 0; i < 5000; ++i) deep += " : column {";
  EXPECT_NE(faultOf(deep).find("imbrication trop profonde"), std::string::npos);

  // A long chain of prototypes, each based on the next one defined.
  std::string chain = "d : dialog { q0; }\n";
  for (int i = 0; i < 5000; ++i)
    chain += "q" + std::to_string(i) + " : q" + std::to_string(i + 1) + " { }\n";
  chain += "q5000 : column { }\n";
  EXPECT_NE(faultOf(chain).find("prototypes imbriqués trop profondément"), std::string::npos);
}

}  // namespace
