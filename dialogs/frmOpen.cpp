#include "dialogs/frmOpen.h"
#include "platform/DesignTable.h"
#include "platform/MessageBoxService.h"
#include "platform/ProgramInfo.h"
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <array>
#include <string_view>

namespace {

constexpr int ClientWidth = 7350;
constexpr int ClientHeight = 4065;

// The design, in tab order; controls that take no focus simply drop out of the chain.
constexpr std::array Controls{
    ControlBox{"OKButton", 6000, 3120, 1215, 375},
    ControlBox{"CancelButton", 6000, 3600, 1215, 375},
    ControlBox{"Drive1", 180, 180, 3015, 315},
    ControlBox{"Dir1", 240, 600, 3195, 2340},
    ControlBox{"File1", 3600, 600, 3615, 2430},
    ControlBox{"txtFileName", 1080, 3120, 4635, 375},
    ControlBox{"Label1_1", 360, 3600, 2415, 255},
    ControlBox{"Label2", 360, 3180, 615, 255},
    ControlBox{"Label1_0", 3900, 240, 2415, 255},
    ControlBox{"Shape5_0", 3480, 240, 315, 255},
    ControlBox{"Shape5_1", 3360, 240, 315, 255},
};

QFont mingFont(qreal points)
{
    QFont font(QString::fromUtf16(MingFace));
    font.setPointSizeF(points);
    return font;
}

// A filled circle as wide as the box is high, centred in its box.
QLabel* makeCircle(QWidget* parent, const ControlBox& box, const QColor& colour)
{
    const QSize size = box.pixels().size();
    const qreal ratio = parent->devicePixelRatioF();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const int diameter = std::min(size.width(), size.height());
    painter.drawEllipse(QRect((size.width() - diameter) / 2, (size.height() - diameter) / 2, diameter, diameter));
    painter.end();

    auto* shape = new QLabel(parent);
    shape->setObjectName(designName(box.name));
    shape->setPixmap(picture);
    return shape;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// A "drive" here is a mount point; the ones that cannot be browsed are left out.
bool isBrowsable(const QStorageInfo& volume)
{
    return volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir();
}

bool canList(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

frmOpen::frmOpen(const QString& textFilePath, MessageBoxService& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      result_(textFilePath), messages_(messages)
{
    setWindowTitle(QStringLiteral("開啟檔案"));
    setModal(true);
    setFont(mingFont(9.75));
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));  // QDialog centres it over its parent

    buildControls();
    fillDrives();

    // A start folder that has been deleted leaves nothing chosen and nothing to list.
    const QString start = QDir::currentPath();
    if (QFileInfo(start).isDir())
        showFolder(start);
    else
        Dir1_->expand(dirModel_->index(QDir::rootPath()));

    OKButton_->setEnabled(false);
    CancelButton_->setFocus();
}

void frmOpen::buildControls()
{
    OKButton_ = new QPushButton(QStringLiteral("開啟"), this);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    CancelButton_ = new QPushButton(QStringLiteral("取消"), this);
    CancelButton_->setObjectName(QStringLiteral("CancelButton"));

    Drive1_ = new QComboBox(this);
    Drive1_->setObjectName(QStringLiteral("Drive1"));

    dirModel_ = new QFileSystemModel(this);
    dirModel_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    dirModel_->setRootPath(QDir::rootPath());
    Dir1_ = new QTreeView(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    Dir1_->setModel(dirModel_);
    Dir1_->setHeaderHidden(true);
    for (int column = 1; column < dirModel_->columnCount(); ++column)
        Dir1_->hideColumn(column);

    // A listing taken when the folder is shown: a file that changes on disk afterwards can
    // neither vanish from under the user's choice nor move the highlight to its neighbour.
    File1_ = new QListWidget(this);
    File1_->setObjectName(QStringLiteral("File1"));

    txtFileName_ = new QLineEdit(this);
    txtFileName_->setObjectName(QStringLiteral("txtFileName"));
    txtFileName_->setFont(mingFont(12));
    // Only the file list chooses a file; an edited name would be ignored, so none is allowed.
    txtFileName_->setReadOnly(true);

    makeLabel(this, "Label1_1", QStringLiteral("檔案類型：* . t x t"));
    makeLabel(this, "Label2", QStringLiteral("檔名："));
    makeLabel(this, "Label1_0", QStringLiteral("請選擇打字檔案…"));
    makeCircle(this, Controls[designIndex(Controls, "Shape5_1")], QColor(255, 0, 0));
    makeCircle(this, Controls[designIndex(Controls, "Shape5_0")], QColor(0, 64, 0));  // made last, so drawn over the red one

    QWidget* previous = nullptr;
    for (const ControlBox& box : Controls) {
        auto* control = findChild<QWidget*>(designName(box.name), Qt::FindDirectChildrenOnly);
        control->setGeometry(box.pixels());
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }

    OKButton_->installEventFilter(this);
    CancelButton_->installEventFilter(this);
    connect(OKButton_, &QPushButton::clicked, this, &frmOpen::OKButton_Click);
    connect(CancelButton_, &QPushButton::clicked, this, &frmOpen::CancelButton_Click);
    connect(Drive1_, &QComboBox::activated, this, &frmOpen::Drive1_Change);
    connect(Dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmOpen::Dir1_Change);
    connect(File1_, &QListWidget::itemSelectionChanged, this, &frmOpen::File1_Click);
    connect(File1_, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* item) { File1_DblClick(item->text()); });
    connect(txtFileName_, &QLineEdit::textChanged, this, &frmOpen::txtFileName_Change);

    // The folders around the current one arrive and are sorted after it was chosen, pushing it
    // out of view: follow it until the user scrolls the tree or opens a folder.
    connect(dirModel_, &QAbstractItemModel::layoutChanged, this, [this] {
        if (following_)
            Dir1_->scrollTo(Dir1_->currentIndex());
    });
    connect(Dir1_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { following_ = false; });
    connect(Dir1_, &QTreeView::expanded, this, [this] { following_ = false; });
}

// Qt's arrow keys would carry the focus from one button to the next: a file clicked, then Down,
// and Enter would cancel while the name box still shows the file.
bool frmOpen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOpen::fillDrives()
{
    QMap<QString, QString> volumes;  // root path -> label, sorted by path
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (isBrowsable(volume))
            volumes.insert(volume.rootPath(), volume.name());
    volumes.insert(QDir::rootPath(), volumes.value(QDir::rootPath()));
    for (auto it = volumes.cbegin(); it != volumes.cend(); ++it)
        Drive1_->addItem(it.value().isEmpty() ? it.key() : QStringLiteral("%1  [%2]").arg(it.key(), it.value()), it.key());
}

void frmOpen::showFolder(const QString& folder)
{
    const QModelIndex index = dirModel_->index(folder);
    Dir1_->setCurrentIndex(index);
    Dir1_->scrollTo(index);  // opens the folders above it
    Dir1_->expand(index);    // its subfolders show below it, one step away
    following_ = true;
}

void frmOpen::showFiles(const QString& folder)
{
    folder_ = folder;
    File1_->clear();
    if (!folder.isEmpty())  // an empty QDir would list the process's current folder
        File1_->addItems(QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void frmOpen::showDriveOf(const QString& folder)
{
    QStringList drives;
    for (int i = 0; i < Drive1_->count(); ++i)
        drives << Drive1_->itemData(i).toString();
    // Mount points are real paths; a folder reached through a link lies where the link points.
    const QString real = QFileInfo(folder).canonicalFilePath();
    const int drive = Drive1_->findData(driveOfFolder(drives, real.isEmpty() ? folder : real));
    if (drive >= 0)
        Drive1_->setCurrentIndex(drive);
}

void frmOpen::reportUnreadable()
{
    messages_.show(QStringLiteral("無法讀取這個磁碟或資料夾。"), programTitle(), MessageStyle::Exclamation);
}

void frmOpen::Drive1_Change(int index)
{
    const QString root = Drive1_->itemData(index).toString();
    if (canList(root)) {
        showFolder(root);
        return;
    }
    reportUnreadable();
    showDriveOf(folder_);
}

void frmOpen::Dir1_Change(const QModelIndex& current)
{
    const QString folder = dirModel_->filePath(current);
    showFiles(folder);
    showDriveOf(folder);
    // The tree stays on the folder, so the arrow keys can move on past it. The report waits
    // until the view has finished with the click or key that moved it.
    if (current.isValid() && !canList(folder))
        QTimer::singleShot(0, this, &frmOpen::reportUnreadable);
}

void frmOpen::File1_Click()
{
    const QList<QListWidgetItem*> selected = File1_->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = selected.first()->text();
    txtFileName_->setText(name);
    result_.choose(folder_, name);
}

void frmOpen::File1_DblClick(const QString& fileName)
{
    result_.choose(folder_, fileName);
    accept();
}

void frmOpen::txtFileName_Change(const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    OKButton_->setEnabled(true);
    OKButton_->setFocus();
}

void frmOpen::OKButton_Click()
{
    accept();
}

void frmOpen::CancelButton_Click()
{
    result_.cancel();
    reject();
}
