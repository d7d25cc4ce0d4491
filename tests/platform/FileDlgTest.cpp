// cFileDlg's save dialog on the Qt file-dialog service, driven as a user
// drives it: typing a name, answering the question about replacing a file.
#include "core/cFileDlg.h"
#include "platform/QtFileDialog.h"
#include "tests/support/WhenShown.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

void TypeName(QFileDialog* d, const char* name) {
    auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(name));
    QTest::keyClick(edit, Qt::Key_Return);
}

class FileDlgTest : public ::testing::Test {
protected:
    QtFileDialog service;
    FileDialogService* before = &FileDialogs();
    QTemporaryDir dir;

    void SetUp() override {
        SetFileDialogService(&service);
        QFile movie(dir.filePath(QStringLiteral("movie.avi")));
        ASSERT_TRUE(movie.open(QIODevice::WriteOnly));
        movie.write("RIFF");
    }
    void TearDown() override { SetFileDialogService(before); }
    std::string Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
};

// "movie" typed where movie.avi exists: the question names movie.avi; No
// keeps the dialog open, Yes takes the name with its extension.
TEST_F(FileDlgTest, ATypedNameGetsTheExtensionBeforeTheReplaceQuestion) {
    cFileDlg dlg;
    dlg.DlgTitle = "保存为 AVI 文件";
    dlg.Filter = "AVI Files|*.avi";
    dlg.DefaultExt = "avi";
    std::string fileName = Path("untitled.avi");
    std::string fileTitle;
    QString firstBox, question;
    QStringList filters;
    QString caption;
    bool openAfterNo = false;

    WhenShown<QFileDialog>([&](QFileDialog* d) {
        caption = d->windowTitle();
        filters = d->nameFilters();
        firstBox = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        WhenShown<QMessageBox>([&, d](QMessageBox* box) {
            question = box->text();
            // QMessageBox's No: the dialog stays, and the user confirms again.
            QTimer::singleShot(0, [&, d] {
                WhenShown<QMessageBox>([](QMessageBox* again) { again->button(QMessageBox::Yes)->click(); });
                openAfterNo = d->isVisible();
                TypeName(d, "movie");
            });
            box->button(QMessageBox::No)->click();
        });
        TypeName(d, "movie");
    });
    ASSERT_TRUE(dlg.VBGetSaveFileName(fileName, fileTitle));
    EXPECT_EQ(caption.toStdString(), "保存为 AVI 文件");
    EXPECT_EQ(filters, QStringList{QStringLiteral("AVI Files (*.avi)")});
    EXPECT_EQ(firstBox, QStringLiteral("untitled.avi"));
    EXPECT_TRUE(question.startsWith(QStringLiteral("movie.avi"))) << question.toStdString();
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(fileName, Path("movie.avi"));
    EXPECT_EQ(fileTitle, "movie.avi");
}

// A new name asks nothing; both filter forms are the same filter; Cancel
// gives false and empty names.
TEST_F(FileDlgTest, NewNameAndCancel) {
    cFileDlg dlg;
    EXPECT_EQ(dlg.DlgTitle, "Vexilon");
    dlg.Filter = "AVI Files:*.avi";
    dlg.DefaultExt = "avi";
    std::string fileName = Path("untitled.avi");
    QStringList filters;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        filters = d->nameFilters();
        TypeName(d, "clip");
    });
    ASSERT_TRUE(dlg.VBGetSaveFileName(fileName));
    EXPECT_EQ(fileName, Path("clip.avi"));
    EXPECT_EQ(filters, QStringList{QStringLiteral("AVI Files (*.avi)")});

    std::string title = "x";
    WhenShown<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_FALSE(dlg.VBGetSaveFileName(fileName, title));
    EXPECT_EQ(fileName, "");
    EXPECT_EQ(title, "");
}

} // namespace
