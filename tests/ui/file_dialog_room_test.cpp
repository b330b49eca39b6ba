#include "ui/file_dialog_room.h"

#include <QApplication>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include "foundation/app_language.h"
#include "ui/application_style.h"
#include "ui/interface_font.h"

namespace vlt {
namespace {

// What the list's own delegate needs to draw the cell without cutting it.
int widthToShowWhole(const QTreeView& list, const QModelIndex& cell) {
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.font = list.font();
    option.fontMetrics = list.fontMetrics();
    option.decorationSize = list.iconSize();
    return list.itemDelegateForIndex(cell)->sizeHint(option, cell).width();
}

// A folder of photographs in Qt's own dialog, in the detail view: every size, kind and
// date shows whole, the names get the rest, and the dialog stays on its screen.
TEST(FileDialogRoomTest, DetailColumnsShowWhatTheyHoldWhole) {
    // The application's look and type, with which the columns came out cut.
    QApplication::setStyle(new ApplicationStyle);
    applyInterfaceFont(AppLanguage::english);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"Patient 0412 - frontal view before treatment.jpeg", "profile.tiff", "b.png"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(250) << 20));  // a sparse file that says "250 MiB"
    }
    QWidget window;
    window.resize(1180, 820);
    QFileDialog dialog(&window);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setDirectory(folder.path());
    addFileDialogMessage(dialog, QStringLiteral("Choose one local image."), QStringLiteral("message"));
    giveFileDialogRoom(dialog);
    window.show();
    dialog.open();

    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(details, nullptr);
    QTRY_COMPARE(details->model()->rowCount(details->rootIndex()), 3);
    QHeaderView* header = details->header();
    ASSERT_GE(header->count(), 4);
    QTRY_VERIFY(header->sectionSize(1) > 0);
    const QAbstractItemModel* model = details->model();
    for (int row = 0; row < model->rowCount(details->rootIndex()); ++row) {
        for (int column = 1; column < header->count(); ++column) {
            const QModelIndex cell = model->index(row, column, details->rootIndex());
            SCOPED_TRACE(cell.data().toString().toStdString());
            EXPECT_GE(header->sectionSize(column), widthToShowWhole(*details, cell));
        }
    }
    EXPECT_GT(header->sectionSize(0), header->sectionSize(1));
    EXPECT_LE(dialog.width(), dialog.screen()->availableSize().width());
    EXPECT_LE(dialog.height(), dialog.screen()->availableSize().height());

    auto* message = dialog.findChild<QLabel*>(QStringLiteral("message"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_GT(message->width(), dialog.width() / 2);
}

}  // namespace
}  // namespace vlt
