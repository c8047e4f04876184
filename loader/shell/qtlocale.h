#pragma once

// What the program takes from the platform for the chosen language: Qt's own texts (file
// dialogs, message box buttons, the print preview) and readable stand-ins for the fonts the
// windows name.

namespace zr::shell {

// Loads Qt's translations for the language (0 Italian, 1 English, 2 French) in place of any loaded
// before; English needs none. False when the translation files are missing (Qt's texts then stay
// English).
bool LoadQtTranslations(int language);

// Maps the font names the windows use ("Comic Sans MS", "Arial", "Courier New", "SYMBOL") to fonts
// that read well where the originals are missing, instead of whatever the system would pick
// (a calligraphic script for "Comic Sans MS" on machines with the URW fonts).
void InstallFontSubstitutes();

} // namespace zr::shell
