#pragma once

// Takes the program folder for this run, so that no second copy of the program works on the
// same configurations. When another copy holds it, says so and answers false: the program then
// ends without opening the folder.
bool Take_Program_Folder();
// Lets go of the program folder (the end of the run, or a test).
void Release_Program_Folder();

// Creates the program's windows once, in their order; the first becomes the main window.
void Create_Program_Windows();
