#include "dialogs/special/SurfaceLook.h"

#include "core/FileDialogService.h"
#include "core/NumberText.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "graph/Cls9.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace {

QFrame* NewLine(QWidget* parent, const char* name, bool vertical) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

} // namespace

void SurfaceLook::BuildSurfaceLook(FormBase* form, QWidget* colourPage, QWidget* materialPage,
                                   QWidget* appearancePage, const char* smoothnessCaption) {
    // "颜色"
    QWidget* p = colourPage;
    Option1 = Placed(NewOption(p, "Option1", FillOptionCaptions[0]), 360, 540, 2055, 300);
    Option3 = Placed(NewOption(p, "Option3", FillOptionCaptions[1]), 360, 1140, 2055, 300);
    Option2 = Placed(NewOption(p, "Option2", FillOptionCaptions[2]), 360, 1740, 2055, 300);
    Option4 = Placed(NewOption(p, "Option4", FillOptionCaptions[3]), 360, 2700, 2055, 300);
    Label1 = Placed(NewLabel(p, "Label1", "颜色1"), 3360, 1020, 735, 255);
    Picture2 = Placed(NewColorBox(p, "Picture2", 255), 4200, 960, 1215, 375);
    Label5 = Placed(NewLabel(p, "Label5", "颜色2"), 3360, 1620, 735, 255);
    Picture3 = Placed(NewColorBox(p, "Picture3", 0xFF0000), 4200, 1560, 1215, 375);
    Picture4 = Placed(NewColorBox(p, "Picture4", 255), 4200, 2655, 1215, 375);
    // The three gradient options join one bracket that leads to the two
    // boxes; the single-colour option has its own line.
    Line1 = Placed(NewLine(p, "Line1", false), 2460, 690, 300, 15);
    Line2 = Placed(NewLine(p, "Line2", false), 2460, 1290, 300, 15);
    Line3 = Placed(NewLine(p, "Line3", false), 2460, 1890, 300, 15);
    Line4 = Placed(NewLine(p, "Line4", true), 2760, 690, 15, 1215);
    Line5 = Placed(NewLine(p, "Line5", false), 2760, 1140, 540, 15);
    Line6 = Placed(NewLine(p, "Line6", false), 2760, 1740, 540, 15);
    Line7 = Placed(NewLine(p, "Line7", false), 2460, 2850, 1680, 15);

    // "材质"
    p = materialPage;
    Label7 = Placed(NewLabel(p, "Label7", "选择一种材质"), 240, 300, 2415, 255);
    List1 = new QListWidget(p);
    List1->setObjectName(QStringLiteral("List1"));
    PlaceTwips(List1, 240, 660, 3015, 3735);

    // "外观"
    p = appearancePage;
    Frame1 = Placed(NewFrame(p, "Frame1", "模型"), 240, 300, 3015, 1695);
    Option5 = Placed(NewOption(Frame1, "Option5", ModelOptionCaptions[0]), 240, 360, 2415, 300);
    Option6 = Placed(NewOption(Frame1, "Option6", ModelOptionCaptions[1]), 240, 780, 2415, 300);
    Option7 = Placed(NewOption(Frame1, "Option7", ModelOptionCaptions[2]), 240, 1200, 2415, 300);
    Frame2 = Placed(NewFrame(p, "Frame2", smoothnessCaption), 3480, 300, 3015, 1695);
    Option8 = Placed(NewOption(Frame2, "Option8", SmoothnessOptionCaptions[0]), 240, 360, 2415, 300);
    Option9 = Placed(NewOption(Frame2, "Option9", SmoothnessOptionCaptions[1]), 240, 780, 2415, 300);
    Option10 = Placed(NewOption(Frame2, "Option10", SmoothnessOptionCaptions[2]), 240, 1200, 2415, 300);
    Option7->setChecked(true);
    Option10->setChecked(true);

    QObject::connect(Picture2, &ColorBox::clicked, form, Guarded([this] { Picture2_Click(); }));
    QObject::connect(Picture3, &ColorBox::clicked, form, Guarded([this] { Picture3_Click(); }));
    QObject::connect(Picture4, &ColorBox::clicked, form, Guarded([this] { Picture4_Click(); }));
}

void SurfaceLook::LoadSurfaceLook() {
    Option2->setChecked(true);
    values_.FirstColor = 255;
    values_.SecondColor = 0xFF0000;
    FillMaterialList(List1, values_.Material);
}

void SurfaceLook::Picture2_Click() {
    if (const auto colour = PickBoxColor(Picture2)) values_.FirstColor = *colour;
}
void SurfaceLook::Picture3_Click() {
    if (const auto colour = PickBoxColor(Picture3)) values_.SecondColor = *colour;
}
void SurfaceLook::Picture4_Click() {
    if (const auto colour = PickBoxColor(Picture4)) values_.SecondColor = *colour;
}

std::int32_t SurfaceLook::SettleFill() {
    const std::int32_t fillStyle = OptionValue({Option1, Option3, Option2, Option4});
    if (fillStyle >= FillStyle::LeftToRight && fillStyle <= FillStyle::OneColor) {
        const FillColors colours = ReadFill(fillStyle, Picture2, Picture3, Picture4, values_.FirstColor);
        values_.FirstColor = colours.FirstColor;
        values_.SecondColor = colours.SecondColor;
    }
    return fillStyle;
}

std::int32_t SurfaceLook::ShowValue() const { return OptionValue({Option5, Option6, Option7}); }
std::int32_t SurfaceLook::SmoothnessValue() const { return OptionValue({Option8, Option9, Option10}); }

void SurfaceLook::FillSurfaceLook(const Cls9& graph) {
    SelectOptionValue({Option1, Option3, Option2, Option4}, graph.FillStyle);
    Picture2->SetColor(graph.FirstColor);
    Picture3->SetColor(graph.SecondColor);
    Picture4->SetColor(graph.SecondColor);
    values_.FirstColor = graph.FirstColor;
    values_.SecondColor = graph.SecondColor;
    const bool listed = graph.Material >= 1 && graph.Material <= static_cast<std::int32_t>(MaterialNames.size());
    List1->setCurrentRow(listed ? graph.Material - 1 : -1);
    values_.Material = graph.Material;
    SelectOptionValue({Option5, Option6, Option7}, graph.Show);
    SelectOptionValue({Option8, Option9, Option10}, graph.Smoothness);
}

TexturePage BuildTexturePage(QWidget* page, const TexturePageNames& names) {
    TexturePage t;
    t.tick = Placed(NewCheck(page, names.tick, "添加纹理"), 480, 360, 3015, 300);
    t.path = Placed(NewText(page, names.path), 480, 840, 5175, 315);
    t.browse = Placed(NewButton(page, "Command3", "..."), 5760, 840, 495, 315);
    t.frame = Placed(NewFrame(page, names.frame, "方式"), 480, 1440, 3015, 1215);
    t.replace = Placed(NewOption(t.frame, names.replace, "覆盖"), 240, 360, 2415, 300);
    t.blend = Placed(NewOption(t.frame, names.blend, "混色"), 240, 780, 2415, 300);
    t.replace->setChecked(true);
    return t;
}

void BrowseTexture(QLineEdit* path) {
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = "打开";
    request.filter = "(*.bmp)|*.bmp|*.jpg|*.jpg|*.gif|*.gif";
    request.filterIndex = 1;
    // A cancelled browse keeps the name that was there.
    if (const std::optional<std::string> chosen = FileDialogs().ChooseFile(request)) SetText(path, *chosen);
}

TransparencyPage BuildTransparencyPage(QWidget* page, const char* tickName) {
    TransparencyPage t;
    t.tick = Placed(NewCheck(page, tickName, "设置透明性"), 480, 360, 3015, 300);
    t.slider = new QSlider(Qt::Horizontal, page);
    t.slider->setObjectName(QStringLiteral("Slider1"));
    t.slider->setRange(0, 10);
    t.slider->setSingleStep(1);
    t.slider->setPageStep(1);
    t.slider->setTickPosition(QSlider::TicksBelow);
    t.slider->setTickInterval(1);
    PlaceTwips(t.slider, 480, 840, 5175, 495);
    return t;
}

void ReadTextureAndTransparency(const TexturePage& texture, const TransparencyPage& transparency, Cls9& graph) {
    graph.ShowTex = Ticked(texture.tick);
    if (graph.ShowTex) graph.TexName = TextOf(texture.path).empty() ? " " : TextOf(texture.path);
    graph.ShowTrans = Ticked(transparency.tick);
    if (graph.ShowTrans) graph.TransAlpha = static_cast<float>(transparency.slider->value() / 10.0);
    if (texture.replace->isChecked()) graph.TexMode = TexMode::Replace;
    if (texture.blend->isChecked()) graph.TexMode = TexMode::Blend;
}

void FillTextureAndTransparency(const Cls9& graph, const TexturePage& texture,
                                const TransparencyPage& transparency) {
    SetTicked(texture.tick, graph.ShowTex);
    SetText(texture.path, graph.TexName);
    SelectOptionValue({texture.replace, texture.blend}, graph.TexMode);
    SetTicked(transparency.tick, graph.ShowTrans);
    const double tenths = std::isfinite(graph.TransAlpha) ? RoundHalfEven(graph.TransAlpha * 10.0) : 0;
    transparency.slider->setValue(static_cast<int>(std::clamp(tenths, 0.0, 10.0)));
}
