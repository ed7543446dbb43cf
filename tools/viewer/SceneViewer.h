// The window of `gridlux view`: an examiner viewer on one scene file that
// writes PNG snapshots of its view, quits on a key and follows the file.
#ifndef GRIDLUX_TOOLS_SCENEVIEWER_H
#define GRIDLUX_TOOLS_SCENEVIEWER_H

#include <Inventor/Qt/viewers/SoQtExaminerViewer.h>

#include <sys/types.h>

#include <string>

class SoSensor;
class SoSeparator;
class SoTimerSensor;

namespace gridlux {
namespace cli {

/**
 * Examiner viewer with two keys of its own: 's' writes the current view as
 * a PNG (OUT_000.png, OUT_001.png, ... after `snapshotBase` OUT.png, the
 * name printed on standard output) and 'q' ends the main loop. Every half
 * second it looks at the scene file and reads it again when it changed;
 * a file that no longer reads leaves the last good scene on screen, with the
 * reason on standard error.
 */
class SceneViewer : public SoQtExaminerViewer {
  typedef SoQtExaminerViewer inherited;

public:
  SceneViewer(QWidget * parent, const std::string & scenePath, const std::string & snapshotBase);
  ~SceneViewer() override;

  /** Shows `root` (the viewer takes its own reference). */
  void showScene(SoSeparator * root);

  /** Asks for a snapshot, written right after the next drawing. */
  void requestSnapshot();

protected:
  SbBool processSoEvent(const SoEvent * const event) override;
  void actualRedraw() override;

private:
  struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileStamp & other) const;
  };
  static FileStamp stampOf(const std::string & path);
  static void watchCallback(void * data, SoSensor * sensor);
  void reloadIfChanged();
  void writeSnapshot();

  std::string scenePath_;
  std::string snapshotBase_;
  int snapshotCount_ = 0;
  bool snapshotPending_ = false;
  bool sceneHasCamera_ = false;
  int startTicks_ = 4;
  FileStamp stamp_;
  SoTimerSensor * watch_ = nullptr;
};

} // namespace cli
} // namespace gridlux

#endif
