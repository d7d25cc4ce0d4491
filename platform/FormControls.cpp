#include "platform/FormControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int TwipsToPixels(int twips) {
    // Halves round away from zero, as the form designer's twips snap to pixels.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

void PlaceTwips(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

void SizeTwips(QWidget* form, int width, int height) {
    form->setFixedSize(TwipsToPixels(width), TwipsToPixels(height));
}

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string ToStdString(const QString& text) { return text.toUtf8().toStdString(); }

QPushButton* NewButton(QWidget* parent, const char* name, const std::string& caption) {
    auto* b = new QPushButton(ToQString(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QCheckBox* NewCheck(QWidget* parent, const char* name, const std::string& caption) {
    auto* c = new QCheckBox(ToQString(caption), parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QLineEdit* NewText(QWidget* parent, const char* name, const std::string& text) {
    auto* t = new QLineEdit(ToQString(text), parent);
    t->setObjectName(QString::fromLatin1(name));
    return t;
}

QLabel* NewLabel(QWidget* parent, const char* name, const std::string& caption) {
    auto* l = new QLabel(ToQString(caption), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QGroupBox* NewFrame(QWidget* parent, const char* name, const std::string& caption) {
    auto* f = new QGroupBox(ToQString(caption), parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

std::string TextOf(const QLineEdit* box) { return ToStdString(box->text()); }
void SetText(QLineEdit* box, const std::string& text) { box->setText(ToQString(text)); }

bool Ticked(const QCheckBox* box) { return box->isChecked(); }
void SetTicked(QCheckBox* box, bool ticked) { box->setChecked(ticked); }
