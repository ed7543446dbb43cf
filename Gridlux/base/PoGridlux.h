// Entry point of the library.
#ifndef GRIDLUX_POGRIDLUX_H
#define GRIDLUX_POGRIDLUX_H

/**
 * @brief Entry class: start-up, version and product name. Holds no state.
 *
 * An application calls PoGridlux::init() once, from one thread, before it uses the library.
 */
class PoGridlux {
public:
  /** Initialises the toolkit and registers every class of the library; later calls do nothing. */
  static void init();
  /** "5.0.4" */
  static const char* getVersion();
  /** "Gridlux" */
  static const char* getProductName();
};

#endif
