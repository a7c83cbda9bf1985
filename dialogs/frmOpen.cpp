#include "dialogs/frmOpen.h"
#include "platform/MessageBoxService.h"
#include "platform/ProgramInfo.h"
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <array>
#include <string_view>

namespace {

struct ControlBox {
    std::string_view name;
    int left, top, width, height;  // twips
};

constexpr int kClientWidth = 7350;
constexpr int kClientHeight = 4065;

// The design, in tab order; controls that take no focus simply drop out of the chain.
constexpr std::array kControls{
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

constexpr int px(int twips) { return twips / 15; }

// Used in constant expressions only, so a misspelt name stops the build.
constexpr const ControlBox& boxOf(std::string_view name)
{
    for (const ControlBox& box : kControls)
        if (box.name == name)
            return box;
    throw "no such control";
}

QString nameOf(const ControlBox& box)
{
    return QString::fromLatin1(box.name.data(), qsizetype(box.name.size()));
}

QRect pixelRect(const ControlBox& box)
{
    return QRect(px(box.left), px(box.top), px(box.width), px(box.height));
}

QFont mingFont(qreal points)
{
    QFont font(QStringLiteral("新細明體"));
    font.setPointSizeF(points);
    return font;
}

// A filled circle as wide as the box is high, centred in its box.
QLabel* makeCircle(QWidget* parent, const ControlBox& box, const QColor& colour)
{
    const QSize size(px(box.width), px(box.height));
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
    shape->setObjectName(nameOf(box));
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

// Accepts the volume's root, its ancestors (so the root itself can be shown as the top item)
// and everything below the root.
QRegularExpression volumeFilter(const QString& root)
{
    QStringList accepted;
    for (QString path = root;;) {
        accepted << QRegularExpression::escape(path);
        if (path == QLatin1String("/"))
            break;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        path = slash <= 0 ? QStringLiteral("/") : path.left(slash);
    }
    const QString below = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return QRegularExpression(QStringLiteral("^(?:%1|%2.+)$")
                                  .arg(accepted.join(QLatin1Char('|')), QRegularExpression::escape(below)));
}

} // namespace

frmOpen::frmOpen(QString& textFilePath, MessageBoxService& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      result_(textFilePath), messages_(messages)
{
    setWindowTitle(QStringLiteral("開啟檔案"));
    setModal(true);
    setFont(mingFont(9.75));
    setFixedSize(px(kClientWidth), px(kClientHeight));
    if (parent) {
        const QRect owner = parent->window()->frameGeometry();
        move(owner.x() + (owner.width() - width()) / 2, owner.y() + (owner.height() - height()) / 2);
    }

    buildControls();

    const QString start = QDir::currentPath();
    const QStorageInfo startVolume(start);
    const QString startRoot = startVolume.isValid() ? startVolume.rootPath() : QDir::rootPath();
    fillDrives(startRoot);
    showVolume(startRoot, start);

    OKButton->setEnabled(false);
    CancelButton->setFocus();
}

void frmOpen::buildControls()
{
    OKButton = new QPushButton(QStringLiteral("開啟"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("取消"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));

    dirModel_ = new QFileSystemModel(this);
    dirModel_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    dirFilter_ = new QSortFilterProxyModel(this);
    dirFilter_->setSourceModel(dirModel_);
    dirFilter_->setFilterRole(QFileSystemModel::FilePathRole);
    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setModel(dirFilter_);
    Dir1->setHeaderHidden(true);
    for (int column = 1; column < dirFilter_->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    // Name filters ignore case unless QDir::CaseSensitive is set, so "B.TXT" is offered too.
    fileModel_->setNameFilters({QStringLiteral("*.txt")});
    fileModel_->setNameFilterDisables(false);
    File1 = new QListView(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setModel(fileModel_);
    File1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    txtFileName = new QLineEdit(this);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    txtFileName->setFont(mingFont(12));
    // Only the file list chooses a file; an edited name would be ignored, so none is allowed.
    txtFileName->setReadOnly(true);

    makeLabel(this, "Label1_1", QStringLiteral("檔案類型：* . t x t"));
    makeLabel(this, "Label2", QStringLiteral("檔名："));
    makeLabel(this, "Label1_0", QStringLiteral("請選擇打字檔案…"));
    constexpr const ControlBox& red = boxOf("Shape5_1");
    constexpr const ControlBox& green = boxOf("Shape5_0");
    makeCircle(this, red, QColor(255, 0, 0));
    makeCircle(this, green, QColor(0, 64, 0));  // made last, so drawn over the red one

    QWidget* previous = nullptr;
    for (const ControlBox& box : kControls) {
        auto* control = findChild<QWidget*>(nameOf(box), Qt::FindDirectChildrenOnly);
        control->setGeometry(pixelRect(box));
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }

    connect(OKButton, &QPushButton::clicked, this, &frmOpen::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmOpen::CancelButton_Click);
    connect(Drive1, &QComboBox::activated, this, &frmOpen::Drive1_Change);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmOpen::Dir1_Change);
    connect(File1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmOpen::File1_Click);
    connect(File1, &QListView::doubleClicked, this, &frmOpen::File1_DblClick);
    connect(txtFileName, &QLineEdit::textChanged, this, &frmOpen::txtFileName_Change);
    // The folders around the current one arrive and are sorted later, pushing it out of view:
    // follow it until the user scrolls the list.
    connect(dirFilter_, &QAbstractItemModel::layoutChanged, this, [this] {
        if (followCurrent_)
            Dir1->scrollTo(Dir1->currentIndex());
    });
    connect(dirFilter_, &QAbstractItemModel::rowsInserted, this, [this] {
        if (followCurrent_)
            QTimer::singleShot(0, this, [this] { Dir1->scrollTo(Dir1->currentIndex()); });
    });
    connect(Dir1->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { followCurrent_ = false; });
}

void frmOpen::fillDrives(const QString& startRoot)
{
    QMap<QString, QString> volumes;  // root path -> label, sorted by path
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (isBrowsable(volume))
            volumes.insert(volume.rootPath(), volume.name());
    if (!volumes.contains(startRoot))
        volumes.insert(startRoot, QString());
    for (auto it = volumes.cbegin(); it != volumes.cend(); ++it)
        Drive1->addItem(it.value().isEmpty() ? it.key() : QStringLiteral("%1  [%2]").arg(it.key(), it.value()), it.key());
}

void frmOpen::showVolume(const QString& root, const QString& folder)
{
    moving_ = true;
    volumeRoot_ = root;
    Drive1->setCurrentIndex(Drive1->findData(root));
    dirFilter_->setFilterRegularExpression(volumeFilter(root));
    const QModelIndex rootIndex = dirModel_->setRootPath(root);
    Dir1->setRootIndex(dirFilter_->mapFromSource(rootIndex.parent()));
    moving_ = false;
    selectFolder(folder);
}

void frmOpen::selectFolder(const QString& folder)
{
    moving_ = true;
    const QModelIndex index = dirFilter_->mapFromSource(dirModel_->index(folder));
    Dir1->setCurrentIndex(index);
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        Dir1->expand(above);
    Dir1->expand(index);  // its subfolders show below it, one step away
    Dir1->scrollTo(index);
    moving_ = false;

    folder_ = folder;
    File1->clearSelection();
    File1->setRootIndex(fileModel_->setRootPath(folder));
}

void frmOpen::reportUnreadable()
{
    messages_.show(QStringLiteral("無法讀取這個磁碟或資料夾。"), ProgramTitle(),
                   MessageStyle::Exclamation);
}

void frmOpen::reject()
{
    result_.closeBox();
    QDialog::reject();
}

void frmOpen::Drive1_Change(int index)
{
    const QString root = Drive1->itemData(index).toString();
    if (root == volumeRoot_)
        return;
    if (!canList(root) || !QStorageInfo(root).isReady()) {
        reportUnreadable();
        Drive1->setCurrentIndex(Drive1->findData(volumeRoot_));
        return;
    }
    showVolume(root, root);
}

void frmOpen::Dir1_Change(const QModelIndex& current)
{
    if (moving_ || !current.isValid())
        return;
    const QString folder = dirModel_->filePath(dirFilter_->mapToSource(current));
    if (folder == folder_)
        return;
    if (canList(folder)) {
        selectFolder(folder);
        return;
    }
    // The view is still handling the click that moved it; step back once it is done.
    QTimer::singleShot(0, this, [this] {
        reportUnreadable();
        selectFolder(folder_);
    });
}

void frmOpen::File1_Click()
{
    const QModelIndexList selected = File1->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const QString name = fileModel_->fileName(selected.first());
    txtFileName->setText(name);
    result_.fileClicked(folder_, name);
}

void frmOpen::File1_DblClick(const QModelIndex& index)
{
    result_.fileDoubleClicked(folder_, fileModel_->fileName(index));
    accept();
}

void frmOpen::txtFileName_Change(const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    OKButton->setEnabled(true);
    OKButton->setFocus();
}

void frmOpen::OKButton_Click()
{
    result_.ok();
    accept();
}

void frmOpen::CancelButton_Click()
{
    result_.cancel();
    QDialog::reject();
}
