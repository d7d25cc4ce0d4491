#include "dialogs/functions/StripLook.h"

#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "graph/Cls9.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

void StripLookPages::BuildLookPages(QTabWidget* tabs, const char* smoothnessCaption) {
    const auto page = [tabs](const char* caption) {
        auto* w = new QWidget;
        tabs->addTab(w, ToQString(caption));
        return w;
    };
    QWidget* colourPage = page("颜色");
    QWidget* materialPage = page("材质");
    QWidget* lookPage = page("外观");

    // Page "颜色": the options in their design order, the colour boxes beside.
    Option1 = Placed(NewOption(colourPage, "Option1", FillOptionCaptions[0]), 480, 360, 2400, 300);
    Option2 = Placed(NewOption(colourPage, "Option2", FillOptionCaptions[2]), 480, 840, 2400, 300);
    Option3 = Placed(NewOption(colourPage, "Option3", FillOptionCaptions[1]), 480, 1320, 2400, 300);
    Option4 = Placed(NewOption(colourPage, "Option4", FillOptionCaptions[3]), 480, 1800, 2400, 300);
    Option2->setChecked(true);
    Placed(NewLabel(colourPage, "Label1", "颜色1"), 3360, 420, 720, 255);
    Picture2 = Placed(NewColorBox(colourPage, "Picture2", RGB(255, 0, 0)), 4200, 360, 1215, 375);
    Placed(NewLabel(colourPage, "Label5", "颜色2"), 3360, 900, 720, 255);
    Picture3 = Placed(NewColorBox(colourPage, "Picture3", RGB(0, 0, 255)), 4200, 840, 1215, 375);
    Picture4 = Placed(NewColorBox(colourPage, "Picture4", RGB(255, 0, 0)), 4200, 1800, 1215, 375);

    // Page "材质".
    Placed(NewLabel(materialPage, "Label7", "选择一种材质"), 480, 360, 2400, 255);
    List1 = Placed(new QListWidget(materialPage), 480, 720, 3000, 2400);
    List1->setObjectName(QStringLiteral("List1"));
    FillMaterialList(List1, StripMaterial);

    // Page "外观".
    Frame1 = Placed(NewFrame(lookPage, "Frame1", "模型"), 480, 360, 2640, 1800);
    Option5 = Placed(NewOption(Frame1, "Option5", ModelOptionCaptions[0]), 240, 360, 2160, 300);
    Option6 = Placed(NewOption(Frame1, "Option6", ModelOptionCaptions[1]), 240, 840, 2160, 300);
    Option7 = Placed(NewOption(Frame1, "Option7", ModelOptionCaptions[2]), 240, 1320, 2160, 300);
    Option7->setChecked(true);
    Frame2 = Placed(NewFrame(lookPage, "Frame2", smoothnessCaption), 3480, 360, 2640, 1800);
    Option8 = Placed(NewOption(Frame2, "Option8", SmoothnessOptionCaptions[0]), 240, 360, 2160, 300);
    Option9 = Placed(NewOption(Frame2, "Option9", SmoothnessOptionCaptions[1]), 240, 840, 2160, 300);
    Option10 = Placed(NewOption(Frame2, "Option10", SmoothnessOptionCaptions[2]), 240, 1320, 2160, 300);
    Option10->setChecked(true);

    QObject::connect(Picture2, &ColorBox::clicked, tabs, Guarded([this] {
        if (const auto chosen = PickBoxColor(Picture2)) StripColor1 = *chosen;
    }));
    for (ColorBox* box : {Picture3, Picture4})
        QObject::connect(box, &ColorBox::clicked, tabs, Guarded([this, box] {
            if (const auto chosen = PickBoxColor(box)) StripColor2 = *chosen;
        }));
}

void StripLookPages::FillLook(const Cls9& graph) {
    if (graph.FillStyle >= 1 && graph.FillStyle <= 4) SelectOptionValue({Option1, Option3, Option2, Option4}, graph.FillStyle);
    Picture2->SetColor(graph.FirstColor);
    Picture3->SetColor(graph.SecondColor);
    Picture4->SetColor(graph.SecondColor);
    StripColor1 = graph.FirstColor;
    StripColor2 = graph.SecondColor;
    const bool listed = graph.Material >= 1 && graph.Material <= List1->count();
    List1->setCurrentRow(listed ? graph.Material - 1 : -1);
    StripMaterial = graph.Material;
    if (graph.Show >= 1 && graph.Show <= 3) SelectOptionValue({Option5, Option6, Option7}, graph.Show);
    if (graph.Smoothness >= 1 && graph.Smoothness <= 3)
        SelectOptionValue({Option8, Option9, Option10}, graph.Smoothness);
}

StripLookPages::Look StripLookPages::ReadLook() {
    Look look;
    const std::int32_t fillStyle = OptionValue({Option1, Option3, Option2, Option4});
    look.fill = ReadFill(fillStyle, Picture2, Picture3, Picture4, StripColor1);
    StripColor1 = look.fill.FirstColor;
    StripColor2 = look.fill.SecondColor;
    look.material = StripMaterial;
    look.show = OptionValue({Option5, Option6, Option7});
    look.smoothness = OptionValue({Option8, Option9, Option10});
    return look;
}
