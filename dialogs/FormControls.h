#pragma once
// Helpers shared by the dialogs: controls made with their numbered names as Qt
// object names (tests find them with findChild), positions given in twips,
// and the passage of texts between the model (UTF-8) and the widgets.
#include <QString>

#include <initializer_list>
#include <limits>
#include <string>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

// 15 twips make one pixel.
inline constexpr int TwipsPerPixel = 15;
int TwipsToPixels(int twips);
// Places a control at a position and size given in twips.
void PlaceTwips(QWidget* control, int left, int top, int width, int height);
// The control, placed (for building a dialog one control a line:
// `Label1 = Placed(NewLabel(this, "Label1", "名称"), 240, 300, 735, 255);`).
template <class Control>
Control* Placed(Control* control, int left, int top, int width, int height) {
    PlaceTwips(control, left, top, width, height);
    return control;
}
// Gives a dialog the inner size given in twips.
void SizeTwips(QWidget* form, int width, int height);

QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

// The longest text a line box takes: the most Qt allows, so that every
// expression and name a document holds is shown and kept whole (Qt's default
// cuts a box's text at 32,767 characters without a word). Every text box, the
// edit line of a list and the table's cell editor take it.
inline constexpr int LongestBoxText = std::numeric_limits<int>::max();

QPushButton* NewButton(QWidget* parent, const char* name, const std::string& caption);
QCheckBox* NewCheck(QWidget* parent, const char* name, const std::string& caption);
QLineEdit* NewText(QWidget* parent, const char* name, const std::string& text = std::string());
QLabel* NewLabel(QWidget* parent, const char* name, const std::string& caption);
QGroupBox* NewFrame(QWidget* parent, const char* name, const std::string& caption);
// A tab control with one empty page a title, in order (`tabs->widget(i)`).
QTabWidget* NewTabs(QWidget* parent, const char* name, std::initializer_list<const char*> titles);
// A row holding the buttons at its right end (a dialog's OK and Cancel).
QHBoxLayout* ButtonRow(QPushButton* first, QPushButton* second);

// A text box's text, and setting it.
std::string TextOf(const QLineEdit* box);
void SetText(QLineEdit* box, const std::string& text);
// A check box's value as a flag, and setting it.
bool Ticked(const QCheckBox* box);
// Whether a check box is fully ticked (a greyed one is not).
bool FullyTicked(const QCheckBox* box);
void SetTicked(QCheckBox* box, bool ticked);
