// The file-dialog service: the filter text as Qt's name filters, and real
// dialogs driven as a user does (the extension of the chosen type added, the
// question before replacing a file, the chosen type reported; the open
// dialog's read-only box, preview and options; the owner window).
#include "platform/QtFileDialog.h"
#include "tests/support/RunFolder.h"
#include "tests/support/WhenShown.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

TEST(QtFileDialog, FilterTextBecomesNameFilters) {
    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"(*.pgp)|*.pgp", {QStringLiteral("(*.pgp)")}},
        {"AVI Files|*.avi", {QStringLiteral("AVI Files (*.avi)")}},
        {"AVI Files:*.avi:", {QStringLiteral("AVI Files (*.avi)")}},
        {"*.pgp|*.pgp|*.bmp|*.bmp", {QStringLiteral("*.pgp (*.pgp)"), QStringLiteral("*.bmp (*.bmp)")}},
        {"Pictures|*.bmp;*.jpg", {QStringLiteral("Pictures (*.bmp *.jpg)")}},
        {"(*.bmp;*.jpg)|*.bmp;*.jpg", {QStringLiteral("(*.bmp *.jpg)")}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(QtFileDialog::NameFilters(c.filter), c.expected) << c.filter;
}

namespace {

// Types `text` into the dialog's name box and accepts it, as Return does.
void TypeAndAccept(QFileDialog* dialog, const QString& text) {
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(text);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

// Types a name (without a folder) into the save dialog, in folder `folder`,
// under file type `type` (0-based) and accepts it. With `answer`, the question about replacing a file comes and is
// answered so (its text kept in `question`); after No the dialog is cancelled.
void SaveAs(const QString& folder, const QString& name, int type, std::optional<QMessageBox::StandardButton> answer = std::nullopt,
            QString* question = nullptr) {
    WhenShown<QFileDialog>([=](QFileDialog* dialog) {
        dialog->setDirectory(folder);
        dialog->selectNameFilter(dialog->nameFilters().at(type));
        if (answer) {
            WhenShown<QMessageBox>([=](QMessageBox* m) {
                *question = m->text();
                m->button(*answer)->click();
                if (*answer == QMessageBox::No) QTimer::singleShot(0, dialog, &QFileDialog::reject);
            });
        }
        TypeAndAccept(dialog, name);
    });
}

} // namespace

TEST(QtFileDialog, SaveAddsTheChosenTypesExtensionAndAsksBeforeReplacing) {
    QTemporaryDir dir;
    QtFileDialog files;
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = "Save As";
    request.filter = "*.pgp|*.pgp|*.bmp|*.bmp";
    request.filterIndex = 1;
    request.defaultExt = "pgp";

    // A new name under the second type: ".bmp" added, type 2.
    SaveAs(dir.path(), "view", 1);
    auto choice = files.ChooseFileAndType(request);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->path, dir.filePath("view.bmp").toStdString());
    EXPECT_EQ(choice->filterIndex, 2);

    // Under the first type, over an existing file: asked; No keeps the dialog
    // open (it is cancelled then).
    QFile existing(dir.filePath("doc.pgp"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QString question;
    SaveAs(dir.path(), "doc", 0, QMessageBox::No, &question);
    EXPECT_FALSE(files.ChooseFileAndType(request).has_value());
    EXPECT_TRUE(question.contains(QStringLiteral("doc.pgp"))) << question.toStdString();

    // Yes replaces it.
    question.clear();
    SaveAs(dir.path(), "doc", 0, QMessageBox::Yes, &question);
    choice = files.ChooseFileAndType(request);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->path, dir.filePath("doc.pgp").toStdString());
    EXPECT_EQ(choice->filterIndex, 1);
    EXPECT_TRUE(question.contains(QStringLiteral("doc.pgp")));
}

TEST(QtFileDialog, FilterExtension) {
    EXPECT_EQ(QtFileDialog::FilterExtension(QStringLiteral("*.bmp (*.bmp)")), QStringLiteral("bmp"));
    EXPECT_EQ(QtFileDialog::FilterExtension(QStringLiteral("(*.pgp)")), QStringLiteral("pgp"));
    EXPECT_EQ(QtFileDialog::FilterExtension(QStringLiteral("All (*)")), QString());
    EXPECT_EQ(QtFileDialog::FilterExtension(QStringLiteral("Pictures (*.bmp *.jpg)")), QString());
}

namespace {

// A file of `bytes` in `dir`.
QString MakeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes = "x") {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

QString MakePicture(const QTemporaryDir& dir, const QString& name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

} // namespace

// The preview of an open dialog shows the picture under the cursor, scaled
// to fit, and nothing for a file that is not a picture.
TEST(QtFileDialog, OpenWithPreviewShowsThePictureUnderTheCursor) {
    QTemporaryDir dir;
    const QString red = MakePicture(dir, QStringLiteral("red.png"), QSize(60, 40), Qt::red);
    const QString wide = MakePicture(dir, QStringLiteral("wide.bmp"), QSize(800, 400), Qt::blue);
    const QString text = MakeFile(dir, QStringLiteral("notes.txt"));
    QtFileDialog files;
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.preview = true;
    request.directory = dir.path().toStdString();
    request.filter = "Pictures|*.png;*.bmp;*.txt";
    struct Seen {
        QSize size;
        QRgb centre = 0;
        bool empty = false;
    };
    std::vector<Seen> seen;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        auto* preview = d->findChild<QLabel*>(QStringLiteral("preview"));
        auto* view = d->findChild<QListView*>(QStringLiteral("listView"));
        auto* model = view ? qobject_cast<QFileSystemModel*>(view->model()) : nullptr;
        if (!preview || !model) {
            ADD_FAILURE() << "no preview or file list";
            d->reject();
            return;
        }
        EXPECT_TRUE(preview->isVisible());
        EXPECT_EQ(d->findChild<QCheckBox*>(QStringLiteral("readOnlyBox")), nullptr);
        for (const QString& path : {red, text, wide}) {
            // The list shows the folder's files once the model has read it.
            EXPECT_TRUE(QTest::qWaitFor([&] { return model->index(path).isValid(); })) << path.toStdString();
            view->setCurrentIndex(model->index(path));
            Seen s;
            s.empty = preview->pixmap().isNull();
            if (!s.empty) {
                const QImage shown = preview->pixmap().toImage();
                s.size = shown.size();
                s.centre = shown.pixel(shown.width() / 2, shown.height() / 2);
            }
            if (path == red) d->grab().save(RunFile(QStringLiteral("vexilon_open_preview.png")));
            seen.push_back(s);
        }
        // The file chosen in the list is the one opened.
        view->setCurrentIndex(model->index(red));
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    });
    const std::optional<FileDialogChoice> choice = files.ChooseFileAndType(request);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->path, red.toStdString());
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_FALSE(seen[0].empty);
    EXPECT_EQ(seen[0].size, QSize(60, 40));
    EXPECT_EQ(QColor(seen[0].centre), QColor(Qt::red));
    EXPECT_TRUE(seen[1].empty);
    EXPECT_EQ(seen[2].size, QSize(200, 100));
    EXPECT_EQ(QColor(seen[2].centre), QColor(Qt::blue));
}

// The open dialog's options: the read-only box, files that must exist or
// not, several files, the owner window, the folder of a file's path.
TEST(QtFileDialog, OpenDialogOptions) {
    namespace F = FileDialogFlag;
    QTemporaryDir dir;
    const QString a = MakeFile(dir, QStringLiteral("a.txt"));
    MakeFile(dir, QStringLiteral("b.txt"));
    QtFileDialog files;
    QWidget owner;
    owner.setWindowTitle(QStringLiteral("owner"));
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));

    struct Case {
        const char* what;
        std::int32_t flags;
        QString typed;
        bool untick;          // untick the read-only box before accepting
        bool accepted;
        const char* chosen;   // file name
        std::int32_t returned;
    };
    const Case cases[] = {
        {"the read-only box, ticked", F::FileMustExist | F::ReadOnly, "a.txt", false, true, "a.txt",
         F::FileMustExist | F::ReadOnly},
        {"the read-only box, unticked", F::FileMustExist | F::ReadOnly | 0x800, "a.txt", true, true, "a.txt",
         F::FileMustExist | 0x800},
        {"a missing file, must exist", F::FileMustExist | F::HideReadOnly, "c.txt", false, false, "", 0},
        {"a missing file, may be new", F::HideReadOnly, "c.txt", false, true, "c.txt", F::HideReadOnly},
        {"several files: the first", F::AllowMultiSelect | F::HideReadOnly, "\"b.txt\" \"a.txt\"", false, true, "b.txt",
         F::AllowMultiSelect | F::HideReadOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FileDialogRequest request;
        request.kind = FileDialogKind::Open;
        request.flags = c.flags;
        request.directory = a.toStdString(); // a file's path: its folder
        request.owner = static_cast<std::int32_t>(owner.winId());
        bool boxShown = false, boxTicked = false, ownedBy = false, refused = false;
        QString folder;
        WhenShown<QFileDialog>([&](QFileDialog* d) {
            ownedBy = d->parentWidget() == &owner;
            folder = d->directory().absolutePath();
            auto* box = d->findChild<QCheckBox*>(QStringLiteral("readOnlyBox"));
            boxShown = box && box->isVisible();
            if (box) {
                EXPECT_EQ(box->text(), QString::fromUtf8("以只读方式打开"));
                boxTicked = box->isChecked();
                if (c.untick) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
            }
            if (!c.accepted) {
                // Qt says the file is not there; the dialog stays open.
                WhenShown<QMessageBox>([&, d](QMessageBox* m) {
                    refused = true;
                    m->accept();
                    QTimer::singleShot(0, d, &QFileDialog::reject);
                });
            }
            TypeAndAccept(d, c.typed);
        });
        const std::optional<FileDialogChoice> choice = files.ChooseFileAndType(request);
        EXPECT_TRUE(ownedBy);
        EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
        EXPECT_EQ(boxShown, (c.flags & F::HideReadOnly) == 0);
        EXPECT_EQ(boxTicked, (c.flags & F::ReadOnly) != 0);
        EXPECT_EQ(refused, !c.accepted);
        ASSERT_EQ(choice.has_value(), c.accepted);
        if (!choice) continue;
        EXPECT_EQ(choice->path, dir.filePath(QString::fromLatin1(c.chosen)).toStdString());
        EXPECT_EQ(choice->flags, c.returned);
    }
}

// A save dialog without OverwritePrompt replaces a file without asking; the
// returned flags say when the chosen extension is not the default one.
TEST(QtFileDialog, SaveWithoutQuestionAndTheExtensionFlag) {
    namespace F = FileDialogFlag;
    QTemporaryDir dir;
    MakeFile(dir, QStringLiteral("clip.avi"));
    QtFileDialog files;
    struct Case {
        QString typed;
        const char* chosen;
        bool different;
    };
    for (const Case& c : {Case{"clip", "clip.avi", false}, Case{"clip.AVI", "clip.AVI", false},
                          Case{"clip.mov", "clip.mov", true}}) {
        SCOPED_TRACE(c.typed.toStdString());
        FileDialogRequest request;
        request.kind = FileDialogKind::Save;
        request.flags = F::HideReadOnly;
        request.defaultExt = "avi";
        request.directory = dir.path().toStdString();
        bool asked = false;
        WhenShown<QFileDialog>([&](QFileDialog* d) { TypeAndAccept(d, c.typed); });
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = true;
                m->button(QMessageBox::Yes)->click();
            }
        });
        watch.start(10);
        const std::optional<FileDialogChoice> choice = files.ChooseFileAndType(request);
        ASSERT_TRUE(choice.has_value());
        EXPECT_FALSE(asked);
        EXPECT_EQ(choice->path, dir.filePath(QString::fromLatin1(c.chosen)).toStdString());
        EXPECT_EQ(choice->flags, F::HideReadOnly | (c.different ? F::ExtensionDifferent : 0));
    }
}

TEST(QtFileDialog, SpecialFoldersOfTheUser) {
    QtFileDialog files;
    EXPECT_EQ(files.SpecialFolderPath(5), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
    EXPECT_EQ(files.SpecialFolderPath(0x27), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation).toStdString());
    EXPECT_EQ(files.SpecialFolderPath(0x28), QDir::homePath().toStdString());
    EXPECT_EQ(files.SpecialFolderPath(0x7777), "");
    EXPECT_EQ(files.SpecialFolderPath(-1), "");
}
