#pragma once
// Graph commands run in the shown main window as a user runs them: a menu
// item, a toolbar button or "编辑..." on a row starts the command, and the
// dialog it shows is driven (boxes typed, OK or Cancel clicked) once it is up;
// the view read back by colour; rebuilds counted through the result pane.
#include "core/ResultPane.h"
#include "platform/CheckListBox.h"
#include "tests/app/MainWindowFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

// The result pane, counting how often a graph's drawing empties it (each
// drawing of a graph does, once): the rebuilds of the view.
class DrawingCounter : public ResultPane {
public:
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override {
        if (text.empty()) ++drawings;
        text_ = text;
    }
    int drawings = 0;

private:
    std::string text_;
};

class GraphCommandFixture : public MainWindowFixture {
protected:
    // Runs `command`; `act` runs on the dialog `Form` once it is shown, then
    // whatever is still loaded is closed.
    template <class Form>
    void Run(const std::function<void()>& command, const std::function<void(Form&)>& act) {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            acted = Form::Loaded() && Form::Get().isVisible();
            if (acted) act(Form::Get());
            for (FormBase* f : FormBase::LoadedForms()) f->Unload();
        });
        command();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(acted);
    }
    std::function<void()> Menu(const char* item) {
        return [this, item] { W().MenuItem(item)->trigger(); };
    }
    std::function<void()> Button(int index) {
        return [this, index] { Click(2, index); };
    }
    // "编辑..." on row `row`, made current.
    std::function<void()> EditRow(int row) {
        return [this, row] {
            W().List1->SetListIndex(row);
            W().MenuItem("mnuFunEdit")->trigger();
        };
    }
    static void Type(QWidget* form, std::initializer_list<std::pair<const char*, const char*>> typed) {
        for (const auto& [name, text] : typed)
            form->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    }
    static void Ok(QWidget* form) { QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton); }
    static void Cancel(QWidget* form) {
        QTest::mouseClick(form->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    }
    static void ExpectRotation(float roll, float pitch, float yaw) {
        EXPECT_EQ(VisibleScene.RotRoll, roll);
        EXPECT_EQ(VisibleScene.RotPitch, pitch);
        EXPECT_EQ(VisibleScene.RotYaw, yaw);
    }
    // Pixels of the view within `tolerance` of `colour` in each part.
    int Near(QRgb colour, int tolerance = 60) {
        return PixelsWhere([colour, tolerance](QRgb c) {
            return std::abs(qRed(c) - qRed(colour)) < tolerance && std::abs(qGreen(c) - qGreen(colour)) < tolerance &&
                   std::abs(qBlue(c) - qBlue(colour)) < tolerance;
        });
    }
};
