#include "Form2.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QCoreApplication>

namespace tarnby::ui {

namespace {

// Places are kept in twips (1/1440 inch), the unit the dialog's layout was
// drawn in, so each figure reads as it was laid out; 15 twips are one pixel at 96 dpi.
constexpr int px(int twips) { return twips / 15; }

QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QString cleanFolder(const QString& path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

} // namespace

// The folders-only model of Dir1; the open folder is shown bold.
class FolderModel : public QFileSystemModel {
public:
    using QFileSystemModel::QFileSystemModel;

    void setOpenFolder(const QString& path)
    {
        const QModelIndex before = openIndex_;
        openIndex_ = QPersistentModelIndex(index(path));
        if (before.isValid())
            emit dataChanged(before, before, {Qt::FontRole});
        if (openIndex_.isValid())
            emit dataChanged(openIndex_, openIndex_, {Qt::FontRole});
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::FontRole && index == openIndex_ && index.isValid()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QFileSystemModel::data(index, role);
    }

private:
    QPersistentModelIndex openIndex_;
};

QString startingFolder(const QString& folderText, const QString& programDir)
{
    QString path = cleanFolder(folderText.trimmed());
    if (!path.isEmpty() && QDir::isAbsolutePath(path)) {
        // The nearest folder that exists, walking up from the one typed.
        while (!QFileInfo(path).isDir()) {
            const QString parent = QFileInfo(path).path();
            if (parent == path)
                break;
            path = parent;
        }
        if (QFileInfo(path).isDir())
            return path;
    }
    return cleanFolder(QFileInfo(programDir).absoluteFilePath());
}

Form2::Form2(const QString& startFolder, const QString& programDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QCoreApplication::translate("Form2", "选取文件夹"));
    setFixedSize(px(3300), px(5490));

    Label1 = new QLabel(QCoreApplication::translate("Form2", "选择考勤文件所在目录："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont small = Label1->font();
    small.setPixelSize(12);
    Label1->setFont(small);
    // One pixel taller than 180 twips each way, so the CJK glyphs keep their feet.
    Label1->setGeometry(twipRect(120, 120, 1980, 180).adjusted(0, -1, 0, 1));

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(twipRect(120, 420, 3000, 300));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid())
            continue;
        const QString root = volume.rootPath();
        const QString name = volume.displayName() == root ? QDir::toNativeSeparators(root)
                                                          : QStringLiteral("%1 [%2]").arg(
                                                                QDir::toNativeSeparators(root), volume.displayName());
        Drive1->addItem(name, root);
    }

    model_ = new FolderModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    model_->setRootPath(QString());

    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(QCoreApplication::translate("Form2", "文件夹"));
    Dir1->setGeometry(twipRect(120, 840, 3030, 4080));
    Dir1->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->setHeaderHidden(true);
    Dir1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    Command1 = new QPushButton(QCoreApplication::translate("Form2", "确 定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipRect(1260, 5025, 900, 375));
    Command1->setDefault(true);
    Command2 = new QPushButton(QCoreApplication::translate("Form2", "取 消"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipRect(2280, 5025, 900, 375));

    // Tab goes as the dialog reads, the drives above the tree; the tree still
    // has the focus on show, since choosing a folder is what the dialog is for.
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Command1);
    setTabOrder(Command1, Command2);
    Dir1->setFocus();

    connect(Dir1, &QTreeView::activated, this, [this](const QModelIndex& index) {
        enterFolder(model_->filePath(index));
    });
    // The tree passes Enter on to the dialog after entering the folder, which
    // would press the default button "确 定" as well.
    Dir1->installEventFilter(this);
    // The folders are listed in the background and sorted once listed: rows
    // that arrive or move above the open folder push it out of sight after it
    // was scrolled to. Until the user takes the tree in hand, it is brought
    // back into view whenever that happens.
    follow_.setSingleShot(true);
    follow_.setInterval(0);
    connect(&follow_, &QTimer::timeout, this, [this] {
        Dir1->scrollTo(model_->index(current_), QAbstractItemView::PositionAtCenter);
    });
    const auto follow = [this] {
        if (following_)
            follow_.start();
    };
    connect(model_, &QFileSystemModel::directoryLoaded, this, follow);
    connect(model_, &QAbstractItemModel::rowsInserted, this, follow);
    connect(model_, &QAbstractItemModel::layoutChanged, this, follow);
    Dir1->viewport()->installEventFilter(this);
    Dir1->verticalScrollBar()->installEventFilter(this);
    connect(Drive1, &QComboBox::activated, this, &Form2::driveChanged);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    const QString start = startingFolder(startFolder, programDir);
    selectDriveOf(start);
    if (!enterFolder(start))
        enterFolder(QDir::rootPath());
    Dir1->setFocus();
}

QString Form2::currentFolder() const
{
    return QDir::toNativeSeparators(current_);
}

bool Form2::enterFolder(const QString& path)
{
    const QString folder = cleanFolder(QFileInfo(path).absoluteFilePath());
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !QDir(folder).isReadable())
        return false;
    current_ = folder;
    model_->setOpenFolder(folder);
    const QModelIndex index = model_->index(folder);
    Dir1->expand(index);
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index);
    return true;
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::Wheel)
        following_ = false;
    if (watched == Dir1 && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QModelIndex index = Dir1->currentIndex();
            if (index.isValid())
                enterFolder(model_->filePath(index));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form2::driveChanged(int index)
{
    const QString root = Drive1->itemData(index).toString();
    if (root.isEmpty() || !enterFolder(root)) {
        // A drive without a medium: the tree stays, and so does the list.
        selectDriveOf(current_);
    }
}

void Form2::selectDriveOf(const QString& path)
{
    const QString root = QStorageInfo(path).rootPath();
    const int index = Drive1->findData(root);
    if (index >= 0) {
        const QSignalBlocker quiet(Drive1);
        Drive1->setCurrentIndex(index);
    }
}

} // namespace tarnby::ui
