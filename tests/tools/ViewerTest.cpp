// `gridlux view` in a real window: a virtual X display is started for the
// tests, keys are typed into the window with xdotool and the screen is read
// back through Xlib, independently of the viewer's own snapshots.
#if defined(GRIDLUX_PROGRAM) && defined(GRIDLUX_HAVE_VIEWER)

#include "support/ImageCompare.h"

#include "offscreen/PngFile.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using gridlux::offscreen::PngFile;
using gridlux::offscreen::RgbaImage;

namespace {

using Clock = std::chrono::steady_clock;

std::string
slurp(const std::string & path)
{
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string
output(const std::string & name)
{
  return gridlux::test::testOutputDirectory() + "/" + name;
}

void
pause(double seconds)
{
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// Starts `argv` with DISPLAY set, its output in the given files (when named).
pid_t
spawn(const std::vector<std::string> & args, const std::string & display,
      const std::string & outPath = "", const std::string & errPath = "")
{
  std::vector<char *> argv;
  for (const std::string & a : args) argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    const int out = open(outPath.empty() ? "/dev/null" : outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.empty() ? "/dev/null" : errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0) _exit(127);
    dup2(out, 1);
    dup2(err, 2);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

// The exit status, or -1 when the process did not exit normally in time (it is then killed).
int
waitExit(pid_t pid, double seconds)
{
  const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (done < 0) return -1;
    if (Clock::now() > end) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    pause(0.05);
  }
}

bool
running(pid_t pid)
{
  int status = 0;
  return waitpid(pid, &status, WNOHANG) == 0;
}

// Runs xdotool with `args` and returns what it printed.
std::string
xdotool(const std::vector<std::string> & args, const std::string & display)
{
  std::vector<std::string> argv{"xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  // Named after this process: ctest runs the tests of this file side by side.
  const std::string out = output("view_xdotool_" + std::to_string(getpid()) + ".out");
  const pid_t pid = spawn(argv, display, out);
  waitExit(pid, 10);
  return slurp(out);
}

bool
onPath(const std::string & program)
{
  const char * path = std::getenv("PATH");
  std::istringstream dirs(path ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0) return true;
  }
  return false;
}

// Saturated pixels: a lit, coloured scene has many; the black background
// and the grey viewer frame have none.
bool
isColoured(int r, int g, int b)
{
  const int hi = std::max(r, std::max(g, b)), lo = std::min(r, std::min(g, b));
  return hi - lo > 60;
}

int
colouredPixels(const RgbaImage & image)
{
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const uint8_t * p = image.pixel(x, y);
      count += isColoured(p[0], p[1], p[2]);
    }
  return count;
}

class ViewerTest : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    if (!onPath("Xvfb")) {
      skipReason_ = "no Xvfb to start a display server with (install xvfb)";
      return;
    }
    // A display number no server holds, tried until one Xvfb comes up on it.
    for (int attempt = 0; attempt < 8 && display_.empty(); ++attempt) {
      const int number = 60 + (getpid() + attempt * 7) % 400;
      if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) continue;
      const std::string name = ":" + std::to_string(number);
      const pid_t server = fork();
      if (server == 0) {
        const int log = open(output("view_xvfb_" + name.substr(1) + ".log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(log, 1);
        dup2(log, 2);
        execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char *>(nullptr));
        _exit(127);
      }
      const Clock::time_point end = Clock::now() + std::chrono::seconds(15);
      while (Clock::now() < end && running(server)) {
        if (Display * display = XOpenDisplay(name.c_str())) {
          XCloseDisplay(display);
          display_ = name;
          xvfb_ = server;
          break;
        }
        pause(0.1);
      }
      if (display_.empty()) waitExit(server, 0);
    }
    if (display_.empty()) skipReason_ = "Xvfb did not start a display";
  }

  static void TearDownTestSuite()
  {
    if (xvfb_ > 0) {
      kill(xvfb_, SIGTERM);
      waitExit(xvfb_, 10);
    }
    xvfb_ = -1;
    display_.clear();
  }

  void SetUp() override
  {
    if (display_.empty()) GTEST_SKIP() << skipReason_;
    ASSERT_TRUE(onPath("xdotool")) << "xdotool is needed to type into the window (scripts/install-deps.sh)";
  }

  // Starts `gridlux view` with `args`, its output in view_<stem>.stdout/.stderr.
  pid_t startView(const std::vector<std::string> & args, const std::string & stem)
  {
    std::vector<std::string> argv{GRIDLUX_PROGRAM, "view"};
    argv.insert(argv.end(), args.begin(), args.end());
    outPath_ = output("view_" + stem + ".stdout");
    errPath_ = output("view_" + stem + ".stderr");
    return spawn(argv, display_, outPath_, errPath_);
  }

  // The window whose title matches, waited for while the program runs.
  std::string waitForWindow(const std::string & title, pid_t pid, double seconds = 30)
  {
    const Clock::time_point end = Clock::now() + std::chrono::seconds(static_cast<int>(seconds));
    while (Clock::now() < end && running(pid)) {
      std::istringstream found(xdotool({"search", "--name", title}, display_));
      std::string id;
      if (found >> id) return id;
      pause(0.2);
    }
    return "";
  }

  std::string windowsNamed(const std::string & title) { return xdotool({"search", "--name", title}, display_); }

  void typeKey(const std::string & window, const std::string & key)
  {
    xdotool({"windowfocus", "--sync", window}, display_);
    xdotool({"key", key}, display_);
  }

  // The whole screen, read from the X server.
  RgbaImage grabScreen()
  {
    RgbaImage image;
    Display * display = XOpenDisplay(display_.c_str());
    if (!display) return image;
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage * shot = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (shot) {
      image = RgbaImage(attributes.width, attributes.height);
      for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x) {
          const unsigned long value = XGetPixel(shot, x, y);
          uint8_t * p = image.pixel(x, y);
          p[0] = static_cast<uint8_t>((value & shot->red_mask) >> __builtin_ctzl(shot->red_mask));
          p[1] = static_cast<uint8_t>((value & shot->green_mask) >> __builtin_ctzl(shot->green_mask));
          p[2] = static_cast<uint8_t>((value & shot->blue_mask) >> __builtin_ctzl(shot->blue_mask));
          p[3] = 255;
        }
      XDestroyImage(shot);
    }
    XCloseDisplay(display);
    return image;
  }

  // Waits for a PNG to appear and to read completely.
  bool waitForPng(const std::string & path, RgbaImage & image, double seconds = 15)
  {
    const Clock::time_point end = Clock::now() + std::chrono::seconds(static_cast<int>(seconds));
    while (Clock::now() < end) {
      if (std::filesystem::exists(path) && PngFile::read(path, image)) return true;
      pause(0.2);
    }
    return false;
  }

  std::string stderrText() const { return slurp(errPath_); }
  std::string stdoutText() const { return slurp(outPath_); }

  static pid_t xvfb_;
  static std::string display_;
  static std::string skipReason_;
  std::string outPath_, errPath_;
};

pid_t ViewerTest::xvfb_ = -1;
std::string ViewerTest::display_;
std::string ViewerTest::skipReason_;

TEST_F(ViewerTest, ShowsAGallerySceneWritesSnapshotsAndQuitsOnQ)
{
  const std::string shot = output("view_filled.png");
  for (const char * name : {"view_filled_000.png", "view_filled_001.png"}) std::filesystem::remove(output(name));
  const pid_t pid = startView({GRIDLUX_EXAMPLES "/scenes/filled_contours.iv", "-o", shot, "--size", "480x360"}, "gallery");
  const std::string window = waitForWindow("gridlux: filled_contours.iv", pid);
  ASSERT_FALSE(window.empty()) << "no window opened: " << stderrText();

  // The screen, read by the X server's own means, shows the coloured bands
  // (a window left blank shows black and the grey frame only).
  int coloured = 0;
  const Clock::time_point end = Clock::now() + std::chrono::seconds(20);
  RgbaImage screen;
  while (Clock::now() < end && coloured < 480 * 360 / 10) {
    screen = grabScreen();
    coloured = colouredPixels(screen);
    pause(0.25);
  }
  PngFile::write(output("view_screen.png"), screen);
  EXPECT_GE(coloured, 480 * 360 / 10) << "the window shows no scene (see view_screen.png)";

  typeKey(window, "s");
  RgbaImage first;
  ASSERT_TRUE(waitForPng(output("view_filled_000.png"), first)) << stderrText();
  EXPECT_GT(first.width(), 200);
  EXPECT_GT(first.height(), 150);
  EXPECT_GE(colouredPixels(first), first.width() * first.height() / 10);
  // The snapshot is the drawing area: its centre lies on the terrain.
  const uint8_t * centre = first.pixel(first.width() / 2, first.height() / 2);
  EXPECT_TRUE(isColoured(centre[0], centre[1], centre[2]));

  typeKey(window, "s");
  RgbaImage second;
  EXPECT_TRUE(waitForPng(output("view_filled_001.png"), second)) << "a second 's' writes the next number";
  EXPECT_NE(stdoutText().find("view_filled_001.png"), std::string::npos) << stdoutText();

  typeKey(window, "q");
  EXPECT_EQ(waitExit(pid, 20), 0) << stderrText();
  EXPECT_EQ(windowsNamed("gridlux: filled_contours.iv"), "");
}

TEST_F(ViewerTest, ReadsTheSceneAgainWhenTheFileChanges)
{
  const std::string scene = output("view_reload.iv");
  std::ofstream(scene) << "#Inventor V2.1 ascii\nSeparator { Material { diffuseColor 1 0 0 } Cube { } }\n";
  const std::string shot = output("view_reload.png");
  for (int i = 0; i < 20; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "view_reload_%03d.png", i);
    std::filesystem::remove(output(name));
  }
  const pid_t pid = startView({scene, "-o", shot, "--size", "320x240"}, "reload");
  const std::string window = waitForWindow("gridlux: view_reload.iv", pid);
  ASSERT_FALSE(window.empty()) << stderrText();

  // Mean colour of the coloured pixels of snapshot `n`, taken now.
  auto snapshot = [&](int n, int & red, int & blue) {
    char name[32];
    std::snprintf(name, sizeof name, "view_reload_%03d.png", n);
    typeKey(window, "s");
    RgbaImage image;
    red = blue = 0;
    if (!waitForPng(output(name), image)) return false;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const uint8_t * p = image.pixel(x, y);
        red += p[0] > 2 * p[2] + 40;
        blue += p[2] > 2 * p[0] + 40;
      }
    return true;
  };

  int red = 0, blue = 0, n = 0;
  ASSERT_TRUE(snapshot(n++, red, blue)) << stderrText();
  EXPECT_GT(red, 1000);
  EXPECT_EQ(blue, 0);

  // A scene that no longer reads keeps the last good one on screen, with one line said.
  std::ofstream(scene) << "#Inventor V2.1 ascii\nSeparator { NoSuchNode { } }\n";
  const Clock::time_point said = Clock::now() + std::chrono::seconds(10);
  while (Clock::now() < said && stderrText().find("NoSuchNode") == std::string::npos) pause(0.2);
  EXPECT_NE(stderrText().find("NoSuchNode"), std::string::npos) << stderrText();
  ASSERT_TRUE(running(pid));

  std::ofstream(scene) << "#Inventor V2.1 ascii\nSeparator { Material { diffuseColor 0 0 1 } Sphere { } }\n";
  bool reloaded = false;
  for (int attempt = 0; attempt < 12 && !reloaded; ++attempt) {
    pause(0.5);
    ASSERT_TRUE(snapshot(n++, red, blue)) << stderrText();
    reloaded = blue > 1000 && red == 0;
  }
  EXPECT_TRUE(reloaded) << "the changed file was not shown";
  EXPECT_NE(stdoutText().find("reloaded"), std::string::npos) << stdoutText();

  typeKey(window, "q");
  EXPECT_EQ(waitExit(pid, 20), 0) << stderrText();
}

TEST_F(ViewerTest, BadFilesSayOneLineAndOpenNoWindow)
{
  const std::string broken = output("view_broken.iv");
  std::ofstream(broken) << "#Inventor V2.1 ascii\nSeparator {\n  Cone { }\n  NoSuchNodeType { }\n}\n";
  const std::string truncated = output("view_truncated.iv");
  std::ofstream(truncated) << "#Inventor V2.1 ascii\nSeparator { Cone { bottomRadius ";
  for (const std::string & scene : {std::string("/no/such/scene.iv"), broken, truncated}) {
    SCOPED_TRACE(scene);
    const pid_t pid = startView({scene}, "bad");
    EXPECT_EQ(waitExit(pid, 30), 1);
    std::istringstream err(stderrText());
    std::vector<std::string> lines;
    for (std::string line; std::getline(err, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 1u) << stderrText();
    EXPECT_NE(lines[0].find(scene), std::string::npos) << lines[0];
    EXPECT_EQ(windowsNamed("gridlux"), "");
  }
}

// Usage mistakes are caught before any display is looked for.
TEST(ViewCommand, BadUsageNeedsNoDisplay)
{
  struct Case { std::vector<std::string> args; int status; const char * mentions; };
  const std::vector<Case> cases = {
    {{}, 2, "needs a scene file"},
    {{"a.iv", "b.iv"}, 2, "more than one scene file"},
    {{"a.iv", "--frames"}, 1, "unknown option '--frames'"},
    {{"a.iv", "--size", "0x10"}, 2, "bad --size"},
    {{"a.iv", "-o"}, 2, "needs a value"},
  };
  for (const Case & c : cases) {
    std::vector<std::string> argv{GRIDLUX_PROGRAM, "view"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const std::string err = output("view_usage.stderr");
    const pid_t pid = spawn(argv, "", "", err);
    EXPECT_EQ(waitExit(pid, 20), c.status) << c.mentions;
    EXPECT_NE(slurp(err).find(c.mentions), std::string::npos) << slurp(err);
  }
}

} // namespace

#endif
