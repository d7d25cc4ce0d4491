#include "app/frmF1.h"

#include "platform/GlDrawingArea.h"

frmF1::frmF1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Vexilon"));
    setObjectName(QStringLiteral("frmF1"));
    picDraw_ = new GlDrawingArea(this);
    picDraw_->setObjectName(QStringLiteral("picDraw"));
    setCentralWidget(picDraw_);
    resize(800, 600);
}

frmF1::~frmF1() = default;
