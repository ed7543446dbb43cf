// Recursive read-write lock over a mutex and a condition variable.
#include <Gridlux/platform/SbThreadRWMutex.h>

SbThreadRWMutex::SbThreadRWMutex() = default;
SbThreadRWMutex::~SbThreadRWMutex() = default;

bool SbThreadRWMutex::canWrite() const
{
  // Readers block a writer unless the only readers are nested inside its own write lock,
  // which readLock() never counts.
  if (m_writeDepth > 0)
    return m_writer == std::this_thread::get_id();
  return m_readers == 0;
}

int SbThreadRWMutex::writeLock()
{
  std::unique_lock<std::mutex> lock(m_mutex);
  m_released.wait(lock, [this] { return canWrite(); });
  m_writer = std::this_thread::get_id();
  ++m_writeDepth;
  return 0;
}

bool SbThreadRWMutex::tryWriteLock()
{
  std::lock_guard<std::mutex> lock(m_mutex);
  if (!canWrite())
    return false;
  m_writer = std::this_thread::get_id();
  ++m_writeDepth;
  return true;
}

int SbThreadRWMutex::writeUnlock()
{
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_writeDepth == 0 || m_writer != std::this_thread::get_id())
    return 1;
  if (--m_writeDepth == 0) {
    m_writer = std::thread::id();
    m_released.notify_all();
  }
  return 0;
}

int SbThreadRWMutex::readLock()
{
  std::unique_lock<std::mutex> lock(m_mutex);
  if (m_writeDepth > 0 && m_writer == std::this_thread::get_id()) {
    // Reading under one's own write lock: the write lock already excludes everyone else.
    ++m_writeDepth;
    return 0;
  }
  m_released.wait(lock, [this] { return m_writeDepth == 0; });
  ++m_readers;
  return 0;
}

bool SbThreadRWMutex::tryReadLock()
{
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_writeDepth > 0 && m_writer == std::this_thread::get_id()) {
    ++m_writeDepth;
    return true;
  }
  if (m_writeDepth > 0)
    return false;
  ++m_readers;
  return true;
}

int SbThreadRWMutex::readUnlock()
{
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_writeDepth > 0 && m_writer == std::this_thread::get_id()) {
    if (--m_writeDepth == 0) {
      m_writer = std::thread::id();
      m_released.notify_all();
    }
    return 0;
  }
  if (m_readers == 0)
    return 1;
  if (--m_readers == 0)
    m_released.notify_all();
  return 0;
}

bool SbThreadRWMutex::isWriteLockedByMe() const
{
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_writeDepth > 0 && m_writer == std::this_thread::get_id();
}
