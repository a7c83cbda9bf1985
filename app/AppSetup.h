#pragma once
class QApplication;
class QFont;
class QString;

// Maps the Windows font names of the design onto the Debian fonts that look like them, the
// Chinese ones first through the program's own cut-down copies (assets/fonts). Safe to call
// more than once.
void installFontSubstitutes();
// Loads Qt's own Traditional Chinese strings, so standard buttons read "確定".
void installTranslations(QApplication& app);
// Draws the characters once, off-screen, at each quarter-pixel offset text in the font can
// take, so that no later text in them waits for its glyphs to be rendered.
void drawGlyphsAhead(const QFont& font, const QString& characters);
