#pragma once
// How a key travels:
//  1. KeyTranslator (platform/) watches this window's QWindow, so it sees every key before
//     the focused control, and calls keyDown / keyPress / keyUp here with Windows-style codes.
//  2. keyPress hands the character code to TypingExercise::Form_KeyPress (exercise/), which
//     judges it at once: a wrong key is counted, the expected one advances the text.
//  3. The exercise updates its cell records and calls back through ExerciseView: counters,
//     progress bar, the "Enter" tag, and the cells of `picWd` that changed, which repaints
//     only those rectangles.
//  4. When the last character is typed or Esc arrives, the exercise shows its summary
//     through MessageBoxService and calls setExerciseLocked(false) to unlock this window.
#include "exercise/ExerciseView.h"
#include "exercise/TypingExercise.h"
#include "platform/KeySink.h"
#include <QMainWindow>
#include <functional>

class Clock;
class MessageBoxService;
class QAction;
class QMenu;
class QPushButton;
class QLabel;
class KeyTranslator;
class TextWindow;

class Form1 final : public QMainWindow, public ExerciseView, public KeySink {
    Q_OBJECT
public:
    struct Services {
        MessageBoxService& messages;
        const Clock& clock;
        // Shows the file chooser, which leaves its choice in the path; the real dialog if empty.
        std::function<void(QString& textFilePath)> chooseFile = {};
    };
    explicit Form1(const Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Lays a list of lines out in the text window and makes Start available.
    void LayoutText(const QStringList& lines);

    TypingExercise& exercise() { return exercise_; }
    // Full path of the practice file last chosen in the file chooser.
    const QString& textFilePath() const { return TextFilePath; }
    QAction* action(const QString& name) const { return findChild<QAction*>(name); }
    QMenu* menu(const QString& name) const;

    // ExerciseView
    void setRightCaption(const QString& caption) override;
    void setWrongCaption(const QString& caption) override;
    void setClockCaption(const QString& caption) override;
    void setProgressWidth(int twips) override;
    void setSpeedWidth(int twips) override;
    void showEnterTag(int index) override;
    void textReplaced() override;
    void typingCellsChanged(int first, int last) override;
    void setLoadButtonsEnabled(bool enabled) override;
    void setExerciseLocked(bool locked) override;
    void focusText() override;

    // KeySink
    void keyDown(int virtualKey, int shift) override;
    void keyPress(int charCode) override;
    void keyUp(int virtualKey, int shift) override;
    bool keysCaptured() const override;

signals:
    // The program is to end now; main() quits the event loop.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void LoadLessonMenu();
    void LoadPassageMenu();
    void LoadWarmUpMenu();
    void mnuBase_Click(int index);
    void mnuClass_Click(int index);
    void mnuCR_Click(int set);
    void mnuOpen_Click();
    void loadBuiltIn(const QString& caption, const QString& text);
    void createConnections();
    void setNamedEnabled(const char* name, bool enabled);
    void EndProgram();

    MessageBoxService& messages_;
    std::function<void(QString&)> chooseFile_;
    QString TextFilePath;
    TypingExercise exercise_;
    TextWindow* picWindow_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    QPushButton* cmdEnd_ = nullptr;
    QLabel* lblRight_ = nullptr;
    QLabel* lblWrong_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* lblEsc_ = nullptr;
    QWidget* shpPro_ = nullptr;
    KeyTranslator* keys_ = nullptr;
};
