// Collects the messages posted during a test instead of printing them.
#ifndef GRIDLUX_TESTS_ERRORCATCHER_H
#define GRIDLUX_TESTS_ERRORCATCHER_H

#include <Inventor/errors/SoError.h>

#include <string>
#include <vector>

/**
 * While alive, takes over the handler of PoDebugError (and optionally those of Coin's
 * SoDebugError and SoReadError) and records every message text with its severity; the previous
 * handlers come back on destruction.
 *
 *   ErrorCatcher errors;
 *   mesh.setValues(-1, ...);
 *   ASSERT_EQ(errors.count(), 1);
 *   EXPECT_EQ(errors.messages()[0], "Arvanta error in PbMesh::setValues(): ...");
 *
 * Severities are 0 error, 1 warning, 2 information (read errors count as errors).
 */
class ErrorCatcher {
public:
  /** Which error classes to catch; PoDebugError's messages are always caught. */
  enum Sources {
    LIBRARY = 0,
    COIN_DEBUG = 1, ///< Coin's SoDebugError
    COIN_READ = 2,  ///< Coin's SoReadError (scene files that do not parse)
    ALL = COIN_DEBUG | COIN_READ
  };

  explicit ErrorCatcher(int sources = LIBRARY);
  ~ErrorCatcher();

  const std::vector<std::string>& messages() const { return m_messages; }
  const std::vector<int>& severities() const { return m_severities; }
  int count() const { return static_cast<int>(m_messages.size()); }
  void clear();

  /** True when some message contains @p fragment. */
  bool contains(const std::string& fragment) const;

private:
  ErrorCatcher(const ErrorCatcher&) = delete;
  ErrorCatcher& operator=(const ErrorCatcher&) = delete;

  static void onLibraryError(const SoError* error, void* data);
  static void onCoinDebugError(const SoError* error, void* data);
  static void onCoinReadError(const SoError* error, void* data);
  void record(const SoError* error, int severity);

  int m_sources;
  SoErrorCB* m_previousLibrary;
  void* m_previousLibraryData;
  SoErrorCB* m_previousDebug = nullptr;
  void* m_previousDebugData = nullptr;
  SoErrorCB* m_previousRead = nullptr;
  void* m_previousReadData = nullptr;
  std::vector<std::string> m_messages;
  std::vector<int> m_severities;
};

#endif
