// The host's generic dialog: modal runs answered by the scripted user, and
// modeless progress windows.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "acuidialog.h"
#include "base/progress_bar.h"
#include "dcl/modeless_dialogs.h"
#include "dialog_test_support.h"

namespace {

class UiDialog : public DialogTest {
 protected:
  // A parameter dialog as a module builds it.
  void build(AcUiDialog& d) {
    d.addLabel("info", "Choisir le profil");
    d.addEdit("name", "Profil 1");
    d.addList("kind", {"Route", "Piste", "Chemin"}, 0);
    d.addCheck("draft", "Brouillon", false);
    d.addButton("ok", "OK", {}, AcUiDialog::ButtonRole::Default);
    d.addButton("cancel", "Annuler", {}, AcUiDialog::ButtonRole::Cancel);
  }
};

TEST_F(UiDialog, ActionsSetControlsAndButtonsEndTheDialog) {
  AcUiDialog d(101, "Profil");
  build(d);
  std::string seenAtApply;
  d.addButton("apply", "Appliquer", [&](AcUiDialog& self) {
    seenAtApply =
        self.text("name") + "|" + self.text("kind") + "|" + (self.isChecked("draft") ? "1" : "0");
    self.endDialog(42);
  });
  pushDialog({{"name", "Profil 2"}, {"kind", "Chemin"}, {"draft", {}}, {"apply", {}}, {"ok", {}}});
  EXPECT_EQ(d.doModal(), 42);
  EXPECT_EQ(seenAtApply, "Profil 2|Chemin|1");
  EXPECT_EQ(d.selection("kind"), 2);
  EXPECT_TRUE(printed("[dialogue] Profil\n"));

  pushDialog({{"kind", "1"}, {"draft", "non"}, {"ok", {}}});
  EXPECT_EQ(d.doModal(), IDOK);
  EXPECT_EQ(d.text("kind"), "Piste");  // an index picks too
  EXPECT_FALSE(d.isChecked("draft"));

  pushDialog({{"cancel", {}}});
  EXPECT_EQ(d.doModal(), IDCANCEL);
}

TEST_F(UiDialog, EnterEscapeAndAnEmptyQueue) {
  AcUiDialog d(0, "Profil");
  build(d);
  push(host::Answer::Enter);
  EXPECT_EQ(d.doModal(), IDOK);
  push(host::Answer::Cancel);
  EXPECT_EQ(d.doModal(), IDCANCEL);
  EXPECT_EQ(d.doModal(), IDCANCEL);  // nothing queued
  EXPECT_TRUE(printed("\"Profil\"")) << output();
  push(host::Answer::Text, "ok");
  EXPECT_EQ(d.doModal(), IDOK);

  AcUiDialog plain(0, "Sans défaut");
  plain.addEdit("e", "");
  push(host::Answer::Enter);
  EXPECT_EQ(plain.doModal(), IDOK);  // Enter is OK even without a default button
}

TEST_F(UiDialog, WhatCannotBeDoneIsWrittenAndSkipped) {
  AcUiDialog d(0, "Profil");
  build(d);
  d.enable("name", false);
  int changes = 0;
  ASSERT_TRUE(d.onChange("kind", [&](AcUiDialog&) { ++changes; }));
  pushDialog({{"name", "X"},
              {"ghost", {}},
              {"info", "texte"},
              {"kind", "Autoroute"},
              {"kind", "Piste"},
              {"draft", "peut-être"},
              {"info", {}}});
  EXPECT_EQ(d.doModal(), IDCANCEL);
  EXPECT_EQ(d.text("name"), "Profil 1");
  EXPECT_EQ(d.text("kind"), "Piste");
  EXPECT_EQ(changes, 1);
  for (const char* line :
       {"\"name\" est désactivé, action ignorée", "\"ghost\" n'existe pas, action ignorée",
        "\"info\" ne prend pas de valeur, action ignorée",
        "\"kind\" n'a pas d'article \"Autoroute\", action ignorée",
        "\"draft\" attend 0 ou 1, action ignorée", "\"info\" ne se presse pas, action ignorée",
        "[dialogue] Profil: plus d'action, fermé comme par Echap"})
    EXPECT_TRUE(printed(line)) << line << "\n" << output();
}

TEST_F(UiDialog, ControlsAreAddressedByUniqueNames) {
  AcUiDialog d(7, "T");
  EXPECT_TRUE(d.addEdit("a", "x"));
  EXPECT_FALSE(d.addLabel("a", "again"));
  EXPECT_FALSE(d.addLabel(nullptr, "no name"));
  EXPECT_FALSE(d.setChecked("a", true));  // not a check box
  EXPECT_FALSE(d.setProgress("a", 3));
  EXPECT_EQ(d.progress("a"), -1);
  EXPECT_FALSE(d.setText("missing", "x"));
  EXPECT_EQ(d.text("missing"), "");
  EXPECT_TRUE(d.addList("l", {"un", "deux"}));
  EXPECT_EQ(d.selection("l"), -1);
  EXPECT_FALSE(d.setSelection("l", 2));
  EXPECT_TRUE(d.setText("l", "deux"));
  EXPECT_EQ(d.selection("l"), 1);
  EXPECT_FALSE(d.setText("l", "trois"));
  EXPECT_EQ(d.resourceId(), 7);
}

TEST_F(UiDialog, ANestedDialogTakesTheNextAnswer) {
  AcUiDialog outer(0, "Extérieur");
  int innerResult = 0;
  outer.addButton("more", "Plus", [&](AcUiDialog&) {
    AcUiDialog inner(0, "Intérieur");
    inner.addButton("yes", "Oui", {}, AcUiDialog::ButtonRole::Default);
    innerResult = inner.doModal();
  });
  outer.addButton("ok", "OK", {}, AcUiDialog::ButtonRole::Default);
  pushDialog({{"more", {}}, {"ok", {}}});
  pushDialog({{"yes", {}}});
  EXPECT_EQ(outer.doModal(), IDOK);
  EXPECT_EQ(innerResult, IDOK);
  EXPECT_LT(output().find("[dialogue] Extérieur"), output().find("[dialogue] Intérieur"));
}

TEST_F(UiDialog, ModelessProgressWindowsAreVisibleToTheHost) {
  EXPECT_TRUE(dcl::openModelessDialogs().empty());
  {
    AcUiDialog w(0, "Patientez...");
    w.addLabel("text", "Calcul");
    w.addProgress("bar");
    ASSERT_TRUE(w.create());
    EXPECT_FALSE(w.create());
    EXPECT_EQ(w.doModal(), -1);  // shown modeless: not also modal
    w.setProgress("bar", 128);
    w.setText("text", "Profils 3/6");
    auto open = dcl::openModelessDialogs();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].title, "Patientez...");
    EXPECT_EQ(open[0].progressOf("bar"), 128);
    EXPECT_EQ(open[0].textOf("text"), "Profils 3/6");
    w.setProgress("bar", 300);
    EXPECT_EQ(dcl::openModelessDialogs()[0].progressOf("bar"), 255);
    w.destroy();
    EXPECT_TRUE(dcl::openModelessDialogs().empty());
    ASSERT_TRUE(w.create());
    EXPECT_EQ(dcl::openModelessDialogs().size(), 1u);
  }  // the destructor takes it away
  EXPECT_TRUE(dcl::openModelessDialogs().empty());
}

TEST(ProgressLine, ShowsTitleTextBarAndPercent) {
  EXPECT_EQ(host::progressLine("Calcul", "", 0), "Calcul [------------------------------]   0%");
  EXPECT_EQ(host::progressLine("Calcul", "profil 2", 255),
            "Calcul: profil 2 [##############################] 100%");
  EXPECT_EQ(host::progressLine("", "x", 128), "x [###############---------------]  50%");
}

// Runs `body` with standard error sent to `fd`, then puts it back.
template <class F>
void withStderr(int fd, F body) {
  const int saved = ::dup(STDERR_FILENO);
  ::dup2(fd, STDERR_FILENO);
  body();
  ::dup2(saved, STDERR_FILENO);
  ::close(saved);
}

void showProgress() {
  AcUiDialog w(0, "Patientez");
  w.addProgress("bar");
  w.create();
  w.setProgress("bar", 51);
  w.destroy();
}

TEST(ProgressOnStderr, DrawnOnATerminalOnly) {
  char path[] = "/tmp/progress_XXXXXX";
  const int file = ::mkstemp(path);
  ASSERT_GE(file, 0);
  withStderr(file, showProgress);
  EXPECT_EQ(::lseek(file, 0, SEEK_END), 0);  // not a terminal: nothing written
  ::close(file);
  ::unlink(path);

  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
    GTEST_SKIP() << "no pseudo-terminal here";
  const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
  ASSERT_GE(slave, 0);
  withStderr(slave, showProgress);
  ::fcntl(master, F_SETFL, O_NONBLOCK);
  std::string drawn;
  char buf[512];
  for (ssize_t n; (n = ::read(master, buf, sizeof buf)) > 0;)
    drawn.append(buf, static_cast<size_t>(n));
  ::close(slave);
  ::close(master);
  EXPECT_NE(drawn.find("Patientez [######------------------------]  20%"), std::string::npos)
      << drawn;
  EXPECT_NE(drawn.rfind("\r\033[K"), std::string::npos);  // erased when the window goes
}

}  // namespace
