#include "dialogs/FormControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <utility>

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

namespace {
// A control with its numbered name as its object name.
template <class Control, class... Args>
Control* Named(const char* name, Args&&... args) {
    auto* c = new Control(std::forward<Args>(args)...);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}
} // namespace

QPushButton* NewButton(QWidget* parent, const char* name, const std::string& caption) {
    return Named<QPushButton>(name, ToQString(caption), parent);
}
QCheckBox* NewCheck(QWidget* parent, const char* name, const std::string& caption) {
    return Named<QCheckBox>(name, ToQString(caption), parent);
}
QLineEdit* NewText(QWidget* parent, const char* name, const std::string& text) {
    auto* box = Named<QLineEdit>(name, parent);
    box->setMaxLength(LongestBoxText);
    box->setText(ToQString(text));
    return box;
}
QLabel* NewLabel(QWidget* parent, const char* name, const std::string& caption) {
    return Named<QLabel>(name, ToQString(caption), parent);
}
QGroupBox* NewFrame(QWidget* parent, const char* name, const std::string& caption) {
    return Named<QGroupBox>(name, ToQString(caption), parent);
}

QTabWidget* NewTabs(QWidget* parent, const char* name, std::initializer_list<const char*> titles) {
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(QString::fromLatin1(name));
    for (const char* title : titles) tabs->addTab(new QWidget, ToQString(title));
    return tabs;
}

QHBoxLayout* ButtonRow(QPushButton* first, QPushButton* second) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(first);
    row->addWidget(second);
    return row;
}

std::string TextOf(const QLineEdit* box) { return ToStdString(box->text()); }
void SetText(QLineEdit* box, const std::string& text) { box->setText(ToQString(text)); }

bool Ticked(const QCheckBox* box) { return box->isChecked(); }
bool FullyTicked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }
void SetTicked(QCheckBox* box, bool ticked) { box->setChecked(ticked); }
