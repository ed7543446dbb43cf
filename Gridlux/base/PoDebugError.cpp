// Formatting and delivery of the library's error, warning and information messages.
#include <Gridlux/base/PoDebugError.h>

#include <Inventor/SoDB.h>

#include <cstdio>
#include <string>
#include <vector>

SoType PoDebugError::classTypeId;
SoErrorCB* PoDebugError::handlerCB = &SoError::defaultHandlerCB;
void* PoDebugError::cbData = nullptr;

namespace {

// Most messages fit here; longer ones are formatted again into a block of their own size.
const int kMessageBufferSize = 10000;

const char* prefixOf(PoDebugError::Severity severity)
{
  switch (severity) {
  case PoDebugError::WARNING:
    return "Arvanta warning in ";
  case PoDebugError::INFO:
    return "Arvanta: in ";
  case PoDebugError::ERROR:
  default:
    return "Arvanta error in ";
  }
}

} // namespace

void PoDebugError::initClass()
{
  if (!classTypeId.isBad())
    return;
  // The parent type must exist; SoDB::init() may be repeated safely.
  SoDB::init();
  // Coin registers its own SoDebugError under the same name. A release Coin rebinds the name to
  // this type, which leaves SoDebugError's own posting untouched since it keeps its type object.
  classTypeId = SoType::createType(SoError::getClassTypeId(), "DebugError");
  handlerCB = &SoError::defaultHandlerCB;
  cbData = nullptr;
}

SoType PoDebugError::getClassTypeId()
{
  return classTypeId;
}

SoType PoDebugError::getTypeId() const
{
  return classTypeId;
}

void PoDebugError::setHandlerCallback(SoErrorCB* callback, void* data)
{
  handlerCB = callback;
  cbData = data;
}

SoErrorCB* PoDebugError::getHandlerCallback()
{
  return handlerCB;
}

void* PoDebugError::getHandlerData()
{
  return cbData;
}

SoErrorCBPtr PoDebugError::getHandler(void*& data) const
{
  data = cbData;
  return handlerCB;
}

void PoDebugError::post(const char* methodName, const char* format, ...)
{
  va_list args;
  va_start(args, format);
  vpost(ERROR, methodName, format, args);
  va_end(args);
}

void PoDebugError::postWarning(const char* methodName, const char* format, ...)
{
  va_list args;
  va_start(args, format);
  vpost(WARNING, methodName, format, args);
  va_end(args);
}

void PoDebugError::postInfo(const char* methodName, const char* format, ...)
{
  va_list args;
  va_start(args, format);
  vpost(INFO, methodName, format, args);
  va_end(args);
}

void PoDebugError::vpost(Severity severity, const char* methodName, const char* format, va_list args)
{
  if (!format) {
    postP(severity, methodName, "");
    return;
  }
  char buffer[kMessageBufferSize];
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(buffer, sizeof(buffer), format, args);
  if (length < 0) {
    // An encoding error in the arguments: still say where it came from.
    buffer[0] = '\0';
    postP(severity, methodName, buffer);
  }
  else if (length < kMessageBufferSize) {
    postP(severity, methodName, buffer);
  }
  else {
    // Cutting a long message (a dump of values, a long file name) would hide its end.
    std::vector<char> large(static_cast<size_t>(length) + 1);
    std::vsnprintf(large.data(), large.size(), format, again);
    postP(severity, methodName, large.data());
  }
  va_end(again);
}

void PoDebugError::postP(Severity severity, const char* methodName, const char* message)
{
  std::string text = prefixOf(severity);
  text += methodName ? methodName : "";
  text += "(): ";
  text += message;

  PoDebugError error;
  error.m_severity = severity;
  error.setDebugString(text.c_str());

  // Coin's SoError::handleError() would hand a plain SoError copy to the SoError handler and never
  // ask this type for its own, so the handler of this type is called here directly.
  void* data = nullptr;
  SoErrorCB* callback = error.getHandler(data);
  if (callback)
    callback(&error, data);
}
