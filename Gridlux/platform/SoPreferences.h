// Preference lookup of the toolkit: here the process environment.
#ifndef GRIDLUX_SOPREFERENCES_H
#define GRIDLUX_SOPREFERENCES_H

#include <cstdlib>

/** @brief Named preferences of the application, read from environment variables. */
class SoPreferences {
public:
  /** The value of preference @p name, null when it is not set. */
  static const char* getValue(const char* name) { return name ? std::getenv(name) : nullptr; }
};

#endif
