// Handlers that record posted messages for the tests.
#include "support/ErrorCatcher.h"

#include <Gridlux/base/PoDebugError.h>
#include <Inventor/errors/SoDebugError.h>
#include <Inventor/errors/SoReadError.h>

ErrorCatcher::ErrorCatcher(int sources)
  : m_sources(sources),
    m_previousLibrary(PoDebugError::getHandlerCallback()),
    m_previousLibraryData(PoDebugError::getHandlerData())
{
  PoDebugError::setHandlerCallback(&ErrorCatcher::onLibraryError, this);
  if (m_sources & COIN_DEBUG) {
    m_previousDebug = SoDebugError::getHandlerCallback();
    m_previousDebugData = SoDebugError::getHandlerData();
    SoDebugError::setHandlerCallback(&ErrorCatcher::onCoinDebugError, this);
  }
  if (m_sources & COIN_READ) {
    m_previousRead = SoReadError::getHandlerCallback();
    m_previousReadData = SoReadError::getHandlerData();
    SoReadError::setHandlerCallback(&ErrorCatcher::onCoinReadError, this);
  }
}

ErrorCatcher::~ErrorCatcher()
{
  PoDebugError::setHandlerCallback(m_previousLibrary, m_previousLibraryData);
  if (m_sources & COIN_DEBUG)
    SoDebugError::setHandlerCallback(m_previousDebug, m_previousDebugData);
  if (m_sources & COIN_READ)
    SoReadError::setHandlerCallback(m_previousRead, m_previousReadData);
}

void ErrorCatcher::clear()
{
  m_messages.clear();
  m_severities.clear();
}

bool ErrorCatcher::contains(const std::string& fragment) const
{
  for (const std::string& message : m_messages)
    if (message.find(fragment) != std::string::npos)
      return true;
  return false;
}

void ErrorCatcher::record(const SoError* error, int severity)
{
  m_messages.push_back(error->getDebugString().getString());
  m_severities.push_back(severity);
}

void ErrorCatcher::onLibraryError(const SoError* error, void* data)
{
  const PoDebugError* posted = dynamic_cast<const PoDebugError*>(error);
  const int severity = posted ? posted->getSeverity() : 0;
  static_cast<ErrorCatcher*>(data)->record(error, severity);
}

void ErrorCatcher::onCoinDebugError(const SoError* error, void* data)
{
  const int severity = static_cast<const SoDebugError*>(error)->getSeverity();
  static_cast<ErrorCatcher*>(data)->record(error, severity);
}

void ErrorCatcher::onCoinReadError(const SoError* error, void* data)
{
  static_cast<ErrorCatcher*>(data)->record(error, 0);
}
