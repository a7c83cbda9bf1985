#include "Form1Fixture.h"

// Typing cells repainted key by key (each look kept and copied from then on) show on screen
// exactly what the whole text painted afresh shows: the cursor, right and wrong keys, keys
// that show nothing, a row end and a new start.
TEST_F(Form1Test, EveryTypedCellShowsWhatTheWholeTextPaintedAfreshShows)
{
    QWidget* canvas = control("picWd");
    const auto matches = [&](const char* step) {
        const QRect shown(0, -canvas->y(), canvas->width(), control("picWindow")->height());
        const QImage fresh = canvas->grab(shown).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(onScreen("picWd", shown).convertToFormat(QImage::Format_RGB32), fresh) << step;
    };
    form.exercise().loadText({"ab cd", "Ab cd"});
    click("cmdStart");
    matches("the cursor on the first cell");
    for (int round = 0; round < 2; ++round) { // the second round copies what the first painted
        typeKeys("aa");
        matches("a right key, then a wrong one in the cursor colour");
        typeKeys("xb");
        matches("another wrong key, the right one, the next cursor");
        QTest::keyClick(form.windowHandle(), Qt::Key_Backspace);
        typeKeys(" c\t");
        matches("Backspace and Tab, which show nothing");
        typeKeys("d\rA");
        matches("the row end and the next row");
        item("mnuEsc")->trigger();
        QTest::keyClick(form.windowHandle(), Qt::Key_Return);
        matches("started again: the typed cells gone");
    }
}
