#pragma once

// Creates the program's windows once, in their order; the first becomes the main window.
void Create_Program_Windows();
