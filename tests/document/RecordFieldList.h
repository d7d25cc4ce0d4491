#pragma once
// Every field of a graph record, for filling a graph with distinct values and
// comparing two graphs field by field. The position lists and the animation
// fields are handled apart (their presence depends on counts and Animation).

#define VX_RECORD_FIELDS(X)                                                                             \
    X(GraphType) X(ID) X(NameS) X(CoordType) X(ExpressX) X(ExpressY) X(ExpressZ) X(StepU) X(StepV)     \
    X(MinU) X(MaxU) X(MinV) X(MaxV) X(FillStyle) X(FirstColor) X(SecondColor) X(LineColor) X(LineWidth) \
    X(Material) X(Show) X(Smoothness) X(PointColor) X(PointSize) X(PointHollow) X(Animation) X(FunForm) \
    X(Show2DCurve) X(ShowInverse) X(InvColor) X(InvWidth) X(ShowDev) X(DevColor) X(DevWidth) X(ShowInt)  \
    X(IntColor) X(IntFrom) X(IntTo) X(ShowMax) X(MaxColor) X(MaxSize) X(MaxSymbol) X(ShowMin)           \
    X(MinColor) X(MinSize) X(MinSymbol) X(ShowGuai) X(GuaiColor) X(GuaiSize) X(GuaiSymbol) X(ShowJO)    \
    X(JOColor) X(JOWidth) X(ShowRoot) X(RootColor) X(RootSize) X(RootSymbol) X(ShowCurv) X(CurvColor)   \
    X(CurvWidth) X(CurvNum) X(ShowLen) X(LenFrom) X(LenTo) X(ShowQie) X(QieColor) X(QieWidth) X(QieNum) \
    X(ShowNml) X(NmlColor) X(NmlWidth) X(NmlNum) X(ShowStep) X(StepColor) X(StepWidth) X(ShowStem)      \
    X(StemHeadColor) X(StemHeadSize) X(StemHeadSymbol) X(StemBodyColor) X(StemBodyWidth) X(Exp2)        \
    X(Color2) X(Width2) X(ShowInter) X(InterColor) X(InterSize) X(InterSymbol) X(ShowArea) X(AreaColor) \
    X(ShowSurface) X(ShowSurPX) X(ShowSurPY) X(ShowTangent) X(TangentNum) X(ShowNormal) X(NormalNum)    \
    X(VecBeginX) X(VecBeginY) X(VecBeginZ) X(VecEndX) X(VecEndY) X(VecEndZ) X(ShowVecBegin)             \
    X(ShowVecEnd) X(VecColor) X(VecWidth) X(ShowVecPrj) X(ShowVecB) X(VecOperation) X(VecConstant)      \
    X(VecDX) X(VecDY) X(VecDZ) X(VecDX2) X(VecDY2) X(VecDZ2) X(ODEInitial) X(ODEInitX) X(ODEInitY)      \
    X(ODEColor) X(ODEWidth) X(LimitX0) X(LimitDir) X(LimitShowP) X(LimitShowL) X(SeriesN1) X(SeriesN2)  \
    X(SeriesColor) X(SeriesWidth) X(SeriesA0) X(ShowTex) X(TexMode) X(ShowTrans) X(TransAlpha)          \
    X(TexName) X(ShowContour) X(ShowVector) X(ShowColormap) X(ContourLevel)

// The fields of a table record; its grid is compared apart.
#define VX_TABLE_FIELDS(X)                                                                             \
    X(GraphType) X(ID) X(NameS) X(LineColor) X(LineWidth) X(FillStyle) X(FirstColor) X(SecondColor)     \
    X(Material) X(Show) X(Smoothness) X(StepU) X(StepV) X(Show2DLine) X(Show2DScatter)                  \
    X(ShowSmoothCurve) X(ScatterSize) X(ScatterColor) X(SmoothCurveColor) X(SmoothCurveWidth) X(Symbol)


// Every setting of the coordinate system.
#define VX_AXES_FIELDS(X)                                                                              \
    X(Show) X(ShowXYPanel) X(ShowXZPanel) X(ShowYZPanel) X(ShowXYXGrid) X(ShowXZXGrid) X(ShowYZYGrid)   \
    X(LabelNumX) X(LabelNumY) X(LabelNumZ) X(TitleX) X(TitleY) X(TitleZ) X(ShowXYYGrid) X(ShowXZZGrid)  \
    X(ShowYZZGrid) X(XYPanelColor) X(XZPanelColor) X(YZPanelColor) X(XYGridColor) X(XZGridColor)        \
    X(YZGridColor) X(XYPanelMaterial) X(XZPanelMaterial) X(YZPanelMaterial) X(AxisColor) X(AxisWidth)   \
    X(BetterFonts) X(AxisStyle) X(ShowprimaryGrid) X(ShowSecondaryGrid) X(ShowBackground) X(BackStyle)  \
    X(BackColor) X(BackColor2) X(PriGridColor) X(SecGridColor) X(ShowShadow) X(ShowSecondaryLabel)      \
    X(ShowPI)
