// Starting programs, waiting or not, and the command-line rules.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform.h"
#include "run_cadhost.h"

namespace {

using Args = std::vector<std::string>;

TEST(PlatformProcess, AWaitedProgramGivesItsExitCodeAndRunsWhereAsked) {
  ScratchDir dir;
  auto r = platform::startProgram("/bin/sh", {"-c", "pwd > where.txt; exit 3"}, true, dir.path());
  ASSERT_TRUE(r.started) << r.error;
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_GT(r.processId, 0);
  char real[4096];
  ASSERT_NE(::realpath(dir.path().c_str(), real), nullptr);
  EXPECT_EQ(dir.read("where.txt"), std::string(real) + "\n");

  // A name without directory is looked up in PATH; arguments arrive untouched.
  r = platform::startProgram("sh", {"-c", "test \"$1\" = 'a b\\c'", "zero", "a b\\c"}, true);
  EXPECT_EQ(r.exitCode, 0);
  r = platform::startProgram("sh", {"-c", "kill -9 $$"}, true);
  EXPECT_EQ(r.exitCode, 128 + 9);
}

TEST(PlatformProcess, AProgramNotWaitedForRunsOnAndCanBeWaitedLater) {
  ScratchDir dir;
  const std::string flag = dir.file("done");
  const auto before = std::chrono::steady_clock::now();
  auto r =
      platform::startProgram("/bin/sh", {"-c", "sleep 0.3; touch '" + flag + "'; exit 7"}, false);
  ASSERT_TRUE(r.started) << r.error;
  EXPECT_EQ(r.exitCode, -1);
  EXPECT_FALSE(dir.exists("done"));  // still sleeping
  EXPECT_FALSE(platform::waitForProgram(r.processId, 0));
  EXPECT_EQ(platform::waitForProgram(r.processId, -1), 7);
  EXPECT_TRUE(dir.exists("done"));
  EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(250));
  EXPECT_FALSE(platform::waitForProgram(r.processId, 0));  // already collected
}

TEST(PlatformProcess, AFailureIsReportedNotThrown) {
  auto r = platform::startProgram("/nonexistent/program", {}, true);
  EXPECT_FALSE(r.started);
  EXPECT_NE(r.error.find("/nonexistent/program"), std::string::npos) << r.error;
  r = platform::startProgram("no-such-program-anywhere", {}, false);
  EXPECT_FALSE(r.started);
  r = platform::startProgram("", {}, true);
  EXPECT_FALSE(r.started);
  r = platform::startCommandLine("   ", true);
  EXPECT_FALSE(r.started);
  EXPECT_FALSE(platform::waitForProgram(999999, 0));
}

TEST(PlatformProcess, CommandLinesSplitAsOnWindows) {
  EXPECT_EQ(platform::splitCommandLine(R"(prog a  "b c" d"e f"g)"),
            (Args{"prog", "a", "b c", "de fg"}));
  EXPECT_EQ(platform::splitCommandLine(R"(C:\bin\p.exe "C:\dir\" x)"),
            (Args{R"(C:\bin\p.exe)", R"(C:\dir" x)"}));
  EXPECT_EQ(platform::splitCommandLine(R"(a\\"b c" d)"), (Args{R"(a\b c)", "d"}));
  EXPECT_EQ(platform::splitCommandLine(R"(a\"b "" "x""y")"), (Args{R"(a"b)", "", R"(x"y)"}));
  EXPECT_TRUE(platform::splitCommandLine(" \t ").empty());

  auto r = platform::startCommandLine("/bin/sh -c \"exit 4\"", true);
  EXPECT_EQ(r.exitCode, 4);
}

}  // namespace
