// The `gridlux` program on the broken scene files kept from fuzzing (tests/data/scenes/broken):
// each render and expand ends in time with status 1 and one line naming the file, never a crash.
#ifdef GRIDLUX_PROGRAM

#include "support/ImageCompare.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

const char* const kBrokenDir = GRIDLUX_EXAMPLES "/../tests/data/scenes/broken";

struct TimedRun {
  bool finished = false; ///< false when killed after the time limit
  bool exited = false;   ///< false for a death by signal (a crash)
  int status = -1;
  std::vector<std::string> errLines;
};

// Runs the program with @p args for at most @p seconds; standard error is read back by lines.
TimedRun runWithLimit(const std::vector<std::string>& args, const std::string& errPath, double seconds)
{
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(GRIDLUX_PROGRAM));
  for (const std::string& a : args)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  TimedRun run;
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (null < 0 || err < 0)
      _exit(127);
    dup2(null, 1);
    dup2(err, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (pid < 0)
    return run;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  int status = 0;
  pid_t done = 0;
  while ((done = waitpid(pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  if (done == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return run;
  }
  run.finished = true;
  run.exited = WIFEXITED(status);
  run.status = run.exited ? WEXITSTATUS(status) : -1;
  std::ifstream in(errPath);
  for (std::string line; std::getline(in, line);)
    run.errLines.push_back(line);
  return run;
}

std::vector<std::string> brokenScenes()
{
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(kBrokenDir, error)) {
    if (entry.is_regular_file() && entry.path().extension() == ".iv")
      files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Status 1 and one line that starts with the program's name and names the file.
void expectOneLineFailure(const TimedRun& run, const std::string& scene, const char* command)
{
  SCOPED_TRACE(std::string(command) + " " + scene);
  ASSERT_TRUE(run.finished) << "still running after 10 s";
  ASSERT_TRUE(run.exited) << "killed by a signal";
  EXPECT_EQ(run.status, 1);
  ASSERT_EQ(run.errLines.size(), 1u) << [&] {
    std::string all;
    for (const std::string& line : run.errLines)
      all += line + "\n";
    return all;
  }();
  EXPECT_EQ(run.errLines[0].rfind("gridlux: ", 0), 0u) << run.errLines[0];
  const std::string name = std::filesystem::path(scene).filename().string();
  EXPECT_NE(run.errLines[0].find(name), std::string::npos) << run.errLines[0];
}

TEST(BrokenScenes, RenderAndExpandFailWithOneLine)
{
  const std::vector<std::string> scenes = brokenScenes();
  ASSERT_FALSE(scenes.empty()) << "no broken scenes in " << kBrokenDir;
  const std::string dir = gridlux::test::testOutputDirectory();
  for (const std::string& scene : scenes) {
    const std::string stem = std::filesystem::path(scene).stem().string();
    const std::string png = dir + "/broken_" + stem + ".png";
    const std::string iv = dir + "/broken_" + stem + ".iv";
    std::filesystem::remove(png);
    std::filesystem::remove(iv);

    expectOneLineFailure(runWithLimit({"render", scene, "-o", png, "--size", "64x48"}, png + ".stderr", 10.0),
                         scene, "render");
    EXPECT_FALSE(std::filesystem::exists(png)) << "a picture was written for " << scene;
    expectOneLineFailure(runWithLimit({"expand", scene, "-o", iv}, iv + ".stderr", 10.0), scene, "expand");
    EXPECT_FALSE(std::filesystem::exists(iv)) << "a scene was written for " << scene;
  }
}

TEST(BrokenScenes, PostedLibraryErrorFailsWhatStillReads)
{
  // Dates no format reads: the file parses, yet the axis builds nothing and says so, and the
  // command fails on that message rather than passing a picture without the axis for good.
  const std::string dir = gridlux::test::testOutputDirectory();
  const std::string scene = dir + "/posted_error.iv";
  std::ofstream(scene) << "#Inventor V2.1 ascii\nSeparator {\n  Cone { }\n"
                          "  PoTimeAxis { startDate \"never\" endDate \"nor this\" }\n}\n";
  for (const char* command : {"render", "expand"}) {
    const std::string out = dir + "/posted_error_out." + (command[0] == 'r' ? "png" : "iv");
    std::filesystem::remove(out);
    const TimedRun run = runWithLimit({command, scene, "-o", out}, out + ".stderr", 10.0);
    SCOPED_TRACE(command);
    ASSERT_TRUE(run.finished && run.exited);
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.errLines.size(), 1u);
    EXPECT_NE(run.errLines[0].find("posted_error.iv: "), std::string::npos) << run.errLines[0];
    EXPECT_NE(run.errLines[0].find("nothing is built"), std::string::npos) << run.errLines[0];
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

} // namespace

#endif // GRIDLUX_PROGRAM
