#include "dialogs/frmF2.h"

#include "dialogs/FormControls.h"
#include "dialogs/HelpPages.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

namespace {

// The box's faces: Liberation Sans and Liberation Serif have the metrics of
// Arial and Times New Roman, which the layout was made for.
QFont Face(const char* face, const char* metricTwin, double points) {
    QFont f;
    f.setFamilies(QStringList{QString::fromLatin1(face), QString::fromLatin1(metricTwin)});
    f.setPointSizeF(points);
    return f;
}
QFont Sans(double points) { return Face("Liberation Sans", "Arial", points); }
QFont Serif(double points) { return Face("Liberation Serif", "Times New Roman", points); }

void SetTextColor(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

// A line of the separator: a filled strip of one colour.
QFrame* NewLine(QWidget* parent, const char* name, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    line->setAutoFillBackground(true);
    return line;
}

} // namespace

frmF2::frmF2() {
    setObjectName(QStringLiteral("frmF2"));
    setWindowTitle(ToQString("关于Vexilon"));
    // A fixed frame with a title and a close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    SizeTwips(this, 4470, 2055);
    setFont(Sans(8.25));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    lblTitle = NewLabel(this, "lblTitle", "Vexilon");
    QFont title = Serif(15.75);
    title.setBold(true);
    lblTitle->setFont(title);
    SetTextColor(lblTitle, Qt::black);
    PlaceTwips(lblTitle, 300, 300, 3285, 360);

    Label2 = NewLabel(this, "Label2", "版本 2.6");
    Label2->setFont(Sans(9));
    PlaceTwips(Label2, 2760, 780, 1095, 255);

    // The grey line lies over the upper half of the white one: an etched line.
    Line1[0] = NewLine(this, "Line1_0", Qt::white);
    PlaceTwips(Line1[0], 60, 1320, 4380 - 60, 30);
    Line1[1] = NewLine(this, "Line1_1", QColor(128, 128, 128));
    PlaceTwips(Line1[1], 90, 1320, 4380 - 90, 15);

    Label1 = NewLabel(this, "Label1", "help/about.html");
    QFont link = Sans(8.25);
    link.setUnderline(true);
    Label1->setFont(link);
    SetTextColor(Label1, palette().color(QPalette::Highlight));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    PlaceTwips(Label1, 120, 1440, 1575, 255);

    lblDisclaimer = NewLabel(this, "lblDisclaimer", "本软件按原样提供。");
    SetTextColor(lblDisclaimer, Qt::black);
    PlaceTwips(lblDisclaimer, 120, 1680, 2055, 195);

    cmdOK = NewButton(this, "cmdOK", "确定");
    cmdOK->setDefault(true);
    PlaceTwips(cmdOK, 3060, 1560, 1260, 345);
    connect(cmdOK, &QPushButton::clicked, this, Guarded([this] { cmdOK_Click(); }));
    // Esc unloads through the dialog's reject, as cmdOK does.
}

void frmF2::cmdOK_Click() { Unload(); }

void frmF2::Label1_Click() { OpenHelpPage("about.html"); }

bool frmF2::eventFilter(QObject* watched, QEvent* event) {
    // A click: the left button let go over the label.
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Label1->rect().contains(mouse->position().toPoint())) {
            RunGuarded([this] { Label1_Click(); });
            return true;
        }
    }
    return DialogForm<frmF2>::eventFilter(watched, event);
}
