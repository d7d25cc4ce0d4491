// The file-dialog service: the filter text as Qt's name filters, and a real
// save dialog driven as a user does (the extension of the chosen type added,
// the question before replacing a file, the chosen type reported).
#include "platform/QtFileDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
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
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(QtFileDialog::NameFilters(c.filter), c.expected) << c.filter;
}

namespace {

// Runs `step` on the modal window of type T shown next, once it is up (the
// call that shows it does not return before it closes).
template <class T>
void WhenShown(std::function<void(T*)> step) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [step, poll] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            step(w);
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(10, *poll);
}

// Types a name (without a folder) into the save dialog, in folder `folder`,
// under file type `type` (0-based) and accepts it. With `answer`, the question about replacing a file comes and is
// answered so (its text kept in `question`); after No the dialog is cancelled.
void SaveAs(const QString& folder, const QString& name, int type, std::optional<QMessageBox::StandardButton> answer = std::nullopt,
            QString* question = nullptr) {
    WhenShown<QFileDialog>([=](QFileDialog* dialog) {
        dialog->setDirectory(folder);
        dialog->selectNameFilter(dialog->nameFilters().at(type));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        if (answer) {
            WhenShown<QMessageBox>([=](QMessageBox* m) {
                *question = m->text();
                m->button(*answer)->click();
                if (*answer == QMessageBox::No) QTimer::singleShot(0, dialog, &QFileDialog::reject);
            });
        }
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
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
