#pragma once
#include "dialogs/PlainBox.h"

class QGroupBox;
class QLabel;
class QPushButton;
class WebOpener;

// The About box: the program's name, version, maker, copyright line and description, a button
// that opens the maker's home page and an OK button. Anything else the user does closes it.
class frmSplash final : public PlainBox {
    Q_OBJECT
public:
    // parent: the main window; the box is placed relative to it.
    frmSplash(WebOpener& web, QWidget* parent = nullptr);

private:
    void Form_Load();
    void cmdPage_Click();

    WebOpener& web_;

    QGroupBox* Frame1_ = nullptr;
    QLabel* lblProductName_ = nullptr;
    QLabel* lblCompanyProduct_ = nullptr;
    QLabel* imgLogo_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblCopyright_ = nullptr;
    QLabel* lblCompany_ = nullptr;
    QLabel* lblNote_ = nullptr;
    QPushButton* cmdPage_ = nullptr;
    QPushButton* Command1_ = nullptr;
};
