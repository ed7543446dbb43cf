// Scenes to and from their file text, for the tests that check what a file keeps.
#ifndef GRIDLUX_TESTS_SCENETEXT_H
#define GRIDLUX_TESTS_SCENETEXT_H

#include <string>

class SoNode;
class SoSeparator;

/** The ASCII file text that a write action gives for @p root. */
std::string writeToString(SoNode* root);
/** The scene that @p text reads into (not referenced), or null when it does not read. */
SoSeparator* readFromString(const std::string& text);

#endif
