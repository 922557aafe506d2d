// Numbers at the edges of what a LISP user can write and count: decimals past
// the range of doubles, lengths past the 32 bits of LISP integers.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "run_cadhost.h"

namespace {

CadhostRun runLisp(const ScratchDir& dir, const std::string& script) {
  std::filesystem::create_directories(dir.file("nomodules"));
  dir.write("nombres.lsp", script);
  return runCadhost(dir, {"nombres.lsp"}, dir.file("nomodules"));
}

TEST(LispNumbers, DecimalsBeyondTheRangeOfDoublesReadAsTheNearestDouble) {
  ScratchDir dir;
  const std::string underflow = "0." + std::string(400, '0') + "1";
  const std::string denormal = "0." + std::string(320, '0') + "1";  // 1e-321
  const std::string overflow = "1" + std::string(400, '0') + ".5";
  const CadhostRun r = runLisp(
      dir, "(setq u " + underflow + " d " + denormal + " o " + overflow + " m -" + overflow +
               ")\n"
               "(prin1 (list (= u 0.0) (< 0.0 d 1e-320) (= d 1e-321) (> o 1e308) (= o (* 2 o))"
               " (< m -1e308) (= d (atof \"" +
               denormal + "\")) (= (atof \"" + underflow +
               "\") 0.0)"
               " (= 0.0 (read \"-" +
               underflow + "\")) (= o (atof \"" + overflow +
               "\"))"
               " (= o 1e999)))\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(T T T T T T T T T T T)"), std::string::npos) << r.out;
}

TEST(LispNumbers, LengthsPast32BitsAreRealsNotWrappedIntegers) {
  ScratchDir dir;
  // 2^27 bytes, counted 17 times: 2,281,701,376, past 2^31.
  const CadhostRun r =
      runLisp(dir,
              "(setq s \"x\")\n(repeat 27 (setq s (strcat s s)))\n"
              "(setq n (strlen s s s s s s s s s s s s s s s s s))\n"
              "(prin1 (list (type (strlen s)) (strlen s) (type n) (= n 2281701376.0)))\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(INT 134217728 REAL T)"), std::string::npos) << r.out;
}

}  // namespace
