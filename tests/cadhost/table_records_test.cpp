// Layers, line types and text styles that LISP programs make with entmake: seen
// by tblsearch and tblnext, written in the saved drawing.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_cadhost.h"

namespace {

class TableRecords : public ::testing::Test {
 protected:
  ScratchDir dir;
  CadhostRun run(const std::vector<std::string>& args) {
    std::filesystem::create_directories(dir.file("nomodules"));
    return runCadhost(dir, args, dir.file("nomodules"));
  }
};

TEST_F(TableRecords, MadeByEntmakeFoundByTheTableFunctionsAndSaved) {
  dir.write("tables.lsp",
            "(defun fait (l) (if (entmake l) 'fait 'refus))\n"
            "(prin1 (list\n"
            " (fait '((0 . \"LAYER\") (2 . \"TN\") (70 . 0) (62 . 3) (6 . \"CONTINUOUS\")))\n"
            " (fait '((0 . \"LAYER\") (2 . \"tn\") (62 . 5)))\n"
            " (fait '((0 . \"LAYER\") (62 . 1)))\n"
            " (fait '((0 . \"LAYER\") (2 . \"A<B\")))\n"
            " (fait '((0 . \"LAYER\") (2 . \"GELE\") (70 . 1) (62 . -4) (6 . \"TIRETS\")))\n"
            " (fait '((0 . \"LTYPE\") (100 . \"AcDbSymbolTableRecord\")"
            " (100 . \"AcDbLinetypeTableRecord\") (2 . \"TIRETS\") (70 . 0) (3 . \"Tirets __ __\")"
            " (72 . 65) (73 . 2) (40 . 0.75) (49 . 0.5) (74 . 0) (49 . -0.25) (74 . 0)))\n"
            " (fait '((0 . \"LTYPE\") (2 . \"Continuous\")))\n"
            " (fait '((0 . \"STYLE\") (2 . \"ROMANS\") (70 . 0) (41 . 0.8) (3 . \"romans.shx\")))\n"
            " (fait '((0 . \"STYLE\") (2 . \"Romans\") (3 . \"autre.shx\")))\n"
            " (fait '((0 . \"STYLE\") (2 . \"Standard\")))))\n"
            "(terpri)\n"
            "(prin1 (list (cdr (assoc 62 (tblsearch \"LAYER\" \"tn\")))"
            " (cdr (assoc 70 (tblsearch \"LAYER\" \"GELE\")))"
            " (cdr (assoc 3 (tblsearch \"LTYPE\" \"tirets\")))"
            " (cdr (assoc 73 (tblsearch \"LTYPE\" \"TIRETS\")))"
            " (cdr (assoc 3 (tblnext \"STYLE\" T)))"
            " (cdr (assoc 41 (tblsearch \"STYLE\" \"romans\")))"
            " (tblnext \"STYLE\")))\n"
            "(entmake '((0 . \"TEXT\") (8 . \"TN\") (7 . \"ROMANS\") (10 0.0 0.0 0.0) (40 . 1.0)"
            " (1 . \"PK 0\")))\n");
  const CadhostRun r = run({"--save", "out.dxf", "tables.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(FAIT REFUS REFUS REFUS FAIT FAIT REFUS FAIT REFUS REFUS)"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("(3 1 \"Tirets __ __\" 2 \"romans.shx\" 0.8 nil)"), std::string::npos)
      << r.out;

  const std::string saved = dir.read("out.dxf");
  for (const char* text :
       {"Tirets __ __", "romans.shx", "\n 49\n-0.25\n", "\nGELE\n 70\n1\n 62\n-4\n"})
    EXPECT_NE(saved.find(text), std::string::npos) << text;

  const CadhostRun back = run({"--drawing", "out.dxf", "-e",
                               "(prin1 (mapcar '(lambda (n)"
                               " (cdr (assoc 62 (tblsearch \"LAYER\" n)))) '(\"TN\" \"GELE\")))"});
  ASSERT_EQ(back.status, 0) << back.out << back.err;
  EXPECT_NE(back.out.find("(3 -4)"), std::string::npos) << back.out;
}

}  // namespace
