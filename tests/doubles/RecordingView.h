#pragma once
#include "exercise/ExerciseView.h"
#include "exercise/KeyGuide.h"
#include <vector>

// Keeps what the exercise last showed, as the window would.
struct RecordingView final : ExerciseView, KeyGuide {
    void setRightCaption(const QString& caption) override { lblRight = caption; }
    void setWrongCaption(const QString& caption) override { lblWrong = caption; }
    void setClockCaption(const QString& caption) override { Label1 = caption; }
    void setProgressWidth(int twips) override { progress.push_back(twips); }
    void setSpeedWidth(int twips) override { speed = twips; }
    void showEnterTag(int index) override { enterTag = index; }
    void showText(std::shared_ptr<const PracticeText>) override {}
    void typingCellsChanged(int, int) override {}
    void setLoadButtonsEnabled(bool) override {}
    void setExerciseLocked(bool isLocked) override { locked = isLocked; }
    void focusText() override {}
    void outlineKeyFor(int) override {}
    void clearKeyOutlineFor(int) override {}
    void pushKeyCapFor(int charCode) override { pushed.push_back(charCode); }
    void resetShiftOutlines() override { ++shiftResets; }

    QString lblRight = "0", lblWrong = "0", Label1 = "0:0:0";
    std::vector<int> progress;
    std::vector<int> pushed;
    int enterTag = 0, shiftResets = 0, speed = 0;
    bool locked = false;
};
