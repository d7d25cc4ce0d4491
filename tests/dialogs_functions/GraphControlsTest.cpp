// The shared controls of the graph dialogs, in a small dialog of the test's
// own: lists, material list with its window-level variable, option groups,
// the fill choice and the colour boxes; texts beyond Qt's default length in
// every kind of line box.
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/TableGrid.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>
#include <string>
#include <vector>

namespace {

// A dialog with the family of controls, as a strip or surface dialog has them.
class ControlsForm : public DialogForm<ControlsForm> {
public:
    ControlsForm() {
        auto* layout = new QVBoxLayout(this);
        Combo1 = NewList(this, "Combo1", true);
        Combo2 = NewList(this, "Combo2", true);
        Combo3 = NewList(this, "Combo3", false);
        List1 = new QListWidget(this);
        auto* fill = NewFrame(this, "Frame1", "填充");
        auto* model = NewFrame(this, "Frame2", "模型");
        for (int i = 0; i < 4; ++i)
            Fill[i] = NewOption(fill, ("Option" + std::to_string(i + 1)).c_str(), FillOptionCaptions[i]);
        for (int i = 0; i < 3; ++i)
            Model[i] = NewOption(model, ("Option" + std::to_string(i + 5)).c_str(), ModelOptionCaptions[i]);
        Picture1 = NewColorBox(this, "Picture1", RGB(255, 0, 0));
        Picture2 = NewColorBox(this, "Picture2", RGB(0, 255, 0));
        Picture3 = NewColorBox(this, "Picture3", RGB(0, 0, 255));
        for (QWidget* w : std::initializer_list<QWidget*>{Combo1, Combo2, Combo3, List1, fill, model, Picture1})
            layout->addWidget(w);
        FillSizeList(Combo1);
        FillWidthList(Combo2);
        FillSymbolList(Combo3);
        QObject::connect(Combo3, &QComboBox::currentIndexChanged, [this](int i) { clicks.push_back(i); });
        FillMaterialList(List1, WindowVariables<ControlsForm>().Material);
    }
    QComboBox* Combo1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    QListWidget* List1;
    QRadioButton* Fill[4];
    QRadioButton* Model[3];
    ColorBox* Picture1;
    ColorBox* Picture2;
    ColorBox* Picture3;
    std::vector<int> clicks;
};

// The three kinds of line box the dialogs are built of: a text box, the edit
// line of a list that takes typed text, and the table grid's cell editor.
class LineBoxesForm : public DialogForm<LineBoxesForm> {
public:
    LineBoxesForm() {
        auto* layout = new QVBoxLayout(this);
        Text1 = NewText(this, "Text1");
        Combo1 = NewList(this, "Combo1", true);
        fgdGrid = new TableGrid(this, {"X", "Y"}, 6000);
        fgdGrid->Renumber(1, 2);
        for (QWidget* w : std::initializer_list<QWidget*>{Text1, Combo1, fgdGrid}) layout->addWidget(w);
    }
    QLineEdit* Text1;
    QComboBox* Combo1;
    TableGrid* fgdGrid;
};

using Controls = GraphDialogTest;

// A text beyond Qt's default limit of 32,767 characters is held whole by every
// kind of line box, whether filled in, typed at its end or pasted.
TEST_F(Controls, LineBoxesHoldTextsOfAnyLength) {
    LineBoxesForm& f = LineBoxesForm::Get();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    const std::string filled(40001, '7');
    const QString pasted(40001, QLatin1Char('9'));
    struct Case {
        const char* what;
        std::function<QLineEdit*()> fill; // fills the box, gives its line box
        std::function<std::string()> held;
    };
    const Case cases[] = {
        {"text box",
         [&] {
             SetText(f.Text1, filled);
             return f.Text1;
         },
         [&] { return TextOf(f.Text1); }},
        {"list's edit line",
         [&] {
             f.Combo1->setEditText(ToQString(filled));
             return f.Combo1->lineEdit();
         },
         [&] { return ToStdString(f.Combo1->currentText()); }},
        {"table cell editor",
         [&] {
             f.fgdGrid->SetCellText(1, 1, filled);
             f.fgdGrid->SetCurrentCell(1, 1);
             f.fgdGrid->setFocus();
             QTest::keyClick(f.fgdGrid, Qt::Key_Return); // opens the editor on the cell's text
             return static_cast<QLineEdit*>(f.fgdGrid->txtRep);
         },
         [&] { return f.fgdGrid->CellText(1, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QLineEdit* box = c.fill();
        ASSERT_EQ(box->text().size(), 40001);
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, '8');
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        const std::string held = c.held();
        ASSERT_EQ(held.size(), 80003u);
        EXPECT_TRUE(held == filled + "8" + ToStdString(pasted));
    }
}

TEST_F(Controls, ListsTheirDefaultsAndTheirValues) {
    ControlsForm& f = ControlsForm::Get();
    EXPECT_EQ(Items(f.Combo1), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(Items(f.Combo2), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(Items(f.Combo3),
              (std::vector<std::string>{"实心圆", "空心圆", "实心方形", "实心三角形", "实心菱形", "十字丝形"}));
    EXPECT_EQ(ListNumericValue(f.Combo1), 2);
    EXPECT_EQ(ListPositionValue(f.Combo2), 1);
    EXPECT_EQ(ListPositionValue(f.Combo3), 1);
    EXPECT_TRUE(f.clicks.empty());

    // Typed text: its numeric value, and no selected position.
    f.Combo2->setEditText("2.5");
    EXPECT_EQ(ListWholeValue(f.Combo2), 2);
    EXPECT_EQ(ListPositionValue(f.Combo2), 0);
    f.Combo2->setEditText("3E10");
    EXPECT_THROW(ListWholeValue(f.Combo2), RaisedError);
    f.Combo1->setEditText("1E39");
    EXPECT_THROW(ListNumericValue(f.Combo1), RaisedError);

    // Filling by value: whole values in the list select, others leave it.
    EXPECT_TRUE(SelectListValue(f.Combo3, 4));
    EXPECT_EQ(ListPositionValue(f.Combo3), 4);
    EXPECT_EQ(f.clicks, std::vector<int>{3});
    for (double v : {0.0, 7.0, 2.5, -1.0}) EXPECT_FALSE(SelectListValue(f.Combo3, v)) << v;
    EXPECT_EQ(ListPositionValue(f.Combo3), 4);
    // Selecting from code runs the handler also for the entry already selected;
    // clearing and adding run none and select nothing.
    SelectListIndex(f.Combo3, 3);
    EXPECT_EQ(f.clicks, (std::vector<int>{3, 3}));
    ClearList(f.Combo3);
    AddListItems(f.Combo3, {"a", "b"});
    EXPECT_EQ(f.clicks, (std::vector<int>{3, 3}));
    EXPECT_EQ(ListPositionValue(f.Combo3), 0);
}

TEST_F(Controls, MaterialVariableOutlivesTheDialog) {
    EXPECT_EQ(WindowVariables<ControlsForm>().Material, 0);
    ControlsForm& f = ControlsForm::Get();
    EXPECT_EQ(f.List1->count(), 13);
    EXPECT_EQ(f.List1->currentItem()->text(), "Metal");
    EXPECT_EQ(WindowVariables<ControlsForm>().Material, Material::Metal);
    f.List1->setCurrentRow(12);
    EXPECT_EQ(WindowVariables<ControlsForm>().Material, Material::Winter);
    WindowVariables<ControlsForm>().FirstColor = RGB(1, 2, 3);
    f.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The next instance finds the colour; its load sets the material again.
    EXPECT_EQ(WindowVariables<ControlsForm>().Material, Material::Winter);
    EXPECT_EQ(WindowVariables<ControlsForm>().FirstColor, RGB(1, 2, 3));
    ControlsForm::Get();
    EXPECT_EQ(WindowVariables<ControlsForm>().Material, Material::Metal);
    EXPECT_EQ(WindowVariables<ControlsForm>().FirstColor, RGB(1, 2, 3));
    // The program's reset puts them back.
    ResetProgramState();
    EXPECT_EQ(WindowVariables<ControlsForm>().FirstColor, 0);
}

TEST_F(Controls, OptionGroupsAndTheFillChoice) {
    ControlsForm& f = ControlsForm::Get();
    const auto fill = [&] { return OptionValue({f.Fill[0], f.Fill[1], f.Fill[2], f.Fill[3]}); };
    const auto model = [&] { return OptionValue({f.Model[0], f.Model[1], f.Model[2]}); };
    EXPECT_EQ(fill(), 0);
    EXPECT_EQ(model(), 0);
    f.Model[2]->setChecked(true);
    EXPECT_EQ(model(), Show::FilledSurface);
    EXPECT_EQ(fill(), 0); // groups in their own frames
    SelectOptionValue({f.Fill[0], f.Fill[1], f.Fill[2], f.Fill[3]}, 3);
    EXPECT_EQ(fill(), FillStyle::TopToBottom);
    EXPECT_TRUE(f.Fill[2]->isChecked());
    EXPECT_EQ(f.Fill[2]->text(), QString::fromUtf8("从上到下渐变"));
    SelectOptionValue({f.Model[0], f.Model[1], f.Model[2]}, 0);
    EXPECT_EQ(model(), 0);

    const FillColors gradient = ReadFill(fill(), f.Picture1, f.Picture2, f.Picture3, RGB(9, 9, 9));
    EXPECT_EQ(gradient.FillStyle, 3);
    EXPECT_EQ(gradient.FirstColor, RGB(255, 0, 0));
    EXPECT_EQ(gradient.SecondColor, RGB(0, 255, 0));
    const FillColors single = ReadFill(FillStyle::OneColor, f.Picture1, f.Picture2, f.Picture3, RGB(9, 9, 9));
    EXPECT_EQ(single.FirstColor, RGB(9, 9, 9));
    EXPECT_EQ(single.SecondColor, RGB(0, 0, 255));
}

TEST_F(Controls, ColourBoxPickAndCancel) {
    ControlsForm& f = ControlsForm::Get();
    f.show();
    int clicks = 0;
    QObject::connect(f.Picture1, &ColorBox::clicked, [&] { ++clicks; });
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    colors.Choose(RGB(10, 20, 30));
    EXPECT_EQ(PickBoxColor(f.Picture1), RGB(10, 20, 30));
    EXPECT_EQ(f.Picture1->Color(), RGB(10, 20, 30));
    colors.Cancel();
    EXPECT_EQ(PickBoxColor(f.Picture1), std::nullopt);
    EXPECT_EQ(f.Picture1->Color(), RGB(10, 20, 30));
    // A system-colour code is kept as given and shown by its system colour.
    f.Picture1->SetColor(static_cast<std::int32_t>(0x80000002));
    EXPECT_EQ(f.Picture1->Color(), static_cast<std::int32_t>(0x80000002));
    EXPECT_EQ(f.Picture1->palette().color(QPalette::Window), QColor(0, 0, 128));
}

} // namespace
