#pragma once
// The about box "关于Vexilon": fixed texts on white; its link label opens the
// help page "about.html" and leaves the box open.
#include "dialogs/DialogForm.h"

class QFrame;
class QLabel;
class QPushButton;

class frmF2 : public DialogForm<frmF2> {
    Q_OBJECT
public:
    frmF2();

    QLabel* lblTitle;      // "Vexilon"
    QLabel* Label2;        // "版本 2.6"
    QFrame* Line1[2];      // the etched separator: 0 white, 1 grey (object names Line1_0, Line1_1)
    QLabel* Label1;        // "help/about.html", a link
    QLabel* lblDisclaimer; // "本软件按原样提供。"
    QPushButton* cmdOK;    // "确定", also Enter and Esc

    void cmdOK_Click();
    void Label1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
