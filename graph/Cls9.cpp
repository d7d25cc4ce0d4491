#include "graph/Cls9.h"

#include "core/NumberText.h"

#include <algorithm>
#include <utility>

std::shared_ptr<Cls9> Cls9::Init(std::int32_t lngID, const std::string& strName,
                                 std::int32_t gtpGraphType, std::int32_t dtpCoordType,
                                 const std::string& strExpX, const std::string& strExpY,
                                 const std::string& strExpZ, std::int32_t lngStepU,
                                 std::int32_t lngStepV, float sngMinU, float sngMaxU,
                                 float sngMinV, float sngMaxV, std::int32_t fstFillStyle,
                                 std::int32_t lngFirstColor, std::int32_t lngSecondColor,
                                 std::int32_t lngLineColor, std::int32_t lngLineWidth,
                                 std::int32_t MatType, std::int32_t shwShow,
                                 std::int32_t smtSmooth, bool bolShowCon, bool bolShowVec,
                                 bool bolShowColormap, std::int32_t lngConLevel) {
    auto g = std::make_shared<Cls9>();
    g->ID = lngID;
    g->Equal(strName, gtpGraphType, dtpCoordType, strExpX, strExpY, strExpZ, lngStepU, lngStepV,
             sngMinU, sngMaxU, sngMinV, sngMaxV, fstFillStyle, lngFirstColor, lngSecondColor,
             lngLineColor, lngLineWidth, MatType, shwShow, smtSmooth, bolShowCon, bolShowVec,
             bolShowColormap, lngConLevel, 0);
    return g;
}

void Cls9::Equal(const std::string& strName, std::int32_t gtpGraphType, std::int32_t ctpCoordType,
                 const std::string& strExpX, const std::string& strExpY,
                 const std::string& strExpZ, std::int32_t lngStepU, std::int32_t lngStepV,
                 float sngMinU, float sngMaxU, float sngMinV, float sngMaxV,
                 std::int32_t fstFillStyle, std::int32_t lngFirstColor,
                 std::int32_t lngSecondColor, std::int32_t lngLineColor,
                 std::int32_t lngLineWidth, std::int32_t MatType, std::int32_t shwShow,
                 std::int32_t smtSmooth, bool bolShowCon, bool bolShowVec, bool bolShowColormap,
                 std::int32_t lngConLevel, std::int32_t ffFunForm) {
    NameS = strName;
    GraphType = gtpGraphType;
    CoordType = ctpCoordType;
    ExpressX = strExpX;
    ExpressY = strExpY;
    ExpressZ = strExpZ;
    StepU = lngStepU;
    StepV = lngStepV;
    MinU = sngMinU;
    MaxU = sngMaxU;
    MinV = sngMinV;
    MaxV = sngMaxV;
    FillStyle = fstFillStyle;
    FirstColor = lngFirstColor;
    SecondColor = lngSecondColor;
    LineColor = lngLineColor;
    LineWidth = lngLineWidth;
    Material = MatType;
    Show = shwShow;
    Smoothness = smtSmooth;
    ShowContour = bolShowCon;
    ShowVector = bolShowVec;
    ShowColormap = bolShowColormap;
    ContourLevel = lngConLevel;
    FunForm = ffFunForm;
}

void Cls9::EqualTo(const Cls9& fsfnew) {
    // Whole groups are assigned and the few kept values put back, so a setting
    // added to a group is copied without being listed here. Every step also
    // holds when fsfnew is this graph.
    const std::int32_t keptID = ID;
    static_cast<GraphCore&>(*this) = fsfnew;
    ID = keptID;

    Animation = fsfnew.Animation;
    if (fsfnew.Animation) {
        MinT = fsfnew.MinT;
        MaxT = fsfnew.MaxT;
    }
    static_cast<SurfaceViewSettings&>(*this) = fsfnew;

    // Position lists carry entries 1..count only; entry 0 and the entries above
    // the count stay this graph's. The count itself is copied as stored.
    {
        const PositionList curv = CurvX, qie = QieX, nml = NmlX;
        static_cast<PlaneAnalysisSettings&>(*this) = fsfnew;
        CurvX = curv;
        QieX = qie;
        NmlX = nml;
        CurvX.CopyEntries(fsfnew.CurvX, fsfnew.CurvNum);
        QieX.CopyEntries(fsfnew.QieX, fsfnew.QieNum);
        NmlX.CopyEntries(fsfnew.NmlX, fsfnew.NmlNum);
    }
    static_cast<StepStemSettings&>(*this) = fsfnew;
    static_cast<IntersectionSettings&>(*this) = fsfnew;
    {
        const PositionList tx = TangentX, ty = TangentY, nx = NormalX, ny = NormalY;
        static_cast<SpaceOverlaySettings&>(*this) = fsfnew;
        TangentX = tx;
        TangentY = ty;
        NormalX = nx;
        NormalY = ny;
        TangentX.CopyEntries(fsfnew.TangentX, fsfnew.TangentNum);
        TangentY.CopyEntries(fsfnew.TangentY, fsfnew.TangentNum);
        NormalX.CopyEntries(fsfnew.NormalX, fsfnew.NormalNum);
        NormalY.CopyEntries(fsfnew.NormalY, fsfnew.NormalNum);
    }
    static_cast<VectorSettings&>(*this) = fsfnew;
    static_cast<OdeSettings&>(*this) = fsfnew;
    static_cast<LimitSettings&>(*this) = fsfnew;
    static_cast<SeriesSettings&>(*this) = fsfnew;
    static_cast<TextureSettings&>(*this) = fsfnew;
}

void Cls9::TabEqualTo(Cls9& fsfnew) {
    NameS = fsfnew.NameS;
    LineColor = fsfnew.LineColor;
    LineWidth = fsfnew.LineWidth;
    GraphType = fsfnew.GraphType;
    CoordType = fsfnew.CoordType;
    StepU = fsfnew.StepU;
    StepV = fsfnew.StepV;
    FillStyle = fsfnew.FillStyle;
    FirstColor = fsfnew.FirstColor;
    SecondColor = fsfnew.SecondColor;
    Material = fsfnew.Material;
    Show = fsfnew.Show;
    Smoothness = fsfnew.Smoothness;

    // Plane and strip tables keep their points in row 0 with StepU 1; surface
    // tables use rows 0..StepU. Rows and columns beyond the table's bounds do
    // not exist and are left out, so the copy never stops half-way.
    std::int64_t lastRow = 0;
    if (fsfnew.GraphType == GraphType::Table2D || fsfnew.GraphType == GraphType::Table25D)
        lastRow = std::int64_t{StepU} - 1;
    else if (fsfnew.GraphType == GraphType::Table3D)
        lastRow = StepU;
    lastRow = std::min<std::int64_t>(lastRow, PointTable::Upper);
    const std::int64_t lastColumn = std::min<std::int64_t>(StepV, PointTable::Upper);
    for (std::int64_t i = 0; i <= lastRow; ++i)
        for (std::int64_t j = 0; j <= lastColumn; ++j) VertTab3D.Set(i, j, fsfnew.VertTab3D.Get(i, j));

    static_cast<TableDisplaySettings&>(*this) = fsfnew;
}

std::string GraphKey(std::int32_t id) { return LongText(id); }

void Cls9::TakeSamples(Cls9& from) {
    const auto take = [](auto& to, auto& source) {
        to = std::move(source);
        source.Clear();
    };
    take(Vert3D, from.Vert3D);
    take(VertPX, from.VertPX);
    take(VertPY, from.VertPY);
    take(VertInter, from.VertInter);
    take(VertCurve3D, from.VertCurve3D);
    take(VertDev, from.VertDev);
    take(VertDev2, from.VertDev2);
    take(VertRev, from.VertRev);
    take(VertJO, from.VertJO);
    take(VertODE, from.VertODE);
    take(Anim1D, from.Anim1D);
    take(Anim2D, from.Anim2D);
    take(Anim3D, from.Anim3D);
    take(AnimCurve3D, from.AnimCurve3D);
    take(Anim25D, from.Anim25D);
}
