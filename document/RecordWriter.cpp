// The writers of the graph record, the table record and the scene's records.
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/QuotedText.h"
#include "document/RecordFormat.h"
#include "graph/Cls9.h"
#include "scene/Cls8.h"

namespace {

// Fields joined by single blanks, no blank at the start or the end.
class RecordText {
public:
    void Long(std::int32_t v) { Put(LongText(v)); }
    void Single(float v) { Put(ShortestSingleText(v)); }
    void Flag(bool v) { Put(v ? "1" : "0"); }
    void Expression(const std::string& text) { Put(text); }
    void Quoted(const std::string& text) { Put(QuotedText(text)); }
    void List(std::int32_t count, const PositionList& values) {
        Long(count);
        for (std::int32_t k = 1; k <= count; ++k) Single(values(k));
    }
    void PairList(std::int32_t count, const PositionList& xs, const PositionList& ys) {
        Long(count);
        for (std::int32_t k = 1; k <= count; ++k) {
            Single(xs(k));
            Single(ys(k));
        }
    }
    std::string Take() { return std::move(text_); }

private:
    void Put(const std::string& field) {
        if (!first_) text_ += ' ';
        first_ = false;
        text_ += field;
    }
    std::string text_;
    bool first_ = true;
};

} // namespace

std::string Cls9::Save() {
    RecordText r;
    r.Long(GraphType);
    r.Long(ID);
    r.Quoted(NameS);
    r.Long(CoordType);
    r.Expression(ExpressX);
    r.Expression(ExpressY);
    r.Expression(ExpressZ);
    r.Long(StepU);
    r.Long(StepV);
    r.Single(MinU);
    r.Single(MaxU);
    r.Single(MinV);
    r.Single(MaxV);
    r.Long(FillStyle);
    r.Long(FirstColor);
    r.Long(SecondColor);
    r.Long(LineColor);
    r.Long(LineWidth);
    r.Long(Material);
    r.Long(Show);
    r.Long(Smoothness);
    r.Long(PointColor);
    r.Single(PointSize);
    r.Flag(PointHollow);
    r.Flag(Animation);
    if (Animation) {
        r.Single(MinT);
        r.Single(MaxT);
        r.Long(FrameCount);
        r.Long(FramesPerSecond);
    }
    r.Long(FunForm);
    // Plane analyses, step/stem and intersection.
    r.Flag(Show2DCurve);
    r.Flag(ShowInverse);
    r.Long(InvColor);
    r.Long(InvWidth);
    r.Flag(ShowDev);
    r.Long(DevColor);
    r.Long(DevWidth);
    r.Flag(ShowInt);
    r.Long(IntColor);
    r.Single(IntFrom);
    r.Single(IntTo);
    r.Flag(ShowMax);
    r.Long(MaxColor);
    r.Long(MaxSize);
    r.Long(MaxSymbol);
    r.Flag(ShowMin);
    r.Long(MinColor);
    r.Long(MinSize);
    r.Long(MinSymbol);
    r.Flag(ShowGuai);
    r.Long(GuaiColor);
    r.Long(GuaiSize);
    r.Long(GuaiSymbol);
    r.Flag(ShowJO);
    r.Long(JOColor);
    r.Long(JOWidth);
    r.Flag(ShowRoot);
    r.Long(RootColor);
    r.Long(RootSize);
    r.Long(RootSymbol);
    r.Flag(ShowCurv);
    r.Long(CurvColor);
    r.Long(CurvWidth);
    r.List(CurvNum, CurvX);
    r.Flag(ShowLen);
    r.Single(LenFrom);
    r.Single(LenTo);
    r.Flag(ShowQie);
    r.Long(QieColor);
    r.Long(QieWidth);
    r.List(QieNum, QieX);
    r.Flag(ShowNml);
    r.Long(NmlColor);
    r.Long(NmlWidth);
    r.List(NmlNum, NmlX);
    r.Flag(ShowStep);
    r.Long(StepColor);
    r.Long(StepWidth);
    r.Flag(ShowStem);
    r.Long(StemHeadColor);
    r.Long(StemHeadSize);
    r.Long(StemHeadSymbol);
    r.Long(StemBodyColor);
    r.Long(StemBodyWidth);
    r.Expression(Exp2);
    r.Long(Color2);
    r.Long(Width2);
    r.Flag(ShowInter);
    r.Long(InterColor);
    r.Long(InterSize);
    r.Long(InterSymbol);
    r.Flag(ShowArea);
    r.Long(AreaColor);
    // Space overlays, vectors and differential equations.
    r.Flag(ShowSurface);
    r.Flag(ShowSurPX);
    r.Flag(ShowSurPY);
    r.Flag(ShowTangent);
    r.PairList(TangentNum, TangentX, TangentY);
    r.Flag(ShowNormal);
    r.PairList(NormalNum, NormalX, NormalY);
    r.Single(VecBeginX);
    r.Single(VecBeginY);
    r.Single(VecBeginZ);
    r.Single(VecEndX);
    r.Single(VecEndY);
    r.Single(VecEndZ);
    r.Flag(ShowVecBegin);
    r.Flag(ShowVecEnd);
    r.Long(VecColor);
    r.Long(VecWidth);
    r.Flag(ShowVecPrj);
    r.Flag(ShowVecB);
    r.Long(VecOperation);
    r.Single(VecConstant);
    r.Single(VecDX);
    r.Single(VecDY);
    r.Single(VecDZ);
    r.Single(VecDX2);
    r.Single(VecDY2);
    r.Single(VecDZ2);
    r.Flag(ODEInitial);
    r.Single(ODEInitX);
    r.Single(ODEInitY);
    r.Long(ODEColor);
    r.Long(ODEWidth);
    // Limits and series.
    r.Single(LimitX0);
    r.Long(LimitDir);
    r.Flag(LimitShowP);
    r.Flag(LimitShowL);
    r.Long(SeriesN1);
    r.Long(SeriesN2);
    r.Long(SeriesColor);
    r.Long(SeriesWidth);
    r.Single(SeriesA0);
    // Texture and transparency.
    r.Flag(ShowTex);
    r.Long(TexMode);
    r.Flag(ShowTrans);
    r.Single(TransAlpha);
    r.Quoted(TexName);
    // Surface views, in every generation.
    r.Flag(ShowContour);
    r.Flag(ShowVector);
    r.Flag(ShowColormap);
    r.Long(ContourLevel);
    return r.Take();
}

std::string Cls9::SaveTable() {
    RecordText r;
    r.Long(GraphType);
    r.Long(ID);
    r.Quoted(NameS);
    r.Long(LineColor);
    r.Long(LineWidth);
    r.Long(FillStyle);
    r.Long(FirstColor);
    r.Long(SecondColor);
    r.Long(Material);
    r.Long(Show);
    r.Long(Smoothness);
    r.Long(StepU);
    r.Long(StepV);
    // Every point of the grid, row by row; a point never set is created (0, 0, 0).
    for (std::int32_t i = 0; i <= StepU; ++i)
        for (std::int32_t j = 0; j <= StepV; ++j) {
            const Cls2& p = VertTab3D(i, j);
            r.Single(p.x);
            r.Single(p.y);
            r.Single(p.z);
        }
    r.Flag(Show2DLine);
    r.Flag(Show2DScatter);
    r.Flag(ShowSmoothCurve);
    r.Long(ScatterSize);
    r.Long(ScatterColor);
    r.Long(SmoothCurveColor);
    r.Long(SmoothCurveWidth);
    r.Long(Symbol);
    return r.Take();
}

std::string Cls8::Save() const {
    std::string text;
    for (const auto& e : FunSurfs) {
        Cls9& g = *e.graph;
        switch (RecordKindOf(g.GraphType)) {
        case RecordKind::Graph: text += g.Save(); break;
        case RecordKind::Table: text += g.SaveTable(); break;
        case RecordKind::None: continue;
        }
        text += ' ';
    }
    return text;
}
