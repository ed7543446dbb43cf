// The library's error class: every message of the library is posted through it.
#ifndef GRIDLUX_PODEBUGERROR_H
#define GRIDLUX_PODEBUGERROR_H

#include <Inventor/errors/SoError.h>

#include <cstdarg>

/**
 * @brief Error class of the library in the toolkit's error system.
 *
 * post(), postWarning() and postInfo() format a printf-style message and hand it, prefixed with
 * "Arvanta error in ", "Arvanta warning in " or "Arvanta: in ", the method name and "(): ", to
 * the handler set by setHandlerCallback() (the toolkit's default handler, which prints the text
 * on standard error, until an application replaces it). The handler receives the PoDebugError
 * itself, so it can read getSeverity() and getDebugString().
 *
 * The type is registered as "DebugError" with parent SoError by initClass().
 */
class PoDebugError : public SoError {
  typedef SoError inherited;

public:
  /** How serious a message is; also selects its prefix. */
  enum Severity {
    ERROR = 0,   ///< "Arvanta error in "
    WARNING = 1, ///< "Arvanta warning in "
    INFO = 2     ///< "Arvanta: in "
  };

  /** Registers the type and presets the handler; later calls change nothing. */
  static void initClass();

  static SoType getClassTypeId();
  SoType getTypeId() const override;

  Severity getSeverity() const { return m_severity; }

  static void post(const char* methodName, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
  static void postWarning(const char* methodName, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
  static void postInfo(const char* methodName, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

  /** Replaces the handler that receives every message; a null handler drops them. */
  static void setHandlerCallback(SoErrorCB* callback, void* data);
  static SoErrorCB* getHandlerCallback();
  static void* getHandlerData();

protected:
  /** The handler of this error type and its data. */
  SoErrorCBPtr getHandler(void*& data) const override;

private:
  static void vpost(Severity severity, const char* methodName, const char* format, va_list args);
  static void postP(Severity severity, const char* methodName, const char* message);

  static SoType classTypeId;
  static SoErrorCB* handlerCB;
  static void* cbData;

  Severity m_severity = ERROR;
};

#endif
