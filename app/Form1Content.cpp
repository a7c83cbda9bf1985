// The handlers that load practice text into the window: built-in lessons, passages and
// warm-ups, and text files.
#include "app/Form1.h"
#include "content/FileMessages.h"
#include "content/LessonCatalogue.h"
#include "content/PassageCatalogue.h"
#include "content/TextFileReader.h"
#include "content/WarmUpSets.h"
#include "content/WindowCaption.h"
#include "dialogs/frmOpen.h"
#include "platform/MessageBoxService.h"
#include "platform/TrimSpaces.h"
#include <QMenu>
#include <QPushButton>

namespace {
// Items 1..count under the menu, named like a control array (mnuBase_1, mnuBase_2, ...).
template <typename Handler>
void fillMenu(QMenu* menu, const QString& itemName, int count, QString (*caption)(int), Handler chosen)
{
    for (int i = 1; i <= count; ++i) {
        QAction* item = menu->addAction(caption(i));
        item->setObjectName(itemName + u'_' + QString::number(i));
        QObject::connect(item, &QAction::triggered, menu, [chosen, i] { chosen(i); });
    }
}
} // namespace

void Form1::LoadLessonMenu()
{
    fillMenu(mnuB_, QStringLiteral("mnuBase"), LessonCount, &lessonCaption,
             [this](int i) { mnuBase_Click(i); });
}

void Form1::LoadPassageMenu()
{
    fillMenu(mnuC_, QStringLiteral("mnuClass"), PassageCount, &passageCaption,
             [this](int i) { mnuClass_Click(i); });
}

void Form1::loadWarmUpMenu()
{
    for (int set = 0; set < WarmUpSetCount; ++set) {
        QAction* item = mnuCR_->addAction(warmUpMenuCaption(set));
        item->setObjectName(warmUpMenuName(set));
        connect(item, &QAction::triggered, this, [this, set] { mnuCR_Click(set); });
    }
}

void Form1::loadBuiltIn(const QString& caption, const QStringList& lines)
{
    setWindowTitle(caption); // a new text also ends any run still going
    exercise_.loadText(lines);
}

void Form1::mnuBase_Click(int index)
{
    loadBuiltIn(captionForMenuItem(lessonCaption(index)), {LessonText(index)});
}

void Form1::mnuClass_Click(int index)
{
    loadBuiltIn(captionForMenuItem(passageCaption(index)), {PassageText(index)});
}

void Form1::mnuCR_Click(int set)
{
    loadBuiltIn(captionForWarmUp(warmUpCaptionSuffix(set)), warmUpLines(set));
}

void Form1::mnuOpen_Click()
{
    if (chooseFile_) {
        TextFilePath_ = chooseFile_(TextFilePath_);
    } else {
        frmOpen chooser(TextFilePath_, messages_, this);
        chooser.exec();
        TextFilePath_ = chooser.textFilePath();
    }
    // No file chosen yet: nothing can be practised until a text is loaded.
    if (trimSpaces(TextFilePath_).isEmpty()) {
        cmdStart_->setEnabled(false);
        return;
    }
    const TextFileLoad load = readTextFile(TextFilePath_);
    // A refused file says why, and the earlier text, caption and Start stay as they were.
    if (const auto refusal = refusalMessage(load.status, TextFilePath_)) {
        messages_.show(refusal->text, refusal->title, refusal->style);
        return;
    }
    setWindowTitle(captionForFile(load.fileName));
    exercise_.loadText(load.lines);
}
