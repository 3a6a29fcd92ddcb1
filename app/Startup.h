#pragma once

namespace zand::Startup {

// Before the application object exists: the desktop's scaling is taken as
// it is (125 % stays 1.25), so the side windows look as every other program
// on that desktop; the machine itself is drawn on the screen's own pixels.
// Failed writes become errors the game reports, not the end of the process.
void beforeApplication();

// Once it exists: the names the desktop knows the program by.
void nameApplication();

// The game in the desktop's language, where it has been translated.
void translate();

} // namespace zand::Startup
