#pragma once
#include "app/MainWindowLayout.h"
#include <QFont>

class QWidget;

QFont FontFor(const MainWindowLayout::FontSpec& face, const QFont& inherited);

// Creates the window's fixed controls from the design table; each is found by its name.
void BuildControls(QWidget* client);
