// DCL dialogs driven through the host's ads_* functions and answered by the
// scripted user.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "acedads.h"
#include "adsdlg.h"
#include "dialog_test_support.h"

namespace {

const std::string kSettings = std::string(TEST_SOURCE_DIR) + "/dcl/data/settings.dcl";

// What callbacks saw; callbacks are plain functions, so it is global.
struct Seen {
  std::vector<std::string> events;  // "key=value/reason"
  std::vector<std::string> tiles;   // values read by readTiles
  long x = -1, y = -1;
  void* clientData = nullptr;
  int nestedStatus = -99;
};
Seen seen;

std::string tile(ads_hdlg d, const char* key) {
  char buf[256];
  return ads_get_tile(d, key, buf, sizeof buf) == RTNORM ? buf : "<none>";
}

std::string keyOf(ads_callback_packet* p) {
  char key[64];
  return ads_get_attr_string(p->tile, "key", key, sizeof key) == RTNORM ? key : "<none>";
}

void record(ads_callback_packet* p) {
  seen.events.push_back(keyOf(p) + "=" + p->value + "/" + std::to_string(p->reason));
  seen.x = p->x;
  seen.y = p->y;
  seen.clientData = p->client_data;
}

// Writes what it saw to the status text, as a program shows feedback.
void echoToStatus(ads_callback_packet* p) {
  record(p);
  ads_set_tile(p->dialog, "status", (std::string("vu ") + p->value).c_str());
}

// Reads the tiles a test asks about, then closes with status 5.
std::vector<const char*> tilesToRead;
void readTilesAndClose(ads_callback_packet* p) {
  for (const char* k : tilesToRead) seen.tiles.push_back(tile(p->dialog, k));
  ads_done_dialog(p->dialog, 5);
}

void acceptWithOk(ads_callback_packet* p) {
  for (const char* k : tilesToRead) seen.tiles.push_back(tile(p->dialog, k));
  ads_done_dialog(p->dialog, DLGOK);
}

int dclId = 0;
void openConfirm(ads_callback_packet*) {
  ads_hdlg inner = nullptr;
  ASSERT_EQ(ads_new_dialog("confirm", dclId, NULLCB, &inner), RTNORM);
  ads_start_dialog(inner, &seen.nestedStatus);
}

void openConfirmThatTerminates(ads_callback_packet*) {
  ads_hdlg inner = nullptr;
  ASSERT_EQ(ads_new_dialog("confirm", dclId, NULLCB, &inner), RTNORM);
  ads_action_tile(inner, "accept", [](ads_callback_packet*) { ads_term_dialog(); });
  ads_start_dialog(inner, &seen.nestedStatus);
}

void throwing(ads_callback_packet*) { throw std::runtime_error("boom"); }

class DclRun : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    seen = Seen{};
    tilesToRead.clear();
    ASSERT_EQ(ads_load_dialog(kSettings.c_str(), &dclId), RTNORM) << output();
    ASSERT_GT(dclId, 0);
    ASSERT_EQ(ads_new_dialog("settings", dclId, NULLCB, &dlg_), RTNORM);
  }
  int start() {
    int status = -99;
    EXPECT_EQ(ads_start_dialog(dlg_, &status), RTNORM);
    return status;
  }
  ads_hdlg dlg_ = nullptr;
};

TEST_F(DclRun, ActionsSetTilesRunCallbacksInOrderAndDoneDialogEnds) {
  ads_action_tile(dlg_, "width", echoToStatus);
  ads_action_tile(dlg_, "more", readTilesAndClose);
  tilesToRead = {"width", "status", "name"};
  pushDialog({{"width", "9.25"}, {"more", {}}, {"accept", {}}});
  EXPECT_EQ(start(), 5);
  EXPECT_EQ(seen.events, (std::vector<std::string>{"width=9.25/1"}));
  EXPECT_EQ(seen.tiles, (std::vector<std::string>{"9.25", "vu 9.25", "Route 1"}));
  EXPECT_TRUE(printed("[dialogue] Paramètres \"projet\"\n")) << output();
  EXPECT_EQ(host::session().user().pending(), 0u);
  // The dialog is gone once it has ended.
  EXPECT_EQ(ads_set_tile(dlg_, "name", "x"), RTERROR);
}

TEST_F(DclRun, ExitButtonsWithoutActionEndTheDialog) {
  pushDialog({{"accept", {}}});
  EXPECT_EQ(start(), DLGOK);

  for (const char* how : {"cancel", "enter", "escape", "text"}) {
    ads_hdlg d = nullptr;
    ASSERT_EQ(ads_new_dialog("settings", dclId, NULLCB, &d), RTNORM);
    const std::string h = how;
    if (h == "cancel") pushDialog({{"cancel", {}}});
    if (h == "enter") push(host::Answer::Enter);
    if (h == "escape") push(host::Answer::Cancel);
    if (h == "text") push(host::Answer::Text, "accept");
    int status = -99;
    ASSERT_EQ(ads_start_dialog(d, &status), RTNORM);
    EXPECT_EQ(status, h == "enter" || h == "text" ? DLGOK : DLGCANCEL) << how;
  }
  EXPECT_FALSE(printed("fermé comme par Echap")) << output();
}

TEST_F(DclRun, RunningOutOfActionsOrAnswersClosesAsEscape) {
  pushDialog({{"name", "Bis"}, {"help", {}}});  // help has no action: nothing happens
  EXPECT_EQ(start(), DLGCANCEL);
  EXPECT_TRUE(printed("[dialogue] Paramètres \"projet\": plus d'action, fermé comme par Echap\n"))
      << output();

  ads_hdlg d = nullptr;
  ASSERT_EQ(ads_new_dialog("confirm", dclId, NULLCB, &d), RTNORM);
  int status = -99;
  ASSERT_EQ(ads_start_dialog(d, &status), RTNORM);  // empty queue
  EXPECT_EQ(status, DLGCANCEL);
  EXPECT_TRUE(printed("[dialogue] Confirmer\n"));
  EXPECT_TRUE(printed("\"Confirmer\"")) << output();  // the empty queue names the dialog

  ASSERT_EQ(ads_new_dialog("confirm", dclId, NULLCB, &d), RTNORM);
  host::Answer point;
  point.kind = host::Answer::Point;
  host::session().user().push(point);
  ASSERT_EQ(ads_start_dialog(d, &status), RTNORM);
  EXPECT_EQ(status, DLGCANCEL);
  EXPECT_TRUE(printed("[dialogue] Confirmer: réponse inattendue, fermé comme par Echap\n"));
}

TEST_F(DclRun, DisabledTilesCannotBeSetOrPressedByTheUser) {
  ads_action_tile(dlg_, "accept", acceptWithOk);
  tilesToRead = {"name", "left"};
  ASSERT_EQ(ads_mode_tile(dlg_, "name", MODE_DISABLE), RTNORM);
  ASSERT_EQ(ads_mode_tile(dlg_, "side", MODE_DISABLE), RTNORM);  // the whole cluster
  // The program itself may still set a disabled tile.
  ASSERT_EQ(ads_set_tile(dlg_, "name", "Programme"), RTNORM);
  pushDialog({{"name", "Utilisateur"}, {"left", {}}, {"missing", "1"}, {"accept", {}}});
  EXPECT_EQ(start(), DLGOK);
  EXPECT_EQ(seen.tiles, (std::vector<std::string>{"Programme", "0"}));
  EXPECT_TRUE(printed(": \"name\" est désactivé, action ignorée\n")) << output();
  EXPECT_TRUE(printed(": \"left\" est désactivé, action ignorée\n"));
  EXPECT_TRUE(printed(": \"missing\" n'existe pas, action ignorée\n"));

  // Enabled again, the user reaches it; a disabled exit button is not pressed.
  ads_hdlg d = nullptr;
  ASSERT_EQ(ads_new_dialog("settings", dclId, NULLCB, &d), RTNORM);
  ads_mode_tile(d, "accept", MODE_DISABLE);
  ads_mode_tile(d, "accept", MODE_ENABLE);
  ads_mode_tile(d, "cancel", MODE_DISABLE);
  pushDialog({{"cancel", {}}, {"accept", {}}});
  int status = -99;
  ads_start_dialog(d, &status);
  EXPECT_EQ(status, DLGOK);
}

TEST_F(DclRun, ListsAreFilledByTheProgramAndPickedByTextOrIndex) {
  ASSERT_EQ(ads_start_list(dlg_, "units", LIST_NEW, 0), RTNORM);
  ads_add_list("m");
  ads_add_list("km");
  ASSERT_EQ(ads_end_list(), RTNORM);
  ASSERT_EQ(ads_start_list(dlg_, "units", LIST_APPEND, 0), RTNORM);
  ads_add_list("mm");
  ads_end_list();
  ASSERT_EQ(ads_start_list(dlg_, "units", LIST_CHANGE, 1), RTNORM);
  ads_add_list("hm");
  ads_end_list();
  const dcl::TileState* units = dcl::dialogs().dialog(dlg_)->find("units");
  EXPECT_EQ(units->items, (std::vector<std::string>{"m", "hm", "mm"}));

  EXPECT_EQ(ads_add_list("orphan"), RTERROR);                     // no list open
  EXPECT_EQ(ads_start_list(dlg_, "name", LIST_NEW, 0), RTERROR);  // not a list
  EXPECT_EQ(ads_start_list(dlg_, "units", LIST_CHANGE, 7), RTERROR);
  EXPECT_EQ(ads_end_list(), RTERROR);

  ads_action_tile(dlg_, "units", record);
  ads_action_tile(dlg_, "accept", acceptWithOk);
  tilesToRead = {"units", "layers"};
  pushDialog({{"units", "mm"}, {"units", "5"}, {"units", "cm"}, {"layers", "0 2"}, {"accept", {}}});
  EXPECT_EQ(start(), DLGOK);
  EXPECT_EQ(seen.tiles, (std::vector<std::string>{"2", "0 2"}));
  EXPECT_EQ(seen.events, (std::vector<std::string>{"units=2/1"}));
  EXPECT_TRUE(printed("\"units\" n'a pas d'article \"5\", action ignorée")) << output();
  EXPECT_TRUE(printed("\"units\" n'a pas d'article \"cm\", action ignorée"));
}

TEST_F(DclRun, TogglesAndRadioButtonsKeepTheirClusterConsistent) {
  EXPECT_EQ(tile(dlg_, "side"), "right");  // from the button's value in the file
  EXPECT_EQ(tile(dlg_, "draft"), "1");     // from the prototype
  ads_action_tile(dlg_, "side", record);   // the cluster's action serves its buttons
  ads_action_tile(dlg_, "accept", acceptWithOk);
  tilesToRead = {"side", "left", "right", "draft"};
  pushDialog({{"left", {}}, {"draft", {}}, {"draft", "yes"}, {"side", "nowhere"}, {"accept", {}}});
  EXPECT_EQ(start(), DLGOK);
  EXPECT_EQ(seen.tiles, (std::vector<std::string>{"left", "1", "0", "0"}));
  EXPECT_EQ(seen.events, (std::vector<std::string>{"side=left/1"}));
  EXPECT_TRUE(printed("\"draft\" attend 0 ou 1, action ignorée"));
  EXPECT_TRUE(printed("\"side\" n'a pas de bouton \"nowhere\", action ignorée"));

  // The program selects through the cluster too.
  ads_hdlg d = nullptr;
  ads_new_dialog("settings", dclId, NULLCB, &d);
  ads_set_tile(d, "side", "left");
  EXPECT_EQ(tile(d, "left"), "1");
  EXPECT_EQ(tile(d, "right"), "0");
  ads_set_tile(d, "right", "1");
  EXPECT_EQ(tile(d, "side"), "right");
  EXPECT_EQ(tile(d, "left"), "0");
}

TEST_F(DclRun, TilesAndAttributesReadBack) {
  char small[4];
  ASSERT_EQ(ads_get_tile(dlg_, "name", small, sizeof small), RTNORM);
  EXPECT_STREQ(small, "Rou");  // maxlen - 1 bytes and the zero
  EXPECT_EQ(ads_get_tile(dlg_, "name", small, 0), RTERROR);
  EXPECT_EQ(ads_get_tile(dlg_, "nothing", small, sizeof small), RTERROR);
  EXPECT_EQ(tile(dlg_, "status"), "Prêt");  // a text shows its label

  char attr[64];
  ASSERT_EQ(ads_get_attr(dlg_, "name", "edit_limit", attr, sizeof attr), RTNORM);
  EXPECT_STREQ(attr, "8");  // from the included prototype
  ASSERT_EQ(ads_get_attr(dlg_, "accept", "label", attr, sizeof attr), RTNORM);
  EXPECT_STREQ(attr, "OK");
  EXPECT_EQ(ads_get_attr(dlg_, "name", "no_such_attribute", attr, sizeof attr), RTERROR);

  short cx = 0, cy = 0;
  ASSERT_EQ(ads_dimensions_tile(dlg_, "preview", &cx, &cy), RTNORM);
  EXPECT_EQ(cx, 80);  // 10 character cells of 8 pixels
  EXPECT_EQ(cy, 40);  // from the aspect ratio

  ads_action_tile(dlg_, "name", record);
  pushDialog({{"name", "Un nom beaucoup trop long"}, {"accept", {}}});
  EXPECT_EQ(start(), DLGOK);
  EXPECT_EQ(seen.events, (std::vector<std::string>{"name=Un nom b/1"}));  // cut at edit_limit
}

TEST_F(DclRun, ImageButtonsReportThePointAndClientData) {
  int marker = 0;
  ads_client_data_tile(dlg_, "preview", &marker);
  ads_action_tile(dlg_, "preview", record);
  pushDialog({{"preview", "12,34"}, {"preview", "oops"}, {"accept", {}}});
  EXPECT_EQ(start(), DLGOK);
  EXPECT_EQ(seen.events.size(), 1u);
  EXPECT_EQ(seen.x, 12);
  EXPECT_EQ(seen.y, 34);
  EXPECT_EQ(seen.clientData, &marker);
  EXPECT_TRUE(printed("\"preview\" attend un point \"x,y\""));
}

TEST_F(DclRun, ImagesRecordWhatIsDrawn) {
  ASSERT_EQ(ads_start_image(dlg_, "logo"), RTNORM);
  EXPECT_EQ(ads_fill_image(0, 0, 32, 32, 5), RTNORM);
  EXPECT_EQ(ads_vector_image(0, 0, 31, 31, 1), RTNORM);
  EXPECT_EQ(ads_end_image(), RTNORM);
  EXPECT_EQ(ads_fill_image(0, 0, 1, 1, 1), RTERROR);  // no image open
  EXPECT_EQ(ads_start_image(dlg_, "name"), RTERROR);  // not an image
  const auto& ops = dcl::dialogs().dialog(dlg_)->find("logo")->image;
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].kind, dcl::ImageOp::Fill);
  EXPECT_EQ(ops[0].x2, 32);
  EXPECT_EQ(ops[0].color, 5);
  EXPECT_EQ(ops[1].kind, dcl::ImageOp::Vector);
  EXPECT_EQ(ops[1].y2, 31);
}

TEST_F(DclRun, TheDefaultActionServesTilesWithoutTheirOwn) {
  ads_hdlg d = nullptr;
  ASSERT_EQ(ads_new_dialog("settings", dclId, record, &d), RTNORM);
  ads_action_tile(d, "zoom", echoToStatus);
  pushDialog({{"width", "3"}, {"zoom", "75"}, {"zoom", "beaucoup"}, {"accept", {}}});
  int status = -99;
  ads_start_dialog(d, &status);
  EXPECT_EQ(status, DLGOK);  // accept keeps its own meaning
  EXPECT_EQ(seen.events, (std::vector<std::string>{"width=3/1", "zoom=75/1"}));
  EXPECT_TRUE(printed("\"zoom\" attend un nombre"));
}

TEST_F(DclRun, NestedDialogsTakeTheNextAnswer) {
  ads_action_tile(dlg_, "more", openConfirm);
  pushDialog({{"more", {}}, {"accept", {}}});
  pushDialog({{"accept", {}}});
  EXPECT_EQ(start(), DLGOK);
  EXPECT_EQ(seen.nestedStatus, DLGOK);
  const size_t outer = output().find("[dialogue] Paramètres");
  const size_t inner = output().find("[dialogue] Confirmer");
  ASSERT_NE(inner, std::string::npos);
  EXPECT_LT(outer, inner);
}

TEST_F(DclRun, TermDialogEndsEveryOpenDialog) {
  ads_action_tile(dlg_, "more", openConfirmThatTerminates);
  ads_hdlg waiting = nullptr;
  ASSERT_EQ(ads_new_dialog("confirm", dclId, NULLCB, &waiting), RTNORM);
  pushDialog({{"more", {}}, {"accept", {}}});
  pushDialog({{"accept", {}}});
  EXPECT_EQ(start(), DLGALLDONE);
  EXPECT_EQ(seen.nestedStatus, DLGALLDONE);
  EXPECT_EQ(host::session().user().pending(), 0u);
  int status = 0;
  EXPECT_EQ(ads_start_dialog(waiting, &status), RTERROR);  // dropped, not started
}

TEST_F(DclRun, DoneBeforeStartTakesNoAnswerAndAThrowingActionIsReported) {
  ads_done_dialog(dlg_, 7);
  push(host::Answer::Enter);
  EXPECT_EQ(start(), 7);
  EXPECT_EQ(host::session().user().pending(), 1u);
  host::session().user().clear();

  ads_hdlg d = nullptr;
  ASSERT_EQ(ads_new_dialog("settings", dclId, NULLCB, &d), RTNORM);
  ads_action_tile(d, "more", throwing);
  pushDialog({{"more", {}}, {"accept", {}}});
  int status = -99;
  ASSERT_EQ(ads_start_dialog(d, &status), RTNORM);
  EXPECT_EQ(status, DLGOK);
  EXPECT_TRUE(printed("l'action de \"more\" a échoué")) << output();
}

class DclFiles : public DialogTest {};

TEST_F(DclFiles, LoadingFindsFilesAndReportsFaultsWithoutCrashing) {
  int id = 0;
  const std::string noExtension = std::string(TEST_SOURCE_DIR) + "\\dcl\\data\\settings";
  ASSERT_EQ(ads_load_dialog(noExtension.c_str(), &id), RTNORM) << output();
  int second = 0;
  ASSERT_EQ(ads_load_dialog(kSettings.c_str(), &second), RTNORM);
  EXPECT_NE(id, second);

  const std::string bad = std::string(TEST_SOURCE_DIR) + "/dcl/data/bad_syntax.dcl";
  int badId = 99;
  EXPECT_EQ(ads_load_dialog(bad.c_str(), &badId), RTERROR);
  EXPECT_EQ(badId, 0);
  EXPECT_TRUE(printed("bad_syntax.dcl, ligne 4: ';' attendu")) << output();

  EXPECT_EQ(ads_load_dialog("no_such_dialog_file.dcl", &badId), RTERROR);
  EXPECT_TRUE(printed("Fichier DCL introuvable: no_such_dialog_file.dcl")) << output();

  ads_hdlg d = nullptr;
  EXPECT_EQ(ads_new_dialog("nowhere", id, NULLCB, &d), RTERROR);
  EXPECT_EQ(d, nullptr);
  EXPECT_TRUE(printed("Dialogue \"nowhere\" absent de"));
  ASSERT_EQ(ads_unload_dialog(id), RTNORM);
  EXPECT_EQ(ads_unload_dialog(id), RTERROR);
  EXPECT_EQ(ads_new_dialog("settings", id, NULLCB, &d), RTERROR);
  // The other copy still serves.
  EXPECT_EQ(ads_new_dialog("settings", second, NULLCB, &d), RTNORM);

  int status = 0;
  EXPECT_EQ(ads_start_dialog(nullptr, &status), RTERROR);
  EXPECT_EQ(ads_set_tile(reinterpret_cast<ads_hdlg>(&status), "x", "y"), RTERROR);
  EXPECT_EQ(ads_get_attr_string(&status, "key", nullptr, 0), RTERROR);
  EXPECT_EQ(ads_load_dialog(nullptr, &id), RTERROR);
}

TEST_F(DclFiles, AlertPrintsAndTakesNoAnswer) {
  push(host::Answer::Enter);
  EXPECT_EQ(acedAlert("Calcul terminé"), RTNORM);
  EXPECT_EQ(output(), "[alerte] Calcul terminé\n");
  EXPECT_EQ(host::session().user().pending(), 1u);
  EXPECT_EQ(acedAlert(nullptr), RTERROR);
}

}  // namespace
