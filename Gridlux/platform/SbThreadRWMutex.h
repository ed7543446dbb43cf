// Read-write lock used as the class mutex of every registered library class.
#ifndef GRIDLUX_SBTHREADRWMUTEX_H
#define GRIDLUX_SBTHREADRWMUTEX_H

#include <condition_variable>
#include <mutex>
#include <thread>

/**
 * @brief Recursive read-write lock.
 *
 * A rebuild may apply an action to a sub-graph that holds other library kits, which take the
 * same class lock again on the same thread, so the write lock is recursive. A thread that holds
 * the write lock may also take read locks. Coin's own SbRWMutex is not recursive, hence this class.
 */
class SbThreadRWMutex {
public:
  SbThreadRWMutex();
  ~SbThreadRWMutex();

  /** Blocks until no other thread holds a read or write lock. Returns 0. */
  int writeLock();
  /** Takes the write lock when it is free now; returns TRUE on success. */
  bool tryWriteLock();
  int writeUnlock();

  int readLock();
  bool tryReadLock();
  int readUnlock();

  /** TRUE while the calling thread holds the write lock. */
  bool isWriteLockedByMe() const;

private:
  SbThreadRWMutex(const SbThreadRWMutex&) = delete;
  SbThreadRWMutex& operator=(const SbThreadRWMutex&) = delete;

  bool canWrite() const;

  mutable std::mutex m_mutex;
  std::condition_variable m_released;
  std::thread::id m_writer;
  int m_writeDepth = 0;
  int m_readers = 0;
};

#endif
