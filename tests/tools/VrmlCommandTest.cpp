// `gridlux vrml`: the built program converts a scene file to VRML 2, and refuses bad input with
// one line on standard error and exit status 1.
#ifdef GRIDLUX_PROGRAM

#include "support/ImageCompare.h"

#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/VRMLnodes/SoVRMLProximitySensor.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodekits/SoNodeKit.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ProgramResult {
  int status = -1;
  std::string err;
};

std::string output(const std::string& name)
{
  return gridlux::test::testOutputDirectory() + "/" + name;
}

// Runs the program with @p args; standard error is kept, standard output dropped.
ProgramResult runGridlux(const std::vector<std::string>& args)
{
  const std::string errPath = output(std::string("vrml_") +
      ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".stderr");
  std::vector<char*> argv{const_cast<char*>(GRIDLUX_PROGRAM)};
  for (const std::string& a : args)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  ProgramResult run;
  const pid_t pid = fork();
  if (pid == 0) {
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int out = open("/dev/null", O_WRONLY);
    if (err < 0 || out < 0)
      _exit(127);
    dup2(out, 1);
    dup2(err, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid)
    return run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream in(errPath);
  std::ostringstream text;
  text << in.rdbuf();
  run.err = text.str();
  return run;
}

int lineCount(const std::string& text)
{
  int lines = 0;
  for (char c : text)
    lines += c == '\n';
  return lines;
}

TEST(VrmlCommand, ConvertsASceneWithViewsToAReadableFile)
{
  const std::string wrl = output("vrml_views.wrl");
  std::filesystem::remove(wrl);
  const ProgramResult run = runGridlux({"vrml", GRIDLUX_EXAMPLES "/scenes/views_four_panels.iv", "-o", wrl});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;

  std::ifstream in(wrl);
  std::string header;
  std::getline(in, header);
  EXPECT_EQ(header, "#VRML V2.0 utf8");

  SoDB::init();
  SoNodeKit::init();
  SoInput input;
  ASSERT_TRUE(input.openFile(wrl.c_str()));
  SoSeparator* root = SoDB::readAll(&input);
  ASSERT_NE(root, nullptr);
  root->ref();
  // One sensor per view keeps it in front of the viewer.
  SoSearchAction search;
  search.setType(SoVRMLProximitySensor::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(root);
  EXPECT_EQ(search.getPaths().getLength(), 4);
  root->unref();
}

TEST(VrmlCommand, MissingOrMalformedInputIsOneLineAndStatusOne)
{
  const std::string wrl = output("vrml_never_written.wrl");
  std::filesystem::remove(wrl);
  ProgramResult run = runGridlux({"vrml", "/no/such/scene.iv", "-o", wrl});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(lineCount(run.err), 1) << run.err;
  EXPECT_NE(run.err.find("/no/such/scene.iv"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(wrl));

  const std::string broken = output("vrml_broken.iv");
  std::ofstream(broken) << "#Inventor V2.1 ascii\nSeparator {\n  PoSceneView { viewportSize 0.5 }\n  NoSuchNode { }\n}\n";
  run = runGridlux({"vrml", broken, "-o", wrl});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(lineCount(run.err), 1) << run.err;
  EXPECT_NE(run.err.find(broken), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(wrl));

  run = runGridlux({"vrml", GRIDLUX_EXAMPLES "/scenes/cone.iv", "-o", output("no_such_dir/cone.wrl")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(lineCount(run.err), 1) << run.err;

  run = runGridlux({"vrml", GRIDLUX_EXAMPLES "/scenes/cone.iv"});
  EXPECT_EQ(run.status, 2) << "no output file is bad usage";
}

} // namespace

#endif // GRIDLUX_PROGRAM
