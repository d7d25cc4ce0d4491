#include "document/RecordParse.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "document/RecordFormat.h"

#include <algorithm>

namespace {

void ReadList(TokenReader& r, std::int32_t& count, PositionList& values) {
    count = r.ListCount();
    for (std::int32_t k = 1; k <= count; ++k) values(k) = r.Single();
}

void ReadPairList(TokenReader& r, std::int32_t& count, PositionList& xs, PositionList& ys) {
    count = r.ListCount();
    for (std::int32_t k = 1; k <= count; ++k) {
        xs(k) = r.Single();
        ys(k) = r.Single();
    }
}

// Whose rules a record is read by: a document's of a generation, or Paste's
// (the newest layout, with the differences of Paste written where they are).
struct RecordRules {
    int generation = 7;
    bool pasted = false;
    // Set once a graph record's Animation field is reached.
    bool reachedAnimation = false;
};

// A name: a free text between "@" marks in generation 7, one token before;
// Paste's own reading of it.
void ReadName(TokenReader& r, const RecordRules& rules, std::string& field) {
    if (rules.pasted)
        r.PastedName(field);
    else if (rules.generation >= 7)
        r.QuotedText(field);
    else
        field = r.Text();
}

std::optional<AnimationValues> ReadGraphFields(TokenReader& r, RecordRules& rules, Cls9& g) {
    const int generation = rules.generation;
    std::optional<AnimationValues> animation;
    g.GraphType = r.Long();
    g.ID = r.Long();
    ReadName(r, rules, g.NameS);
    g.CoordType = r.Long();
    g.ExpressX = r.Text();
    g.ExpressY = r.Text();
    g.ExpressZ = r.Text();
    g.StepU = r.Long();
    g.StepV = r.Long();
    g.MinU = r.Single();
    g.MaxU = r.Single();
    g.MinV = r.Single();
    g.MaxV = r.Single();
    g.FillStyle = r.Long();
    g.FirstColor = r.Long();
    g.SecondColor = r.Long();
    g.LineColor = r.Long();
    g.LineWidth = r.Long();
    g.Material = r.Long();
    g.Show = r.Long();
    g.Smoothness = r.Long();
    // A generation-0 record ends here.
    if (generation >= 1) {
        g.PointColor = r.Long();
        if (rules.pasted) {
            // Any size; hollow for any number but 0.
            g.PointSize = r.Single();
            g.PointHollow = ParseNumericPrefix(r.Next()) != 0;
        } else {
            r.PointSize(g.PointSize);
            g.PointHollow = r.Flag();
        }
        rules.reachedAnimation = true;
        g.Animation = r.Flag();
        if (g.Animation) {
            g.MinT = r.Single();
            g.MaxT = r.Single();
            if (rules.pasted) {
                // The frame count and speed stay the document's.
                r.Next();
                r.Next();
            } else {
                AnimationValues v;
                v.FrameCount = std::clamp(r.Long(), 1, MaxFrameCount);
                v.FramesPerSecond = std::max(r.Long(), 1);
                animation = v;
            }
        }
    }
    // Generations 0 to 2 store no form: every graph of theirs is parametric.
    g.FunForm = generation >= 3 ? r.Long() : 3;
    if (generation >= 4) {
        g.Show2DCurve = r.Flag();
        g.ShowInverse = r.Flag();
        g.InvColor = r.Long();
        g.InvWidth = r.Long();
        g.ShowDev = r.Flag();
        g.DevColor = r.Long();
        g.DevWidth = r.Long();
        g.ShowInt = r.Flag();
        g.IntColor = r.Long();
        g.IntFrom = r.Single();
        g.IntTo = r.Single();
        g.ShowMax = r.Flag();
        g.MaxColor = r.Long();
        g.MaxSize = r.Long();
        g.MaxSymbol = r.Long();
        g.ShowMin = r.Flag();
        g.MinColor = r.Long();
        g.MinSize = r.Long();
        g.MinSymbol = r.Long();
        g.ShowGuai = r.Flag();
        g.GuaiColor = r.Long();
        g.GuaiSize = r.Long();
        g.GuaiSymbol = r.Long();
        g.ShowJO = r.Flag();
        g.JOColor = r.Long();
        g.JOWidth = r.Long();
        g.ShowRoot = r.Flag();
        g.RootColor = r.Long();
        g.RootSize = r.Long();
        g.RootSymbol = r.Long();
        g.ShowCurv = r.Flag();
        g.CurvColor = r.Long();
        g.CurvWidth = r.Long();
        ReadList(r, g.CurvNum, g.CurvX);
        g.ShowLen = r.Flag();
        g.LenFrom = r.Single();
        g.LenTo = r.Single();
        g.ShowQie = r.Flag();
        g.QieColor = r.Long();
        g.QieWidth = r.Long();
        ReadList(r, g.QieNum, g.QieX);
        g.ShowNml = r.Flag();
        g.NmlColor = r.Long();
        g.NmlWidth = r.Long();
        ReadList(r, g.NmlNum, g.NmlX);
        g.ShowStep = r.Flag();
        g.StepColor = r.Long();
        g.StepWidth = r.Long();
        g.ShowStem = r.Flag();
        g.StemHeadColor = r.Long();
        g.StemHeadSize = r.Long();
        g.StemHeadSymbol = r.Long();
        g.StemBodyColor = r.Long();
        g.StemBodyWidth = r.Long();
        g.Exp2 = r.Text();
        g.Color2 = r.Long();
        g.Width2 = r.Long();
        g.ShowInter = r.Flag();
        g.InterColor = r.Long();
        g.InterSize = r.Long();
        g.InterSymbol = r.Long();
        g.ShowArea = r.Flag();
        g.AreaColor = r.Long();
    } else {
        // Generations 0 to 3 have no curve flag: their plane curves are drawn.
        g.Show2DCurve = true;
    }
    if (generation >= 5) {
        g.ShowSurface = r.Flag();
        g.ShowSurPX = r.Flag();
        g.ShowSurPY = r.Flag();
        g.ShowTangent = r.Flag();
        ReadPairList(r, g.TangentNum, g.TangentX, g.TangentY);
        g.ShowNormal = r.Flag();
        ReadPairList(r, g.NormalNum, g.NormalX, g.NormalY);
        g.VecBeginX = r.Single();
        g.VecBeginY = r.Single();
        g.VecBeginZ = r.Single();
        g.VecEndX = r.Single();
        g.VecEndY = r.Single();
        g.VecEndZ = r.Single();
        g.ShowVecBegin = r.Flag();
        g.ShowVecEnd = r.Flag();
        g.VecColor = r.Long();
        g.VecWidth = r.Long();
        g.ShowVecPrj = r.Flag();
        g.ShowVecB = r.Flag();
        g.VecOperation = r.Long();
        g.VecConstant = r.Single();
        g.VecDX = r.Single();
        g.VecDY = r.Single();
        g.VecDZ = r.Single();
        g.VecDX2 = r.Single();
        g.VecDY2 = r.Single();
        g.VecDZ2 = r.Single();
        g.ODEInitial = r.Flag();
        g.ODEInitX = r.Single();
        g.ODEInitY = r.Single();
        g.ODEColor = r.Long();
        g.ODEWidth = r.Long();
    }
    if (generation >= 6) {
        g.LimitX0 = r.Single();
        g.LimitDir = r.Long();
        g.LimitShowP = r.Flag();
        g.LimitShowL = r.Flag();
        g.SeriesN1 = r.Long();
        g.SeriesN2 = r.Long();
        g.SeriesColor = r.Long();
        g.SeriesWidth = r.Long();
        g.SeriesA0 = r.Single();
    }
    if (generation >= 7) {
        g.ShowTex = r.FlagOne();
        g.TexMode = r.Long();
        g.ShowTrans = r.FlagOne();
        g.TransAlpha = r.Single();
        r.QuotedText(g.TexName);
    }
    if (generation >= 2) {
        g.ShowContour = r.Flag();
        g.ShowVector = r.Flag();
        g.ShowColormap = r.Flag();
        g.ContourLevel = r.Long();
    }
    return animation;
}

void ReadTableFields(TokenReader& r, const RecordRules& rules, Cls9& g) {
    const int generation = rules.generation;
    g.GraphType = r.Long();
    g.ID = r.Long();
    ReadName(r, rules, g.NameS);
    g.LineColor = r.StrictLong();
    g.LineWidth = r.StrictLong();
    g.FillStyle = r.Long();
    g.FirstColor = r.Long();
    g.SecondColor = r.Long();
    g.Material = r.Long();
    g.Show = r.Long();
    g.Smoothness = r.Long();
    g.StepU = r.Long();
    g.StepV = r.Long();
    if (!PointTable::InRange(g.StepU, g.StepV)) r.Fail("table grid side outside 0..200");
    const std::size_t gridTokens = 3 * std::size_t(g.StepU + 1) * std::size_t(g.StepV + 1);
    // Checked first: a grid larger than the rest of the text is not built.
    // (Paste reads the points past the text as 0.)
    if (!r.ReadsEmptyPastEnd() && !r.HasTokens(gridTokens)) r.Fail("the text ends inside the table grid");
    for (std::int32_t i = 0; i <= g.StepU; ++i)
        for (std::int32_t j = 0; j <= g.StepV; ++j) {
            Cls2& p = g.VertTab3D(i, j);
            p.x = r.Single();
            p.y = r.Single();
            p.z = r.Single();
        }
    if (generation >= 4) {
        g.Show2DLine = r.Flag();
        g.Show2DScatter = r.Flag();
        g.ShowSmoothCurve = r.Flag();
        g.ScatterSize = r.Long();
        g.ScatterColor = r.Long();
        g.SmoothCurveColor = r.Long();
        g.SmoothCurveWidth = r.Long();
        g.Symbol = r.Long();
    }
}

} // namespace

std::int32_t ReadRecordCount(TokenReader& r) {
    const std::int32_t count = r.Long();
    if (count < 0) r.Fail("negative record count");
    if (static_cast<std::uint64_t>(count) * MinRecordTokens > r.RemainingBytes())
        r.Fail("more graphs than the rest of the text can hold");
    return count;
}

std::optional<std::int32_t> RecordTypeAt(TokenReader& r) {
    // No type has more than two digits: a longer token is not read to its end.
    const auto token = r.PeekShort(2);
    return token ? RecordTypeOfToken(*token) : std::nullopt;
}

std::optional<AnimationValues> ReadGraphRecord(TokenReader& r, int generation, Cls9& g) {
    RecordRules rules{generation};
    return ReadGraphFields(r, rules, g);
}

void ReadTableRecord(TokenReader& r, int generation, Cls9& g) { ReadTableFields(r, RecordRules{generation}, g); }

PastedRecord ReadPastedGraphRecord(TokenReader& r, Cls9& g) {
    RecordRules rules{7, true};
    try {
        ReadGraphFields(r, rules, g);
        return PastedRecord::Whole;
    } catch (const ListCountError&) {
        return PastedRecord::Refused;
    } catch (const DocumentFormatError&) {
        return rules.reachedAnimation ? PastedRecord::Partial : PastedRecord::Refused;
    }
}

PastedRecord ReadPastedTableRecord(TokenReader& r, Cls9& g) {
    try {
        ReadTableFields(r, RecordRules{7, true}, g);
        return PastedRecord::Whole;
    } catch (const DocumentFormatError&) {
        return PastedRecord::Refused;
    }
}

void ReadAxesRecord(TokenReader& r, int generation, Cls3& a) {
    a.Show = r.Flag();
    if (!a.Show) return;
    a.ShowXYPanel = r.Flag();
    a.ShowXZPanel = r.Flag();
    a.ShowYZPanel = r.Flag();
    a.ShowXYXGrid = r.Flag();
    a.ShowXYYGrid = r.Flag();
    a.ShowXZXGrid = r.Flag();
    a.ShowXZZGrid = r.Flag();
    a.ShowYZYGrid = r.Flag();
    a.ShowYZZGrid = r.Flag();
    if (generation >= 7) a.BetterFonts = r.Flag();
    a.LabelNumX = r.Long();
    a.LabelNumY = r.Long();
    a.LabelNumZ = r.Long();
    if (generation < 7) {
        a.TitleX = r.Text();
        a.TitleY = r.Text();
        a.TitleZ = r.Text();
    }
    a.XYPanelColor = r.Long();
    a.XZPanelColor = r.Long();
    a.YZPanelColor = r.Long();
    a.XYGridColor = r.Long();
    a.XZGridColor = r.Long();
    a.YZGridColor = r.Long();
    a.XYPanelMaterial = r.Long();
    a.XZPanelMaterial = r.Long();
    a.YZPanelMaterial = r.Long();
    a.AxisColor = r.Long();
    a.AxisWidth = r.Long();
    if (generation < 7) {
        a.BetterFonts = r.Flag();
        return;
    }
    r.QuotedText(a.TitleX);
    r.QuotedText(a.TitleY);
    r.QuotedText(a.TitleZ);
    a.ShowprimaryGrid = r.Flag();
    a.ShowSecondaryGrid = r.Flag();
    a.ShowBackground = r.Flag();
    a.BackStyle = r.Long();
    a.BackColor = r.Long();
    a.BackColor2 = r.Long();
    a.PriGridColor = r.Long();
    a.SecGridColor = r.Long();
    a.ShowSecondaryLabel = r.Flag();
    a.ShowPI = r.Flag();
    a.ShowShadow = r.Flag();
}
