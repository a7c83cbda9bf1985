#include "app/Form1.h"
#include "app/AppSetup.h"
#include "app/ControlFactory.h"
#include "app/MainMenuBar.h"
#include "app/WindowPlace.h"
#include "keyboard/CapsLamp.h"
#include "keyboard/KeyboardPanel.h"
#include "exercise/Gauge.h"
#include "exercise/TextCanvas.h"
#include "exercise/TextWindow.h"
#include "platform/BgrColor.h"
#include "platform/DesignTable.h"
#include "platform/KeyTranslator.h"
#include <QCloseEvent>
#include <QGuiApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

using MainWindowLayout::controlIndex;
using MainMenus::itemIndex;
using MainMenus::menuIndex;

Form1::Form1(const Services& services, QWidget* parent)
    : QMainWindow(parent), messages_(services.messages), clock_(services.clock), capsLock_(services.capsLock),
      web_(services.web),
      chooseFile_(services.chooseFile), exercise_(*this, *this, services.messages, services.clock),
      keyboard_(services.capsLock)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kmora英打練習"));
    // Decoded once the event loop runs, after the window is first shown: start-up does not wait
    // for the pictures, and a title bar or task bar needs none larger than 64 px. The counters'
    // digits are rendered then too, not while the first keys wait for them.
    QTimer::singleShot(0, this, [this] {
        QIcon icon;
        for (const int size : {16, 22, 24, 32, 48, 64})
            icon.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
        setWindowIcon(icon);
        drawGlyphsAhead(lblRight_->font(), QStringLiteral("0123456789"));
    });
    setFont(fontFor(MainWindowLayout::WindowFont, font()));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(MainWindowLayout::ClientWidth, MainWindowLayout::ClientHeight);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, bgrColor(MainWindowLayout::WindowBack));
    // Qt's own disabled grey almost vanishes on this light grey: locked controls must stay legible.
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, bgrColor(MainWindowLayout::DisabledText));
    client->setPalette(palette);
    setCentralWidget(client);

    const BuiltControls c = buildControls(client);
    cmdStart_ = controlAs<QPushButton>(c[controlIndex("cmdStart")]);
    cmdEnd_ = controlAs<QPushButton>(c[controlIndex("cmdEnd")]);
    cmdSandH_ = controlAs<QPushButton>(c[controlIndex("cmdSandH")]);
    frmKeySet_ = controlAs<QGroupBox>(c[controlIndex("frmKeySet")]);
    optKey_ = {controlAs<QRadioButton>(c[controlIndex("optKey_0")]), controlAs<QRadioButton>(c[controlIndex("optKey_1")]),
               controlAs<QRadioButton>(c[controlIndex("optKey_2")])};
    frmClass_ = controlAs<QGroupBox>(c[controlIndex("frmClass")]);
    optClass_ = {controlAs<QRadioButton>(c[controlIndex("optClass_0")]), controlAs<QRadioButton>(c[controlIndex("optClass_1")]),
                 controlAs<QRadioButton>(c[controlIndex("optClass_2")]), controlAs<QRadioButton>(c[controlIndex("optClass_3")])};
    shpPro_ = c[controlIndex("shpPro")];
    shpSpeed_ = c[controlIndex("shpSpeed")];
    lblRight_ = controlAs<QLabel>(c[controlIndex("lblRight")]);
    lblWrong_ = controlAs<QLabel>(c[controlIndex("lblWrong")]);
    Label1_ = controlAs<QLabel>(c[controlIndex("Label1")]);
    lblEsc_ = controlAs<QLabel>(c[controlIndex("lblEsc")]);
    optKey_[0]->setChecked(true);

    picWindow_ = new TextWindow(client);
    picWindow_->setGeometry(MainWindowLayout::TextWindowLeft, MainWindowLayout::TextWindowTop,
                            MainWindowLayout::TextWindowWidth, MainWindowLayout::TextWindowHeight);
    buildKeyboard(client);

    setMenuBar(new MainMenuBar(this));
    const BuiltMenus m = buildMenus(menuBar());
    mnuB_ = m.menus[menuIndex("mnuB")];
    mnuC_ = m.menus[menuIndex("mnuC")];
    mnuCR_ = m.menus[menuIndex("mnuCR")];
    mnuE_ = m.menus[menuIndex("mnuE")];
    mnuOpen_ = m.items[itemIndex("mnuOpen")];
    mnuEsc_ = m.items[itemIndex("mnuEsc")];
    mnuExit_ = m.items[itemIndex("mnuExit")];
    mnuPos_ = {m.items[itemIndex("mnuPos_1")], m.items[itemIndex("mnuPos_2")]};
    mnuAbout_ = m.items[itemIndex("mnuAbout")];

    lockedControls_ = {cmdStart_, cmdEnd_, frmKeySet_};
    lockedMenus_ = {mnuOpen_, mnuB_->menuAction(), mnuC_->menuAction(), mnuCR_->menuAction(), mnuE_->menuAction()};

    loadWarmUpMenu();
    createConnections();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();

    winId(); // the key translator needs the native window now, before the first key
    keys_ = std::make_unique<KeyTranslator>(windowHandle(), *this, capsLock_);
}

Form1::~Form1() = default;

// What start-up does to the built window, in order, before it is first shown.
void Form1::Form_Load()
{
    placeOnScreen();
    // The text templates (cell sizes and fonts) and lblEtr are the text canvas's own design;
    // the keys' rest positions are recorded as the keyboard model is made.
    setProgressWidth(0);
    setSpeedWidth(0);
    exercise_.stopClock();
    shpCapsL_->setColour(keyboard_.lampColour());
    picWindow_->FitScrollBar(true);
    optClass_[StartSpeedLevel - 1]->setChecked(true);
    exercise_.setSpeedLevel(StartSpeedLevel);
    lblEsc_->setText(QStringLiteral("按Esc鍵中斷"));
    lblEsc_->hide();
    LoadLessonMenu();
    LoadPassageMenu();
    picKey_->setBaseKeyCalloutsVisible(false);
}

void Form1::placeOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const auto twips = [](const QRect& r) { return QRectF(r.topLeft() * TwipsPerPixel, r.size() * TwipsPerPixel); };
    const QPointF at = WindowPlace::topLeft(twips(screen->geometry()), twips(screen->availableGeometry()));
    move((at / double(TwipsPerPixel)).toPoint());
}

void Form1::createConnections()
{
    connect(cmdStart_, &QPushButton::clicked, this, &Form1::cmdStart_Click);
    connect(cmdEnd_, &QPushButton::clicked, this, &Form1::endProgram);
    connect(mnuEsc_, &QAction::triggered, this, &Form1::mnuEsc_Click);
    connect(mnuExit_, &QAction::triggered, this, &Form1::endProgram);
    connect(mnuOpen_, &QAction::triggered, this, &Form1::mnuOpen_Click);
    for (int i = 0; i < int(optClass_.size()); ++i)
        connect(optClass_[i], &QRadioButton::clicked, this, [this, i] { optClass_Click(i); });
    connect(cmdSandH_, &QPushButton::clicked, this, &Form1::cmdSandH_Click);
    connect(mnuPos_[0], &QAction::triggered, this, [this] { mnuPos_Click(1); });
    connect(mnuPos_[1], &QAction::triggered, this, [this] { mnuPos_Click(2); });
    connect(mnuAbout_, &QAction::triggered, this, &Form1::mnuAbout_Click);
}

void Form1::setRightCaption(const QString& caption) { lblRight_->setText(caption); }
void Form1::setWrongCaption(const QString& caption) { lblWrong_->setText(caption); }

void Form1::setClockCaption(const QString& caption)
{
    if (caption == Label1_->text())
        return; // ticks that change nothing repaint nothing
    Label1_->setText(caption);
    Label1_->adjustSize();
}

void Form1::setProgressWidth(int twips)
{
    shpPro_->resize(gaugePixels(twips, shpPro_->parentWidget()->contentsRect().width()), shpPro_->height());
}

void Form1::setSpeedWidth(int twips)
{
    shpSpeed_->resize(gaugePixels(twips, shpSpeed_->parentWidget()->contentsRect().width()), shpSpeed_->height());
}

void Form1::showEnterTag(int index) { picWindow_->canvas().showEnterTag(index); }
void Form1::showText(std::shared_ptr<const PracticeText> text) { picWindow_->canvas().showText(std::move(text)); }
void Form1::typingCellsChanged(int first, int last) { picWindow_->canvas().typingCellsChanged(first, last); }

void Form1::setLoadButtonsEnabled(bool enabled)
{
    for (QPushButton* button : {cmdStart_, cmdEnd_, cmdSandH_})
        button->setEnabled(enabled);
    if (enabled)
        cmdStart_->setFocus();
}

void Form1::setExerciseLocked(bool locked)
{
    for (QWidget* control : lockedControls_)
        control->setEnabled(!locked);
    for (QAction* item : lockedMenus_)
        item->setEnabled(!locked);
    lblEsc_->setVisible(locked);
    if (!locked)
        cmdStart_->setFocus();
}

void Form1::focusText() { picWindow_->canvas().setFocus(); }
void Form1::fitScrollBar(bool resetToTop) { picWindow_->FitScrollBar(resetToTop); }
void Form1::scrollToChar(int index) { picWindow_->ScrollToChar(index); }

bool Form1::keysCaptured() const { return exercise_.running(); }

void Form1::endProgram()
{
    close(); // the last window closed ends the program
}

void Form1::closeEvent(QCloseEvent* event)
{
    exercise_.stopClock();
    tmrHand_.stop();
    event->accept();
}
