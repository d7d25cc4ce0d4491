#include "tests/document/SampleDocuments.h"

#include "graph/GraphEnums.h"
#include "tests/document/RecordFieldList.h"

namespace {

void Assign(std::int32_t& f, int v) { f = v; }
void Assign(float& f, int v) { f = static_cast<float>(v) * 0.25f + 0.1f; }
void Assign(bool& f, int v) { f = v % 2 == 0; }
void Assign(std::string& f, int v) { f = std::to_string(v).insert(0, 1, 'e'); }

} // namespace

Cls8 SceneOf(const std::vector<std::shared_ptr<Cls9>>& graphs) {
    Cls8 scene;
    for (const auto& g : graphs) scene.FunSurfs.Add(g, GraphKey(*g));
    return scene;
}

std::shared_ptr<Cls9> FilledGraph(int seed, std::int32_t graphType, std::int32_t coordType, std::int32_t funForm) {
    auto g = std::make_shared<Cls9>();
    int k = 0;
#define VX_FILL(f) Assign(g->f, seed * 1000 + ++k);
    VX_RECORD_FIELDS(VX_FILL)
#undef VX_FILL
    g->GraphType = graphType;
    g->CoordType = coordType;
    g->FunForm = funForm;
    g->ID = seed;
    g->Animation = false;
    g->PointSize = static_cast<float>(1 + seed % 9);
    g->StepU = 40 + seed;
    g->StepV = 30 + seed;
    g->TexName.clear();
    g->CurvNum = 3;
    g->QieNum = 2;
    g->NmlNum = 1;
    g->TangentNum = 2;
    g->NormalNum = 1;
    for (int i = 1; i <= 3; ++i) {
        g->CurvX(i) = static_cast<float>(seed) + 0.1f * static_cast<float>(i);
        g->QieX(i) = -1.5f * static_cast<float>(i);
        g->NmlX(i) = 2.75f * static_cast<float>(i);
        g->TangentX(i) = 0.3f * static_cast<float>(i);
        g->TangentY(i) = -0.7f * static_cast<float>(i);
        g->NormalX(i) = 1e-5f * static_cast<float>(i);
        g->NormalY(i) = 1.5e8f * static_cast<float>(i);
    }
    return g;
}

namespace {

std::shared_ptr<Cls9> Table(int seed, std::int32_t type, std::int32_t stepU, std::int32_t stepV, int filledRows) {
    auto g = FilledGraph(seed, type, 0, 0);
    g->StepU = stepU;
    g->StepV = stepV;
    g->Show2DScatter = false;
    g->ScatterSize = 5;
    g->Symbol = 4;
    for (int i = 0; i < filledRows; ++i)
        for (int j = 0; j <= stepV; ++j) {
            Cls2& p = g->VertTab3D(i, j);
            p.x = static_cast<float>(j) * 0.1f - 3.0f;
            p.y = static_cast<float>(i * j) / 7.0f;
            p.z = static_cast<float>(j % 5) - 2.5f;
        }
    return g;
}

} // namespace

std::vector<SampleDocument> RoundTripDocuments() {
    auto plane = FilledGraph(1, GraphType::Function2D, CoordType::PlaneCartesian, FunForm::Explicit);
    plane->NameS = std::string("y = x^2 的图形");
    plane->ExpressZ = std::string("x^2");
    plane->MinU = 0.1f;
    plane->MaxU = 3.14159265f;

    auto animated = FilledGraph(2, GraphType::Function2DAnimation, CoordType::PlaneCartesian, FunForm::Parametric);
    animated->NameS = std::string("a@ b");
    animated->Animation = true;
    animated->MinT = -1.5f;
    animated->MaxT = 2.25f;

    auto ode = FilledGraph(3, GraphType::ODE, CoordType::PlaneCartesian, FunForm::Explicit);
    ode->NameS = std::string(" lead");
    auto limit = FilledGraph(4, GraphType::Limit, CoordType::PlaneCartesian, FunForm::Explicit);
    limit->NameS.clear();
    auto series = FilledGraph(5, GraphType::Series, CoordType::PlaneCartesian, FunForm::Explicit);
    series->NameS = std::string("two  blanks ");
    auto planeTable = Table(6, GraphType::Table2D, 1, 4, 1);
    planeTable->NameS = std::string("数据 表");
    auto longTable = Table(7, GraphType::Table2D, 1, 200, 1);
    longTable->NameS = std::string("@");

    auto surface = FilledGraph(8, GraphType::Surface3D, CoordType::Cartesian, FunForm::Explicit);
    surface->NameS = std::string("曲面");
    surface->ShowTex = true;
    surface->TexMode = 2;
    surface->ShowTrans = true;
    surface->TransAlpha = 0.35f;
    surface->TexName = std::string("textures/大理石 1.bmp");
    auto vector = FilledGraph(9, GraphType::Vector, CoordType::Cartesian, FunForm::Explicit);
    vector->NameS = std::string("v");
    auto surfaceTable = Table(10, GraphType::Table3D, 5, 6, 6);
    surfaceTable->NameS = std::string("grid");
    // Every position list as long as a record allows.
    auto fullLists = FilledGraph(12, GraphType::Surface3D, CoordType::Cartesian, FunForm::Explicit);
    fullLists->NameS = std::string("positions");
    fullLists->CurvNum = fullLists->QieNum = fullLists->NmlNum = 50;
    fullLists->TangentNum = fullLists->NormalNum = 50;
    for (int i = 1; i <= 50; ++i) {
        const float f = static_cast<float>(i);
        fullLists->CurvX(i) = f;
        fullLists->QieX(i) = -f;
        fullLists->NmlX(i) = f / 8;
        fullLists->TangentX(i) = f + 0.5f;
        fullLists->TangentY(i) = -f - 0.5f;
        fullLists->NormalX(i) = f * 3;
        fullLists->NormalY(i) = -f * 3;
    }

    return {
        {"plane", 1, {plane, animated, ode, limit, series, planeTable, longTable}},
        {"space", 3, {surface, vector, surfaceTable, fullLists}},
    };
}

Cls3 SampleAxes() {
    Cls3 a;
    a.Show = true;
    a.ShowXYPanel = a.ShowYZPanel = true;
    a.ShowXYYGrid = a.ShowXZZGrid = false;
    a.BetterFonts = true;
    a.LabelNumX = 3;
    a.LabelNumY = 4;
    a.LabelNumZ = 5;
    a.XYPanelColor = 1;
    a.XZPanelColor = 2;
    a.YZPanelColor = 3;
    a.XYGridColor = 4;
    a.XZGridColor = 5;
    a.YZGridColor = 6;
    a.XYPanelMaterial = 7;
    a.XZPanelMaterial = 8;
    a.YZPanelMaterial = 9;
    a.AxisColor = 255;
    a.AxisWidth = 3;
    a.TitleX = std::string("a@ b");
    a.TitleY = std::string(1, '@');
    a.TitleZ = std::string("时间 (s)");
    a.ShowprimaryGrid = true;
    a.ShowBackground = true;
    a.BackStyle = 1;
    a.BackColor = 11;
    a.BackColor2 = 12;
    a.PriGridColor = 13;
    a.SecGridColor = 14;
    a.ShowSecondaryLabel = false;
    a.ShowPI = true;
    a.ShowShadow = true;
    return a;
}

std::string FramedFile(const std::string& text) {
    std::string bytes = {8, 0, static_cast<char>(text.size() & 0xFF), static_cast<char>(text.size() >> 8)};
    return bytes + text;
}

std::string HandWrittenDocument() {
    const std::string text =
        "S71 3 "
        // Graph record: explicit plane curve "抛物线" (GBK bytes), ID 3.
        "0 3 @\xC5\xD7\xCE\xEF\xCF\xDF@ 1   x^2 200 1 -5 5 0 0 "   // 1-13 (ExpressX, ExpressY empty)
        "1 255 65280 16711680 2 4 3 3 255 1 0 0 "                  // 14-25, not animated
        "2 "                                                       // 30 FunForm
        "1 0 0 1 1 255 2 0 0 -1 1 "                                // 31-41
        "0 0 3 1 1 16711680 4 2 0 0 3 1 0 0 1 1 0 5 6 "            // 42-60
        "0 0 1 2 0.5 1.5 0 0 2 "                                   // 61-68, CurvX 0.5 1.5
        "1 255 1 1 1 0 0 1 0 "                                     // 69-77, QieX 1
        "0 0 1 0 0 3 1 0 1  0 1 0 0 3 1 0 0 "                      // 79-96, Exp2 empty
        "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 "   // 97-130
        "0 0 0 0 1 10 0 1 0 "                                      // 131-139
        "0 1 0 1 @@ "                                              // 140-144
        "0 0 0 0 "                                                 // 145-148
        // Table record: 2D table "data table", ID 7, 2 x 3 grid.
        "4 7 @data table@ 255 2 1 0 0 1 3 3 1 2 "
        "1 2 0 2 4 0 3 8 0 0 0 0 0 0 0 0 0 0 "
        "1 0 1 3 255 65280 2 4 "
        // Animated parametric plane curve "wave", ID 5, frames 20 at 8 per second.
        "9 5 @wave@ 1  cos(u+t) sin(u) 100 1 0 6.2831855 0 0 0 0 0 255 1 0 3 3 255 1 0 1 0 6.28 20 8 3 "
        "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "
        "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "                      // 31-96: 63 tokens
        "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "   // 97-130: 32 tokens
        "0 0 0 0 0 0 0 0 0 0 0 0 0 @@ 0 0 0 0 "                    // 131-148
        // Axes record.
        "1 1 0 0 1 0 1 0 1 0 1 5 4 3 13421772 13421772 13421772 10066329 10066329 10066329 4 5 6 255 2 "
        "@t (s)@ @Y@ @Z@ 1 0 1 2 65280 16777215 65280 65280 1 1 0 ";
    return FramedFile(text) + "old tail bytes";
}
