#pragma once

// Makes the executable's folder the working directory: every ./modules/
// path of the program resolves against it. Call after the application
// object exists and before anything reads a file.
void enterExecutableFolder();
