// Scoped write lock on an SbThreadRWMutex.
#ifndef GRIDLUX_SBTHREADAUTOWRITELOCK_H
#define GRIDLUX_SBTHREADAUTOWRITELOCK_H

#include <Gridlux/platform/SbThreadRWMutex.h>

/** @brief Holds the write lock of a mutex for the lifetime of the object; a null mutex is allowed. */
class SbThreadAutoWriteLock {
public:
  explicit SbThreadAutoWriteLock(SbThreadRWMutex* mutex) : m_mutex(mutex)
  {
    if (m_mutex)
      m_mutex->writeLock();
  }
  ~SbThreadAutoWriteLock()
  {
    if (m_mutex)
      m_mutex->writeUnlock();
  }

private:
  SbThreadAutoWriteLock(const SbThreadAutoWriteLock&) = delete;
  SbThreadAutoWriteLock& operator=(const SbThreadAutoWriteLock&) = delete;

  SbThreadRWMutex* m_mutex;
};

#endif
