// The `gridlux` program end to end: the built binary is run on real files
// and judged by its exit status, its output and the files it writes.
#ifdef GRIDLUX_PROGRAM

#include "support/ImageCompare.h"

#include "offscreen/PngFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using gridlux::offscreen::PngFile;
using gridlux::offscreen::RgbaImage;

namespace {

struct ProgramRun {
  int status = -1;  ///< exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
  std::vector<std::string> errLines() const
  {
    std::vector<std::string> lines;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

std::string
slurp(const std::string & path)
{
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the program with `args`, capturing its output in files named after
// the test so that tests running in parallel do not mix them.
ProgramRun
runGridlux(const std::vector<std::string> & args)
{
  const std::string stem = gridlux::test::testOutputDirectory() + "/cli_" +
    ::testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::string outPath = stem + ".stdout";
  const std::string errPath = stem + ".stderr";

  std::vector<char *> argv;
  argv.push_back(const_cast<char *>(GRIDLUX_PROGRAM));
  for (const std::string & a : args) argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);

  ProgramRun run;
  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0) _exit(127);
    dup2(out, 1);
    dup2(err, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = slurp(outPath);
  run.err = slurp(errPath);
  return run;
}

std::string
output(const std::string & name)
{
  return gridlux::test::testOutputDirectory() + "/" + name;
}

void
expectOneErrorLine(const ProgramRun & run, int status, const std::string & mentions)
{
  EXPECT_EQ(run.status, status) << run.err;
  const std::vector<std::string> lines = run.errLines();
  ASSERT_EQ(lines.size(), 1u) << run.err;
  EXPECT_NE(lines[0].find(mentions), std::string::npos) << lines[0];
}

TEST(CommandLine, RendersExampleSceneToPng)
{
  const std::string png = output("cli_cone.png");
  std::filesystem::remove(png);
  const ProgramRun run = runGridlux({"render", GRIDLUX_EXAMPLES "/scenes/cone.iv", "-o", png,
                              "--size", "160x120"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;

  RgbaImage image;
  std::string error;
  ASSERT_TRUE(PngFile::read(png, image, &error)) << error;
  ASSERT_EQ(image.width(), 160);
  ASSERT_EQ(image.height(), 120);
  // A lit cone in the middle; the corners show the black background.
  const uint8_t * centre = image.pixel(80, 60);
  EXPECT_GT(centre[0], 100);
  EXPECT_GT(centre[0], centre[2]) << "the cone is red";
  for (int x : {0, 159}) {
    for (int y : {0, 119}) {
      const uint8_t * p = image.pixel(x, y);
      EXPECT_LT(p[0] + p[1] + p[2], 10) << x << "," << y;
    }
  }
}

TEST(CommandLine, UnreadableInputIsOneLineAndStatusOne)
{
  const std::string png = output("cli_never_written.png");
  expectOneErrorLine(runGridlux({"render", "/no/such/scene.iv", "-o", png}), 1,
                     "/no/such/scene.iv");
  EXPECT_FALSE(std::filesystem::exists(png));

  const std::string broken = output("cli_broken.iv");
  std::ofstream(broken) << "#Inventor V2.1 ascii\nSeparator {\n  Cone { bottomRadius 1 }\n  NoSuchNodeType { }\n}\n";
  ProgramRun run = runGridlux({"render", broken, "-o", png});
  expectOneErrorLine(run, 1, broken);
  EXPECT_NE(run.err.find("line 4"), std::string::npos) << run.err;

  const std::string truncated = output("cli_truncated.iv");
  std::ofstream(truncated) << "#Inventor V2.1 ascii\nSeparator { Cone { bottomRadius ";
  expectOneErrorLine(runGridlux({"expand", truncated, "-o", output("cli_truncated_out.iv")}), 1,
                     truncated);

  expectOneErrorLine(runGridlux({"render", gridlux::test::testOutputDirectory(), "-o", png}), 1,
                     "directory");
}

TEST(CommandLine, WhatCoinReadsPastIsAWarning)
{
  // A File node naming a missing file leaves a usable scene: it renders,
  // and the problem is still reported.
  const std::string scene = output("cli_missing_part.iv");
  std::ofstream(scene) << "#Inventor V2.1 ascii\nSeparator { Cone { } File { name \"no_such_part.iv\" } }\n";
  const std::string png = output("cli_missing_part.png");
  const ProgramRun run = runGridlux({"render", scene, "-o", png});
  expectOneErrorLine(run, 0, "no_such_part.iv");
  EXPECT_NE(run.err.find("warning"), std::string::npos) << run.err;
  EXPECT_TRUE(std::filesystem::exists(png));
}

TEST(CommandLine, UnwritableOutputIsOneLineAndStatusOne)
{
  const std::string target = output("no_such_dir/cone.png");
  expectOneErrorLine(runGridlux({"render", GRIDLUX_EXAMPLES "/scenes/cone.iv", "-o", target}), 1,
                     target);
}

TEST(CommandLine, BadUsageIsStatusTwo)
{
  const std::string cone = GRIDLUX_EXAMPLES "/scenes/cone.iv";
  expectOneErrorLine(runGridlux({}), 2, "command");
  expectOneErrorLine(runGridlux({"paint", cone}), 2, "paint");
  expectOneErrorLine(runGridlux({"render", cone}), 2, "-o");
  expectOneErrorLine(runGridlux({"render", cone, "-o"}), 2, "-o");
  expectOneErrorLine(runGridlux({"render", cone, "-o", output("x.png"), "--size", "0x10"}), 2, "0x10");
  expectOneErrorLine(runGridlux({"render", cone, "-o", output("x.png"), "--size", "big"}), 2, "big");
  expectOneErrorLine(runGridlux({"info", "extra"}), 2, "extra");
  expectOneErrorLine(runGridlux({"render", cone, "-o", output("x.png"), "--colour", "red"}), 1,
                     "--colour");
}

TEST(CommandLine, ExpandWritesAReadableScene)
{
  const std::string out = output("cli_cone_expanded.iv");
  std::filesystem::remove(out);
  const ProgramRun run = runGridlux({"expand", GRIDLUX_EXAMPLES "/scenes/cone.iv", "-o", out});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = slurp(out);
  EXPECT_EQ(text.rfind("#Inventor V2.1 ascii", 0), 0u) << text;
  EXPECT_NE(text.find("Cone"), std::string::npos) << text;

  // The written file renders like the original.
  const std::string png = output("cli_cone_expanded.png");
  ASSERT_EQ(runGridlux({"render", out, "-o", png}).status, 0);
  RgbaImage image;
  ASSERT_TRUE(PngFile::read(png, image));
  EXPECT_GT(image.pixel(200, 200)[0], 100);
}

TEST(CommandLine, InfoListsVersionAndClasses)
{
  const ProgramRun run = runGridlux({"info"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Gridlux 5.0.4\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\nPoBase : BaseKit\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\nPoDebugError (DebugError) : "), std::string::npos) << run.out;
  // Coin's own classes whose names start with "Po" are not the library's.
  EXPECT_EQ(run.out.find("PointSet"), std::string::npos) << run.out;
}

TEST(CommandLine, FramesWritesEveryBlinkerFrame)
{
  // The animation scene cycles six frames: six numbered pictures, and the particles move.
  const std::string png = output("cli_motion.png");
  for (int f = 0; f < 8; ++f) std::filesystem::remove(output("cli_motion_00" + std::to_string(f) + ".png"));
  const ProgramRun run = runGridlux({"render", GRIDLUX_EXAMPLES "/scenes/stream_motion.iv", "-o", png,
                              "--size", "120x90", "--frames"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<RgbaImage> frames(6);
  std::string error;
  for (int f = 0; f < 6; ++f) {
    ASSERT_TRUE(PngFile::read(output("cli_motion_00" + std::to_string(f) + ".png"), frames[f], &error)) << error;
  }
  EXPECT_FALSE(std::filesystem::exists(output("cli_motion_006.png")));
  EXPECT_FALSE(std::filesystem::exists(png));
  int differing = 0;
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 120; ++x) {
      differing += frames[0].pixel(x, y)[0] != frames[1].pixel(x, y)[0];
    }
  }
  EXPECT_GT(differing, 0);
  expectOneErrorLine(runGridlux({"render", GRIDLUX_EXAMPLES "/scenes/cone.iv", "-o", png, "--frames", "--frames"}), 2,
                     "--frames");
}

} // namespace

#endif // GRIDLUX_PROGRAM
