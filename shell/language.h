#pragma once

// Rebuilds the text table: the built-in English texts, then the chosen language file.
void Load_Language();
// Fills the text table with the built-in English texts only.
void Load_Default_Texts();
