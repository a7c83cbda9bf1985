#pragma once
class QApplication;

// Maps the Windows font names of the design onto the Debian fonts that look like them.
void InstallFontSubstitutes();
// Loads Qt's own Traditional Chinese strings, so standard buttons read "確定".
void InstallTranslations(QApplication& app);
