// Qt's own texts in the interface's language: with Qt's Chinese translation
// installed (as the program installs it at start-up), the real message box
// service asks the save question with Chinese buttons, and the real file and
// colour dialogs label their parts in Chinese, whatever the locale the
// program runs in (ctest runs this program under C.UTF-8 and again under
// en_US.UTF-8).
#include "core/MessageService.h"
#include "platform/QtColorPicker.h"
#include "platform/QtFileDialog.h"
#include "platform/QtMessageBox.h"
#include "platform/QtTranslation.h"
#include "tests/support/WhenShown.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A button's or label's text as shown: without the "&" that marks its key.
std::string Shown(QString text) { return text.remove(QLatin1Char('&')).toStdString(); }

std::vector<std::string> ButtonTexts(const QDialogButtonBox* buttons) {
    std::vector<std::string> texts;
    for (QAbstractButton* b : buttons->buttons()) texts.push_back(Shown(b->text()));
    return texts;
}

TEST(QtTranslation, TheSaveQuestionAsksWithChineseButtons) {
    const QtChineseTranslation translation;
    ASSERT_TRUE(translation.Installed());
    QtMessageBox messages;
    std::string yes, no, cancel;
    WhenShown<QMessageBox>([&](QMessageBox* m) {
        yes = Shown(m->button(QMessageBox::Yes)->text());
        no = Shown(m->button(QMessageBox::No)->text());
        cancel = Shown(m->button(QMessageBox::Cancel)->text());
        m->button(QMessageBox::Cancel)->click();
    });
    const MsgAnswer answer =
        messages.Show({"是否保存当前图形？", "注意", MsgIcon::Exclamation, MsgButtons::YesNoCancel});
    EXPECT_EQ(answer, MsgAnswer::Cancel);
    EXPECT_EQ(yes, "是(Y)");
    EXPECT_EQ(no, "否(N)");
    EXPECT_EQ(cancel, "取消");
}

TEST(QtTranslation, FileAndColourDialogsSpeakChinese) {
    const QtChineseTranslation translation;
    ASSERT_TRUE(translation.Installed());
    QtFileDialog files;
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = "打开";
    request.filter = "(*.pgp)|*.pgp";
    std::string lookIn, fileName, fileType;
    std::vector<std::string> buttons;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        lookIn = Shown(d->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text());
        fileName = Shown(d->findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text());
        fileType = Shown(d->findChild<QLabel*>(QStringLiteral("fileTypeLabel"))->text());
        buttons = ButtonTexts(d->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")));
        d->reject();
    });
    EXPECT_FALSE(files.ChooseFileAndType(request).has_value());
    EXPECT_EQ(lookIn, "查找范围：");
    EXPECT_EQ(fileName, "文件名称(N)：");
    EXPECT_EQ(fileType, "文件类型：");
    EXPECT_EQ(buttons, (std::vector<std::string>{"打开(O)", "取消"}));

    QtColorPicker colours;
    std::vector<std::string> colourButtons;
    WhenShown<QColorDialog>([&](QColorDialog* d) {
        colourButtons = ButtonTexts(d->findChild<QDialogButtonBox*>());
        d->reject();
    });
    EXPECT_FALSE(colours.PickColor().has_value());
    EXPECT_EQ(colourButtons, (std::vector<std::string>{"确定", "取消"}));
}

} // namespace
