// Conversions across the LISP boundary, both ways, with the host's rules.
#include <cstring>

#include "lisp/environment.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "lisp/resbuf_convert.h"
#include "lisp_fixture.h"

namespace {

// One word per buffer: "short:1 long:70000 lb real:1.5 le".
std::string describe(const resbuf* rb) {
  std::string s;
  char buf[128];
  for (; rb; rb = rb->rbnext) {
    if (!s.empty()) s += ' ';
    const ads_u_val& v = rb->resval;
    switch (rb->restype) {
      case RTNIL: s += "nil"; break;
      case RTT: s += "t"; break;
      case RTSHORT: s += "short:" + std::to_string(v.rint); break;
      case RTLONG: s += "long:" + std::to_string(v.rlong); break;
      case RTREAL:
        std::snprintf(buf, sizeof buf, "real:%g", v.rreal);
        s += buf;
        break;
      case RTSTR: s += std::string("str:") + v.rstring; break;
      case RTPOINT:
        std::snprintf(buf, sizeof buf, "pt2:%g,%g", v.rpoint[0], v.rpoint[1]);
        s += buf;
        break;
      case RT3DPOINT:
        std::snprintf(buf, sizeof buf, "pt3:%g,%g,%g", v.rpoint[0], v.rpoint[1], v.rpoint[2]);
        s += buf;
        break;
      case RTENAME: s += "ename:" + std::to_string(v.rlname[0]); break;
      case RTPICKS: s += "picks:" + std::to_string(v.rlname[0]); break;
      case RTLB: s += "lb"; break;
      case RTLE: s += "le"; break;
      case RTDOTE: s += "dot"; break;
      default: s += "?" + std::to_string(rb->restype);
    }
  }
  return s;
}

// Group form: "8=str:0 10=pt:1,2,0 62=short:1".
std::string describeGroups(const resbuf* rb) {
  std::string s;
  char buf[128];
  for (; rb; rb = rb->rbnext) {
    if (!s.empty()) s += ' ';
    const int c = rb->restype;
    s += std::to_string(c) + "=";
    const ads_u_val& v = rb->resval;
    if (c == -1 || c == -2)
      s += "ename:" + std::to_string(v.rlname[0]);
    else if ((c >= 0 && c <= 9) || c == -4 || c == 1000 || c == 1001)
      s += std::string("str:") + v.rstring;
    else if (c >= 10 && c <= 39) {
      std::snprintf(buf, sizeof buf, "pt:%g,%g,%g", v.rpoint[0], v.rpoint[1], v.rpoint[2]);
      s += buf;
    } else if ((c >= 40 && c <= 59) || (c >= 1040 && c <= 1059)) {
      std::snprintf(buf, sizeof buf, "real:%g", v.rreal);
      s += buf;
    } else if (c >= 60 && c <= 79)
      s += "short:" + std::to_string(v.rint);
    else if (c >= 90 && c <= 99)
      s += "long:" + std::to_string(v.rlong);
    else if (c == -3)
      s += "xdata";
  }
  return s;
}

class Conversion : public LispTest {
 protected:
  lisp::Value read(std::string_view text) {
    lisp::Reader reader(env().symbols, text, 0);
    lisp::Value v;
    reader.next(v);
    return env().eval(v);
  }
  lisp::Environment& env() { return lisp.environment(); }
  std::string toRb(std::string_view expr) {
    return describe(lisp::valueToResbuf(env(), read(expr)).get());
  }
  std::string back(const lisp::RbList& rb) {
    return lisp::toText(lisp::resbufToValue(env(), rb.get()), true);
  }
  std::string roundTrip(std::string_view expr) {
    return back(lisp::valueToResbuf(env(), read(expr)));
  }
};

TEST_F(Conversion, AtomsToResultBuffers) {
  EXPECT_EQ(toRb("nil"), "nil");
  EXPECT_EQ(toRb("t"), "t");
  EXPECT_EQ(toRb("1.5"), "real:1.5");
  EXPECT_EQ(toRb("\"texte\""), "str:texte");
  EXPECT_EQ(toRb("'axe"), "str:AXE");
}

TEST_F(Conversion, IntegersAreShortWhenTheyFitSixteenBits) {
  EXPECT_EQ(toRb("32767"), "short:32767");
  EXPECT_EQ(toRb("-32768"), "short:-32768");
  EXPECT_EQ(toRb("32768"), "long:32768");
  EXPECT_EQ(toRb("-32769"), "long:-32769");
  EXPECT_EQ(toRb("2147483647"), "long:2147483647");
}

TEST_F(Conversion, TwoOrThreeNumbersArePointsOtherListsAreBracketed) {
  EXPECT_EQ(toRb("'(1 2)"), "pt2:1,2");
  EXPECT_EQ(toRb("'(1 2.5 3)"), "pt3:1,2.5,3");
  EXPECT_EQ(toRb("'(1)"), "lb short:1 le");
  EXPECT_EQ(toRb("'(1 2 3 4)"), "lb short:1 short:2 short:3 short:4 le");
  EXPECT_EQ(toRb("'(1 \"a\")"), "lb short:1 str:a le");
  EXPECT_EQ(toRb("'((0 0) (1 2 3) (\"a\" (4 5)))"), "lb pt2:0,0 pt3:1,2,3 lb str:a pt2:4,5 le le");
}

TEST_F(Conversion, DottedPairsPutDotBeforeTheLastElement) {
  EXPECT_EQ(toRb("'(8 . \"CALQUE\")"), "lb short:8 dot str:CALQUE le");
  EXPECT_EQ(toRb("'(1 2 . 3)"), "lb short:1 short:2 dot short:3 le");
  EXPECT_EQ(toRb("'((a . 1) (b . 2))"), "lb lb str:A dot short:1 le lb str:B dot short:2 le le");
}

TEST_F(Conversion, FunctionsAndFilesCannotCross) {
  EXPECT_THROW(lisp::valueToResbuf(env(), read("car")), lisp::LispError);
  EXPECT_THROW(lisp::valueToResbuf(env(), read("(list 1 car)")), lisp::LispError);
}

TEST_F(Conversion, ResultBuffersBackToLisp) {
  EXPECT_EQ(roundTrip("'(1 2 . 3)"), "(1 2 . 3)");
  EXPECT_EQ(roundTrip("'((8 . \"A\") (10 1.0 2.0 3.0) (\"x\" nil t 70000))"),
            "((8 . \"A\") (10 1.0 2.0 3.0) (\"x\" nil T 70000))");
  EXPECT_EQ(roundTrip("'(1 2)"), "(1.0 2.0)");  // a point comes back as reals
  EXPECT_EQ(roundTrip("nil"), "nil");
  // One item gives itself, several give a list of them, none gives nil.
  lisp::RbList several(acutBuildList(RTSHORT, 1, RTSTR, "a", RTREAL, 2.5, 0));
  EXPECT_EQ(back(several), "(1 \"a\" 2.5)");
  lisp::RbList one(acutBuildList(RTSTR, "seul", 0));
  EXPECT_EQ(back(one), "\"seul\"");
  EXPECT_EQ(lisp::toText(lisp::resbufToValue(env(), nullptr), true), "nil");
  lisp::RbList oneList(acutBuildList(RTLB, RTSHORT, 1, RTLE, 0));
  EXPECT_EQ(back(oneList), "(1)");
  // The items, whatever their number (acedInvoke's arguments).
  EXPECT_EQ(lisp::toText(lisp::resbufToItems(env(), oneList.get()), true), "((1))");
}

TEST_F(Conversion, UnbalancedBracketsFromAModuleAreTolerated) {
  lisp::RbList open(acutBuildList(RTLB, RTSHORT, 1, RTLB, RTSHORT, 2, 0));
  EXPECT_EQ(back(open), "(1 (2))");
  lisp::RbList closeOnly(acutBuildList(RTSHORT, 1, RTLE, RTSHORT, 2, 0));
  EXPECT_EQ(back(closeOnly), "(1 2)");
}

TEST_F(Conversion, EntityListsUseGroupCodesAsRestypes) {
  const int64_t name[2] = {42, 7};
  env().symbols.intern("E")->value = lisp::makeEname(name);
  const lisp::Value list = read(
      "(list (cons -1 e) '(0 . \"LINE\") '(8 . \"TALUS\") '(10 1.0 2.0 3.0) '(11 4 5)"
      " '(40 . 2) '(62 . 1) '(90 . 100000) '(-4 . \"<OR\") '(1000 . \"x\"))");
  lisp::RbList rb = lisp::entityListToResbuf(env(), list);
  EXPECT_EQ(describeGroups(rb.get()),
            "-1=ename:42 0=str:LINE 8=str:TALUS 10=pt:1,2,3 11=pt:4,5,0 40=real:2 62=short:1 "
            "90=long:100000 -4=str:<OR 1000=str:x");
  EXPECT_EQ(lisp::toText(lisp::resbufToEntityList(env(), rb.get()), true),
            "((-1 . <Entity name: 2a>) (0 . \"LINE\") (8 . \"TALUS\") (10 1.0 2.0 3.0) "
            "(11 4.0 5.0 0.0) (40 . 2.0) (62 . 1) (90 . 100000) (-4 . \"<OR\") (1000 . \"x\"))");
}

TEST_F(Conversion, EntityListsRefuseGroupsOfTheWrongKind) {
  for (const char* bad : {"'((62 . 1.5))", "'((62 . 70000))", "'((8 . 1))", "'((10 . 1))",
                          "'((40 . \"a\"))", "'(1)", "'((\"a\" . 1))", "'((-1 . 5))"})
    EXPECT_THROW(lisp::entityListToResbuf(env(), read(bad)), lisp::LispError) << bad;
}

TEST_F(Conversion, LightPolylineVerticesAre2DAndExtendedDataIsGrouped) {
  const lisp::Value list =
      read("'((0 . \"LWPOLYLINE\") (10 1.0 2.0) (-3 (\"TALVEX\" (1000 . \"axe\") (1040 . 2.5))))");
  lisp::RbList rb = lisp::entityListToResbuf(env(), list);
  EXPECT_EQ(describeGroups(rb.get()),
            "0=str:LWPOLYLINE 10=pt:1,2,0 -3=xdata 1001=str:TALVEX 1000=str:axe 1040=real:2.5");
  EXPECT_EQ(lisp::toText(lisp::resbufToEntityList(env(), rb.get()), true),
            "((0 . \"LWPOLYLINE\") (10 1.0 2.0) (-3 (\"TALVEX\" (1000 . \"axe\") (1040 . 2.5))))");
}

TEST_F(Conversion, ASelectionSetHasOneLispOwner) {
  const int64_t set[2] = {9001, 0};
  lisp::Value first = env().pickSet(set);
  lisp::Value again = env().pickSet(set);
  EXPECT_EQ(first.object(), again.object());
  // Coming back from a module, the same set finds the same owner.
  lisp::RbList rb(acutBuildList(RTPICKS, set, 0));
  lisp::Value fromModule = lisp::resbufToValue(env(), rb.get());
  EXPECT_EQ(fromModule.object(), first.object());
  EXPECT_EQ(lisp::toText(first, true), "<Selection set: 2329>");
}

TEST_F(Conversion, SymbolExchangeThroughTheInterpreter) {
  lisp::RbList value(acutBuildList(RTSHORT, 1, RTSTR, "b", 0));
  EXPECT_EQ(lisp.putSym("lpt-tn", value.get()), RTNORM);
  EXPECT_EQ(eval("lpt-tn"), "(1 \"b\")");
  resbuf* got = nullptr;
  EXPECT_EQ(lisp.getSym("LPT-TN", &got), RTNORM);
  EXPECT_EQ(describe(got), "lb short:1 str:b le");
  acutRelRb(got);
  EXPECT_EQ(lisp.getSym("jamais-vu", &got), RTNORM);
  EXPECT_EQ(got, nullptr);
  EXPECT_EQ(lisp.putSym("t", value.get()), RTERROR);
  EXPECT_EQ(eval("t"), "T");
  // A function cannot cross: refused quietly, the program goes on.
  eval("(setq fn car)");
  EXPECT_EQ(lisp.getSym("fn", &got), RTERROR);
  EXPECT_EQ(got, nullptr);
  EXPECT_EQ(out, "");
}

TEST_F(Conversion, InvokeCallsALispFunctionWithEachItemAsAnArgument) {
  eval("(defun ajoute (a b) (list (+ a b) \"b\"))");
  lisp::RbList call(acutBuildList(RTSTR, "ajoute", RTSHORT, 2, RTREAL, 0.5, 0));
  resbuf* result = nullptr;
  EXPECT_EQ(lisp.invoke(call.get(), &result), RTNORM);
  lisp::RbList owned(result);
  EXPECT_EQ(describe(result), "lb real:2.5 str:b le");
  // An error inside is printed and the call fails.
  lisp::RbList bad(acutBuildList(RTSTR, "ajoute", RTSHORT, 2, 0));
  EXPECT_EQ(lisp.invoke(bad.get(), &result), RTERROR);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(out, "; erreur: nombre d'arguments insuffisant\n");
  lisp::RbList unknown(acutBuildList(RTSTR, "pas-une-fonction", 0));
  EXPECT_EQ(lisp.invoke(unknown.get(), &result), RTERROR);
}

TEST_F(Conversion, ExternalFunctionsAreBoundAndUnboundByModuleAndCode) {
  lisp.defineExternal("c:mon-axe", 3, 7);
  EXPECT_TRUE(lisp.isFunction("C:MON-AXE"));
  EXPECT_EQ(eval("(type c:mon-axe)"), "EXRXSUBR");
  EXPECT_FALSE(lisp.undefineExternal("c:mon-axe", 3, 8));
  EXPECT_FALSE(lisp.undefineExternal("c:mon-axe", 4, 7));
  EXPECT_TRUE(lisp.undefineExternal("C:Mon-Axe", 3, 7));
  EXPECT_FALSE(lisp.isFunction("c:mon-axe"));
}

}  // namespace
