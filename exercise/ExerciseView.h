#pragma once
#include <QString>
#include <memory>

class PracticeText;

// What the typing exercise asks of the window around the text; the keyboard's part is KeyGuide.
// The window only shows state; every decision is the exercise's. The calls with empty bodies
// are for windows without a scroll bar, such as the test doubles.
class ExerciseView {
public:
    virtual ~ExerciseView() = default;

    virtual void setRightCaption(const QString& caption) = 0;   // lblRight
    virtual void setWrongCaption(const QString& caption) = 0;   // lblWrong
    virtual void setClockCaption(const QString& caption) = 0;   // Label1
    virtual void setProgressWidth(int twips) = 0;               // shpPro, 0..4000
    virtual void setSpeedWidth(int twips) = 0;                  // shpSpeed
    virtual void showEnterTag(int index) = 0;                   // lblEtr at lblTyping(index); 0 hides it

    // A new text was laid out. The window keeps the text it shows alive; the exercise goes on
    // changing its typing cells and reports each change.
    virtual void showText(std::shared_ptr<const PracticeText> text) = 0;
    virtual void typingCellsChanged(int first, int last) = 0;

    // cmdStart, cmdEnd and cmdSandH while a text is loaded; enabling also focuses cmdStart.
    virtual void setLoadButtonsEnabled(bool enabled) = 0;
    // Locks the controls that could start another load and shows the Esc hint, or undoes it
    // and focuses cmdStart.
    virtual void setExerciseLocked(bool locked) = 0;
    virtual void focusText() = 0;                   // picWd

    virtual void fitScrollBar(bool /*resetToTop*/) {}
    virtual void scrollToChar(int /*index*/) {}
};
