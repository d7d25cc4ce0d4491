// The list labels of the reader, the creation commands and the edit dialogs,
// and the row a graph without a document label gets.
#include "document/GraphLabels.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct G {
    int type, coord, form;
    bool step = false, stem = false;
};

std::unique_ptr<Cls9> Graph(const G& d) {
    auto p = std::make_unique<Cls9>();
    Cls9& g = *p;
    g.GraphType = d.type;
    g.CoordType = d.coord;
    g.FunForm = d.form;
    g.ShowStep = d.step;
    g.ShowStem = d.stem;
    g.ExpressX = std::string(1, 'X');
    g.ExpressY = std::string(1, 'Y');
    g.ExpressZ = std::string(1, 'Z');
    g.Exp2 = std::string(1, 'E');
    g.NameS = std::string(1, 'N');  // (literals trip a false -Wrestrict of GCC 12)
    return p;
}

struct DocumentCase {
    int kind;
    G graph;
    const char* label; // nullptr: no document label
};

// Every row of the document label tables, by document kind; a row for
// CoordType "1 or 2" once with each. nullptr: a combination without a label.
const DocumentCase kDocumentCases[] = {
    // Plane documents, by FunForm.
    {1, {0, 1, 1}, "二维曲线  Z=0"},
    {1, {0, 2, 1}, "二维曲线  Z=0"},
    {1, {9, 1, 1}, "二维曲线动画  Z=0"},
    {1, {9, 2, 1}, "二维曲线动画  Z=0"},
    {1, {0, 1, 2}, "二维曲线  y=Z"},
    {1, {9, 1, 2}, "二维曲线动画  y=Z"},
    {1, {20, 1, 2}, "二维曲线相交  y=Z, y=E"},
    {1, {23, 1, 2, true, true}, "Step & Stem  y=Z"},
    {1, {23, 1, 2, true, false}, "阶梯图  y=Z"},
    {1, {23, 1, 2, false, true}, "火柴杆图  y=Z"},
    {1, {23, 1, 2, false, false}, nullptr},
    {1, {0, 2, 2}, "二维曲线  r=Z"},
    {1, {9, 2, 2}, "二维曲线动画  r=Z"},
    {1, {0, 1, 3}, "二维曲线  x=Y,y=Z"},
    {1, {9, 1, 3}, "二维曲线动画  x=Y,y=Z"},
    {1, {0, 2, 3}, "二维曲线  a=Y,r=Z"},
    {1, {9, 2, 3}, "二维曲线动画  a=Y,r=Z"},
    {1, {0, 1, 4}, "不等式  Z<=0"},
    {1, {0, 2, 4}, "不等式  Z<=0"},
    {1, {9, 1, 4}, "不等式动画  Z<=0"},
    {1, {9, 2, 4}, "不等式动画  Z<=0"},
    // Plane documents, whatever the FunForm.
    {1, {7, 1, 3}, "点  x=Y, y=Z"},
    {1, {7, 2, 0}, "点  a=Y, r=Z"},
    {1, {8, 1, 0}, "点动画  x=Y, y=Z"},
    {1, {8, 2, 0}, "点动画  a=Y, r=Z"},
    {1, {36, 1, 2}, "常微分方程 dy/dx=Z"},
    {1, {37, 1, 2}, "极限 Z"},
    {1, {38, 1, 2}, "级数 Z"},
    {1, {2, 3, 2}, nullptr},
    // Strip documents.
    {2, {3, 1, 2}, "二维半条带  y=Z"},
    {2, {10, 1, 2}, "二维半动画  y=Z"},
    {2, {3, 2, 2}, "二维半条带  r=Z"},
    {2, {10, 2, 2}, "二维半动画  r=Z"},
    {2, {3, 1, 3}, "二维半条带  x=Y, y=Z"},
    {2, {10, 1, 3}, "二维半动画  x=Y,y=Z"},
    {2, {3, 2, 3}, "二维半条带  a=Y, r=Z"},
    {2, {10, 2, 3}, "二维半动画  a=Y, r=Z"},
    {2, {7, 1, 0}, "点  x=Y, y=Z"},
    {2, {7, 2, 0}, "点  a=Y, r=Z"},
    {2, {8, 1, 3}, "点动画  x=Y, y=Z"},
    {2, {8, 2, 0}, "点动画  a=Y, r=Z"},
    // Space documents: curves and surfaces, then the other kinds.
    {3, {1, 1, 2}, "旋转曲面  y=Z"},
    {3, {21, 1, 2}, "旋转曲面  y=Z"},
    {3, {22, 1, 2}, "旋转曲面  y=Z"},
    {3, {2, 3, 2}, "三维曲面  z=Z"},
    {3, {11, 4, 2}, "三维曲线动画  z=Z"},
    {3, {12, 5, 2}, "三维曲面动画  r=Z"},
    {3, {1, 3, 3}, "三维曲线  x=X,y=Y,z=Z"},
    {3, {2, 4, 3}, "三维曲面  a=X,r=Y,z=Z"},
    {3, {2, 5, 3}, "三维曲面  a=X,b=Y,r=Z"},
    {3, {2, 2, 2}, nullptr},
    {3, {0, 1, 2}, nullptr}, // a plane kind in a space document
    {3, {7, 3, 3}, "点  x=X, y=Y, z=Z"},
    {3, {7, 4, 0}, "点  a=X, r=Y, z=Z"},
    {3, {7, 5, 3}, "点  a=X, b=Y, r=Z"},
    {3, {8, 3, 0}, "点动画  x=X, y=Y, z=Z"},
    {3, {8, 4, 3}, "点动画  a=X, r=Y, z=Z"},
    {3, {8, 5, 3}, "点动画  a=X, b=Y, r=Z"},
    {3, {31, 3, 0}, "矢量 "},
    {3, {32, 3, 0}, "矢量运算 "},
    // Special-graph documents.
    {7, {13, 3, 3}, "色谱图  x=X, y=Y, z=Z"},
    {7, {14, 3, 3}, "等值线图 Plot  x=X, y=Y, z=Z"},
    {7, {15, 3, 3}, "矢量图  x=X, y=Y, z=Z"},
    // Tables, in any document.
    {1, {4, 0, 0}, "二维表数据图形: N"},
    {3, {5, 0, 0}, "二维半表数据图形: N"},
    {7, {6, 0, 0}, "三维表数据图形: N"},
};

TEST(DocumentLabels, EveryListedCombination) {
    for (const auto& c : kDocumentCases) {
        const auto label = GraphListLabel(c.kind, *Graph(c.graph));
        SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.graph.type) + "/" +
                     std::to_string(c.graph.coord) + "/" + std::to_string(c.graph.form));
        if (c.label == nullptr)
            EXPECT_FALSE(label.has_value());
        else
            EXPECT_EQ(label.value_or("<none>"), c.label);
    }
}

TEST(DocumentLabels, FallbackTakesThePlaneOrSpaceLabelElseKindAndExpressions) {
    struct Case { int kind; G graph; const char* row; };
    const Case cases[] = {
        {1, {0, 1, 2}, "二维曲线  y=Z"},            // its own label
        {1, {7, 3, 3}, "点  x=X, y=Y, z=Z"},       // a space point in a plane document
        {3, {0, 1, 2}, "二维曲线  y=Z"},            // a plane curve in a space document
        {7, {2, 3, 2}, "三维曲面  z=Z"},
        {1, {1, 1, 3}, "三维曲线  X, Y, Z"},        // no label in either table
        {1, {23, 1, 2}, "Step & Stem  X, Y, Z"},
        {3, {3, 0, 0}, "二维半条带  X, Y, Z"},
    };
    for (const auto& c : cases) EXPECT_EQ(DocumentRowLabel(c.kind, *Graph(c.graph)), c.row);
    Cls9 bare;
    bare.GraphType = 15;
    EXPECT_EQ(DocumentRowLabel(1, bare), "矢量图");
}

TEST(CreationLabels, ByCommandAndForm) {
    struct Case { LabelSource command; int kind; G graph; const char* label; };
    const Case cases[] = {
        {LabelSource::mnuDraw2DCart, 1, {0, 1, 3}, "二维曲线  x=Y, y=Z"},
        {LabelSource::mnuDraw2DPolar, 1, {0, 2, 2}, "二维曲线  r=Z"},
        {LabelSource::mnuAniCur2DCart, 1, {9, 1, 4}, "不等式动画  Z<=0"},
        {LabelSource::mnuAniCur2DPol, 1, {9, 2, 3}, "二维曲线动画  a=Y, r=Z"},
        {LabelSource::mnuDraw25DCart, 2, {3, 1, 3}, "二维半条带  x=Y,y=Z"},
        {LabelSource::mnuDraw25DPolar, 2, {3, 2, 3}, "二维半条带  a=Y, r=Z"},
        {LabelSource::mnuAni25DCurCart, 2, {10, 1, 3}, "二维半动画  x=Y, y=Z"},
        {LabelSource::mnuAni25DCurPol, 2, {10, 2, 2}, "二维半动画  r=Z"},
        {LabelSource::mnuDrawIP, 1, {20, 1, 2}, "二维曲线相交  y=Z, y=E"},
        {LabelSource::mnuDrawPoint, 3, {7, 4, 3}, "点  a=X, r=Y, z=Z"},
        {LabelSource::mnuDrawPoint, 6, {7, 3, 3}, "点  x=X, y=Y, z=Z"},
        {LabelSource::mnuDrawPoint, 1, {7, 2, 3}, "点  a=Y, r=Z"},
        {LabelSource::mnuAniPoint, 1, {8, 1, 3}, "点动画   x=Y, y=Z"},
        {LabelSource::mnuAniPoint, 3, {8, 5, 3}, "点动画   a=X, b=Y, r=Z"},
        // No cell for the form: the document row label.
        {LabelSource::mnuDraw25DCart, 2, {3, 1, 1}, "二维半条带  X, Y, Z"},
        {LabelSource::mnuDrawIP, 1, {20, 1, 3}, "二维曲线相交  X, Y, Z"},
    };
    for (const auto& c : cases) EXPECT_EQ(CreationLabel(c.command, c.kind, *Graph(c.graph)), c.label);
}

TEST(EditLabels, ByDialog) {
    struct Case { LabelSource dialog; int kind; G graph; const char* label; };
    const Case cases[] = {
        {LabelSource::frmF5, 1, {9, 1, 3}, "二维曲线  x=Y, y=Z"},
        {LabelSource::frmF5, 1, {0, 2, 2}, "二维曲线  r=Z"},
        {LabelSource::frmF5, 1, {0, 2, 1}, "二维曲线  Z=0"},
        {LabelSource::frmF4, 2, {10, 2, 3}, "二维半条带  a=Y, r=Z"},
        {LabelSource::frmF16, 3, {7, 5, 3}, "点  a=X, b=Y, r=Z"},
        {LabelSource::frmF16, 1, {7, 1, 3}, "点  x=Y, y=Z"},
        {LabelSource::frmF17, 1, {8, 2, 3}, "点动画  a=Y, r=Z"},
        {LabelSource::frmF11, 1, {4, 0, 0}, "二维表数据图形  N"},
        {LabelSource::frmF10, 2, {5, 0, 0}, "二维半表数据图形  N"},
        {LabelSource::frmF12, 3, {6, 0, 0}, "三维表数据图形  N"},
        {LabelSource::frmF25, 1, {20, 1, 2}, "二维曲线相交  y=Z, y=E"},
        {LabelSource::frmF26, 1, {23, 1, 2, true, true}, "阶梯图  y=Z"},
        {LabelSource::frmF26, 1, {23, 1, 2, false, true}, "火柴杆图  y=Z"},
        {LabelSource::frmF26, 1, {23, 1, 2}, ""},
        {LabelSource::frmF24, 3, {22, 1, 2}, "旋转曲面  y=Z"},
        {LabelSource::frmF27, 3, {31, 3, 0}, "矢量 "},
        {LabelSource::frmF28, 3, {32, 3, 0}, "矢量运算 "},
        {LabelSource::frmF29, 1, {36, 1, 2}, "常微分方程  dy/dx=Z"},
        {LabelSource::frmF30, 1, {37, 1, 2}, "极限  y=Z"},
        {LabelSource::frmF31, 1, {38, 1, 2}, "级数 Z"},
        {LabelSource::frmF6, 3, {2, 4, 2}, "三维曲面  z=Z"},
        {LabelSource::frmF6, 3, {12, 5, 2}, "三维曲面动画  r=Z"},
        {LabelSource::frmF6, 3, {11, 3, 3}, "三维曲线动画  x=X, y=Y, z=Z"},
        {LabelSource::frmF6, 3, {1, 5, 3}, "三维曲线  a=X, b=Y, r=Z"},
        {LabelSource::frmF18, 7, {14, 3, 3}, "等值线图: x=X,y=Y,z=Z"},
        {LabelSource::frmF21, 7, {15, 3, 3}, "矢量图 x=X,y=Y,z=Z"},
        {LabelSource::frmF22, 7, {13, 3, 3}, "色谱图: x=X,y=Y,z=Z"},
    };
    for (const auto& c : cases) EXPECT_EQ(EditLabel(c.dialog, c.kind, *Graph(c.graph)), c.label);
}

} // namespace
