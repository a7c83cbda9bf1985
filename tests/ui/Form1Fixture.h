#pragma once
#include "app/Form1.h"
#include "doubles/FakeCapsLock.h"
#include "doubles/FakeClock.h"
#include "doubles/FakeMessageBox.h"
#include "doubles/FakeWebOpener.h"
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <cstdlib>
#include <optional>
#include <stdexcept>

struct Form1Test : testing::Test {
    Form1Test()
    {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form) && QTest::qWaitForWindowActive(&form));
    }
    // Controls and menu items by their design names; a name that does not exist fails the test.
    template <typename T = QWidget>
    T* control(const char* name)
    {
        if (T* found = form.findChild<T*>(QLatin1String(name)))
            return found;
        throw std::runtime_error(std::string("no control named ") + name);
    }
    QAction* item(const char* name) { return control<QAction>(name); }
    QString text(const char* name) { return control<QLabel>(name)->text(); }
    void typeKeys(const QByteArray& keys)
    {
        for (const char key : keys)
            QTest::keyClick(form.windowHandle(), key);
    }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    // What the window's backing store holds: only what was really repainted.
    QImage onScreen(const char* name, QRect area)
    {
        QCoreApplication::sendPostedEvents();
        const QPoint p = control(name)->mapTo(&form, area.topLeft());
        return form.screen()->grabWindow(form.winId(), p.x(), p.y(), area.width(), area.height()).toImage();
    }
    QColor onScreen(const char* name, QPoint at) { return onScreen(name, QRect(at, QSize(1, 1))).pixelColor(0, 0); }
    // How far the screen's area of a control is, in its worst colour channel, from a fresh paint.
    int offFresh(const char* name, QRect area)
    {
        const QImage shown = onScreen(name, area).convertToFormat(QImage::Format_RGB32);
        const QImage fresh = control(name)->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        int worst = shown.size() == fresh.size() ? 0 : 255;
        for (qsizetype i = 0; worst < 255 && i < fresh.sizeInBytes(); ++i)
            worst = std::max(worst, std::abs(shown.constBits()[i] - fresh.constBits()[i]));
        return worst;
    }

    FakeMessageBox messages;
    FakeClock clock;
    FakeCapsLock capsLock;
    FakeWebOpener web;
    std::optional<QString> choice; // empty: the user cancels the chooser
    Form1 form{{messages, clock, capsLock, web, [this](const QString& path) { return choice.value_or(path); }}};
};
