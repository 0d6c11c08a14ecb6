#pragma once

// The input-capture callbacks main() registers with the Widget as context:
// they hand each reported key or button to the view, which passes it on to
// the scene on a later turn of the event loop.
void keyboardCallback(unsigned char usage, bool isDown, void *context);
void mouseCallback(unsigned char button, bool isDown, int x, int y, void *context);
