// Files from LISP: open/close, line reading and writing, load, findfile.
#include "lisp_fixture.h"
#include "run_cadhost.h"

namespace {

using Files = LispTest;

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

TEST_F(Files, WriteThenReadLines) {
  ScratchDir dir;
  const std::string path = quoted(dir.file("sortie.txt"));
  EXPECT_EQ(eval("(setq f (open " + path + " \"w\")) (type f)"), "FILE");
  eval("(write-line \"première\" f) (princ 12.5 f) (prin1 \"q\" f) (write-char 10 f) (close f)");
  EXPECT_EQ(dir.read("sortie.txt"), "première\n12.5\"q\"\n");
  eval("(setq f (open " + path + " \"a\")) (write-line \"ajout\" f) (close f)");
  EXPECT_EQ(eval("(setq f (open " + path +
                 " \"r\")) (list (read-line f) (read-line f) (read-line f) (read-line f))"),
            "(\"première\" \"12.5\\\"q\\\"\" \"ajout\" nil)");
  eval("(close f)");
  EXPECT_EQ(eval("(read-line f)"), "error: fichier non ouvert en lecture: #<FILE " + path + ">");
  EXPECT_EQ(eval("(open \"/pas/de/dossier/x.txt\" \"w\")"), "nil");
  EXPECT_EQ(eval("(open " + path + " \"x\")"), "error: valeur d'argument incorrecte: mode: \"x\"");
}

TEST_F(Files, CrLfLineEndsAreDropped) {
  ScratchDir dir;
  dir.write("dos.txt", "a\r\nb");
  EXPECT_EQ(eval("(setq f (open \"" + dir.file("dos.txt") +
                 "\" \"r\")) (list (read-line f) (read-line f))"),
            "(\"a\" \"b\")");
}

TEST_F(Files, LoadRunsAFileAndReportsErrorsWithItsOwnLines) {
  ScratchDir dir;
  dir.write("outils.lsp", "(defun double (x) (* 2 x))\n(setq charge t)\n");
  dir.write("casse.lsp", "(setq avant 1)\n\n(double \"x\")\n");
  EXPECT_EQ(eval("(load \"" + dir.file("outils") + "\")"), "T");  // ".lsp" is added
  EXPECT_EQ(eval("(double 4)"), "8");
  EXPECT_FALSE(run("(load \"" + dir.file("casse.lsp") + "\")\n", "principal.lsp"));
  EXPECT_EQ(out, "; erreur: type d'argument incorrect: numberp: \"x\" (" + dir.file("outils.lsp") +
                     ", ligne 1)\n");
  EXPECT_EQ(eval("(load \"" + dir.file("absent.lsp") + "\" 'rate)"), "RATE");
  EXPECT_EQ(eval("(load \"" + dir.file("absent.lsp") + "\")"),
            "error: échec du chargement: " + quoted(dir.file("absent.lsp")));
  EXPECT_EQ(eval("(findfile \"" + dir.file("outils.lsp") + "\")"), quoted(dir.file("outils.lsp")));
  EXPECT_EQ(eval("(findfile \"" + dir.file("absent.lsp") + "\")"), "nil");
}

}  // namespace
