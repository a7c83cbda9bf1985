#pragma once
#include "exercise/ExerciseView.h"
#include "exercise/KeyGuide.h"
#include "exercise/TypingExercise.h"
#include "keyboard/FingerGuide.h"
#include "keyboard/KeyboardModel.h"
#include "platform/KeySink.h"
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

class CapsLamp;
class CapsLockQuery;
class Clock;
class KeyboardPanel;
class KeyTranslator;
class MessageBoxService;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class TextWindow;
class WebOpener;

// The main window: builds itself from the design tables, shows what the typing exercise
// reports and hands it the window's events. The path of a key is in the README.
class Form1 final : public QMainWindow, public ExerciseView, public KeyGuide, public KeySink {
    Q_OBJECT
public:
    struct Services {
        MessageBoxService& messages;
        const Clock& clock;
        CapsLockQuery& capsLock;
        WebOpener& web;
        // Shows the file chooser and returns the path it leaves; the real dialog if empty.
        std::function<QString(const QString& textFilePath)> chooseFile = {};
    };
    explicit Form1(const Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    TypingExercise& exercise() { return exercise_; }
    const KeyboardModel& keyboard() const { return keyboard_; }
    const FingerGuide& fingerGuide() const { return guide_; }
    // The finger guide's tick, every frame while it runs.
    void tmrHand_Timer();
    // Full path of the practice file last chosen in the file chooser.
    const QString& textFilePath() const { return TextFilePath_; }

    // ExerciseView
    void setRightCaption(const QString& caption) override;
    void setWrongCaption(const QString& caption) override;
    void setClockCaption(const QString& caption) override;
    void setProgressWidth(int twips) override;
    void setSpeedWidth(int twips) override;
    void showEnterTag(int index) override;
    void showText(std::shared_ptr<const PracticeText> text) override;
    void typingCellsChanged(int first, int last) override;
    void setLoadButtonsEnabled(bool enabled) override;
    void setExerciseLocked(bool locked) override;
    void focusText() override;
    void fitScrollBar(bool resetToTop) override;
    void scrollToChar(int index) override;

    // KeyGuide
    void outlineKeyFor(int charCode) override { keyboard_.outlineKeyFor(charCode); }
    void clearKeyOutlineFor(int charCode) override { keyboard_.clearKeyOutlineFor(charCode); }
    void pushKeyCapFor(int charCode) override { keyboard_.pushKeyCapFor(charCode); }
    void showShiftGuide() override { keyboard_.ShowShiftGuide(guideContext()); }
    void resetShiftOutlines() override { keyboard_.resetShiftOutlines(); }
    bool fingerGuideRunning() const override { return tmrHand_.isActive(); }
    void stopFingerGuide() override { StopFingerGuide(); }

    // KeySink
    void keyDown(int virtualKey, int shift) override { Form_KeyDown(virtualKey, shift); }
    void keyPress(int charCode) override { Form_KeyPress(charCode); }
    void keyUp(int virtualKey, int shift) override { Form_KeyUp(virtualKey, shift); }
    bool keysCaptured() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Form_Load();
    void placeOnScreen();
    void createConnections();
    void buildKeyboard(QWidget* client);
    void keysBack(bool active);
    GuideContext guideContext() const { return {exercise_.running(), exercise_.state().ExpectedChar}; }
    void LoadLessonMenu();
    void LoadPassageMenu();
    void loadWarmUpMenu();

    void cmdStart_Click() { exercise_.start(); }
    void Form_KeyPress(int charCode) { exercise_.keyPressed(charCode); }
    void mnuEsc_Click() { exercise_.interrupt(); }
    void optClass_Click(int index) { exercise_.setSpeedLevel(index + 1); }
    void optKey_Click(int index) { keyboard_.ArrangeKeyboard(index); }
    void Form_KeyDown(int virtualKey, int shift) { keyboard_.keyDown(virtualKey, shift, guideContext()); }
    void Form_KeyUp(int virtualKey, int shift) { keyboard_.keyUp(virtualKey, shift); }
    void mnuBase_Click(int index);
    void mnuClass_Click(int index);
    void mnuCR_Click(int set);
    void mnuOpen_Click();
    void loadBuiltIn(const QString& caption, const QStringList& lines);
    void endProgram();
    void mnuPos_Click(int index);
    void StopFingerGuide();
    void picKey_Click();
    void cmdSandH_Click();
    void mnuAbout_Click();

    MessageBoxService& messages_;
    const Clock& clock_;
    CapsLockQuery& capsLock_;
    WebOpener& web_;
    std::function<QString(const QString&)> chooseFile_;
    QString TextFilePath_;
    TypingExercise exercise_;
    KeyboardModel keyboard_;
    FingerGuide guide_;
    QTimer tmrHand_;

    QPushButton* cmdStart_ = nullptr;
    QPushButton* cmdEnd_ = nullptr;
    QPushButton* cmdSandH_ = nullptr;
    QGroupBox* frmKeySet_ = nullptr;
    std::array<QRadioButton*, 3> optKey_{};
    QGroupBox* frmClass_ = nullptr;
    std::array<QRadioButton*, 4> optClass_{};
    QWidget* shpPro_ = nullptr;
    QWidget* shpSpeed_ = nullptr;
    QLabel* lblRight_ = nullptr;
    QLabel* lblWrong_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* lblEsc_ = nullptr;
    TextWindow* picWindow_ = nullptr;
    KeyboardPanel* picKey_ = nullptr;
    CapsLamp* shpCapsL_ = nullptr;

    QMenu* mnuB_ = nullptr;
    QMenu* mnuC_ = nullptr;
    QMenu* mnuCR_ = nullptr;
    QMenu* mnuE_ = nullptr;
    QAction* mnuOpen_ = nullptr;
    QAction* mnuEsc_ = nullptr;
    QAction* mnuExit_ = nullptr;
    std::array<QAction*, 2> mnuPos_{};
    QAction* mnuAbout_ = nullptr;

    // What an exercise locks, so that nothing can load another text meanwhile.
    std::array<QWidget*, 3> lockedControls_{};
    std::array<QAction*, 5> lockedMenus_{};

    std::unique_ptr<KeyTranslator> keys_;
};
