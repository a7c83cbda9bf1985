#include "app/Form1.h"
#include "app/ControlFactory.h"
#include "app/MainMenus.h"
#include "app/MainWindowLayout.h"
#include "exercise/Gauge.h"
#include "exercise/TextCanvas.h"
#include "exercise/TextWindow.h"
#include "platform/BgrColor.h"
#include "platform/KeyTranslator.h"
#include <QCloseEvent>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

namespace {
// Controls locked while an exercise runs, so nothing can start another load.
constexpr std::array LockedDuringExercise{"cmdStart", "cmdEnd", "mnuOpen", "mnuB", "mnuC", "mnuCR", "mnuE", "frmKeySet"};
} // namespace

Form1::Form1(const Services& services, QWidget* parent)
    : QMainWindow(parent), messages_(services.messages), chooseFile_(services.chooseFile),
      exercise_(*this, services.messages, services.clock)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kmora英打練習"));
    setFont(FontFor(MainWindowLayout::WindowFont, font()));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(MainWindowLayout::ClientWidth, MainWindowLayout::ClientHeight);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, BgrColor(MainWindowLayout::WindowBack));
    client->setPalette(palette);
    setCentralWidget(client);

    BuildControls(client);
    picWindow_ = new TextWindow(exercise_.text(), client);
    picWindow_->setGeometry(MainWindowLayout::TextWindowLeft, MainWindowLayout::TextWindowTop,
                            MainWindowLayout::TextWindowWidth, MainWindowLayout::TextWindowHeight);
    cmdStart_ = client->findChild<QPushButton*>(QStringLiteral("cmdStart"));
    cmdEnd_ = client->findChild<QPushButton*>(QStringLiteral("cmdEnd"));
    lblRight_ = client->findChild<QLabel*>(QStringLiteral("lblRight"));
    lblWrong_ = client->findChild<QLabel*>(QStringLiteral("lblWrong"));
    Label1_ = client->findChild<QLabel*>(QStringLiteral("Label1"));
    lblEsc_ = client->findChild<QLabel*>(QStringLiteral("lblEsc"));
    shpPro_ = client->findChild<QWidget*>(QStringLiteral("shpPro"));

    buildMenus();
    LoadLessonMenu();
    LoadPassageMenu();
    LoadWarmUpMenu();
    createConnections();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    winId(); // the key translator needs the native window now, before the first key
    keys_ = new KeyTranslator(windowHandle(), *this);
}

Form1::~Form1()
{
    // The canvas and the key translator refer to the exercise, which goes before the widgets.
    delete keys_;
    delete takeCentralWidget();
}

QMenu* Form1::menu(const QString& name) const
{
    return menuBar()->findChild<QMenu*>(name);
}

void Form1::buildMenus()
{
    QHash<QString, QMenu*> menus;
    for (const auto& row : MainMenus::Menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf16(row.caption));
        menu->setObjectName(QLatin1String(row.name));
        menu->menuAction()->setObjectName(QLatin1String(row.name));
        menus.insert(QLatin1String(row.name), menu);
    }
    for (const auto& row : MainMenus::Items) {
        QMenu* menu = menus.value(QLatin1String(row.menu));
        QAction* item = row.caption ? menu->addAction(QString::fromUtf16(row.caption)) : menu->addSeparator();
        item->setObjectName(QLatin1String(row.name));
        if (row.shortcut)
            item->setShortcut(QKeySequence(QLatin1String(row.shortcut)));
    }
}

void Form1::createConnections()
{
    connect(cmdStart_, &QPushButton::clicked, this, [this] { exercise_.cmdStart_Click(); });
    connect(cmdEnd_, &QPushButton::clicked, this, &Form1::EndProgram);
    connect(action(QStringLiteral("mnuEsc")), &QAction::triggered, this, [this] { exercise_.mnuEsc_Click(); });
    connect(action(QStringLiteral("mnuExit")), &QAction::triggered, this, &Form1::EndProgram);
    connect(action(QStringLiteral("mnuOpen")), &QAction::triggered, this, &Form1::mnuOpen_Click);
}

void Form1::LayoutText(const QStringList& lines)
{
    exercise_.LayoutText(lines);
}

void Form1::setNamedEnabled(const char* name, bool enabled)
{
    if (QAction* item = action(QLatin1String(name)))
        item->setEnabled(enabled);
    else if (auto* control = centralWidget()->findChild<QWidget*>(QLatin1String(name)))
        control->setEnabled(enabled);
}

void Form1::setRightCaption(const QString& caption) { lblRight_->setText(caption); }
void Form1::setWrongCaption(const QString& caption) { lblWrong_->setText(caption); }

void Form1::setClockCaption(const QString& caption)
{
    Label1_->setText(caption);
    Label1_->adjustSize();
}

void Form1::setProgressWidth(int twips)
{
    shpPro_->resize(GaugePixels(twips, shpPro_->parentWidget()->contentsRect().width()), shpPro_->height());
}

void Form1::setSpeedWidth(int /*twips*/)
{
    // The speed gauge joins the window with the exercise clock.
}

void Form1::showEnterTag(int index) { picWindow_->canvas().showEnterTag(index); }
void Form1::textReplaced() { picWindow_->canvas().textReplaced(); }
void Form1::typingCellsChanged(int first, int last) { picWindow_->canvas().typingCellsChanged(first, last); }

void Form1::setLoadButtonsEnabled(bool enabled)
{
    for (const char* name : {"cmdStart", "cmdEnd", "cmdSandH"})
        setNamedEnabled(name, enabled);
    if (enabled)
        cmdStart_->setFocus();
}

void Form1::setExerciseLocked(bool locked)
{
    for (const char* name : LockedDuringExercise)
        setNamedEnabled(name, !locked);
    lblEsc_->setVisible(locked);
    if (!locked)
        cmdStart_->setFocus();
}

void Form1::focusText() { picWindow_->canvas().setFocus(); }

void Form1::keyDown(int /*virtualKey*/, int /*shift*/)
{
    // Key caps of the on-screen keyboard follow the keys from here.
}

void Form1::keyPress(int charCode) { exercise_.Form_KeyPress(charCode); }

void Form1::keyUp(int /*virtualKey*/, int /*shift*/) {}

bool Form1::keysCaptured() const { return exercise_.running(); }

void Form1::EndProgram()
{
    exercise_.stopClock();
    emit programEnded();
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    EndProgram();
}
