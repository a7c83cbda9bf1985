#pragma once
#include "dialogs/PlainBox.h"

class QGroupBox;
class QLabel;
class QPushButton;

// "姿勢": a picture of a child sitting well at the keyboard and a few tips on how to sit and
// hold the hands. Any key or click closes it.
class frmPosture final : public PlainBox {
    Q_OBJECT
public:
    // parent: the main window; the box is placed relative to it.
    explicit frmPosture(QWidget* parent = nullptr);

private:
    QGroupBox* Frame1_ = nullptr;
    QLabel* imgPosture_ = nullptr;
    QLabel* lblHeading_ = nullptr;
    QLabel* lblTips_ = nullptr;
    QPushButton* Command1_ = nullptr;
};
