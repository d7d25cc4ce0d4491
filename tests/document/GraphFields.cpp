#include "tests/document/GraphFields.h"

#include "document/RecordFormat.h"

void ExpectSameRecordFields(const Cls9& a, const Cls9& b) {
#define VX_SAME(f) EXPECT_EQ(a.f, b.f) << "field " #f " of graph " << a.ID;
    VX_RECORD_FIELDS(VX_SAME)
#undef VX_SAME
    if (a.Animation) {
        EXPECT_EQ(a.MinT, b.MinT);
        EXPECT_EQ(a.MaxT, b.MaxT);
    }
    for (int k = 1; k <= a.CurvNum; ++k) EXPECT_EQ(a.CurvX(k), b.CurvX(k)) << "CurvX " << k;
    for (int k = 1; k <= a.QieNum; ++k) EXPECT_EQ(a.QieX(k), b.QieX(k)) << "QieX " << k;
    for (int k = 1; k <= a.NmlNum; ++k) EXPECT_EQ(a.NmlX(k), b.NmlX(k)) << "NmlX " << k;
    for (int k = 1; k <= a.TangentNum; ++k) {
        EXPECT_EQ(a.TangentX(k), b.TangentX(k)) << "TangentX " << k;
        EXPECT_EQ(a.TangentY(k), b.TangentY(k)) << "TangentY " << k;
    }
    for (int k = 1; k <= a.NormalNum; ++k) {
        EXPECT_EQ(a.NormalX(k), b.NormalX(k)) << "NormalX " << k;
        EXPECT_EQ(a.NormalY(k), b.NormalY(k)) << "NormalY " << k;
    }
}

void ExpectSameTableFields(Cls9& a, Cls9& b) {
#define VX_SAME(f) EXPECT_EQ(a.f, b.f) << "field " #f " of table " << a.ID;
    VX_TABLE_FIELDS(VX_SAME)
#undef VX_SAME
    for (int i = 0; i <= a.StepU; ++i)
        for (int j = 0; j <= a.StepV; ++j) {
            const Cls2& p = a.VertTab3D(i, j);
            const Cls2& q = b.VertTab3D(i, j);
            ASSERT_TRUE(p.x == q.x && p.y == q.y && p.z == q.z) << "point " << i << "," << j;
        }
}

void ExpectSameGraphFields(Cls9& written, Cls9& read) {
    if (RecordKindOf(written.GraphType) == RecordKind::Table)
        ExpectSameTableFields(written, read);
    else
        ExpectSameRecordFields(written, read);
}

void ExpectSameAxes(const Cls3& a, const Cls3& b) {
#define VX_SAME(f) EXPECT_EQ(a.f, b.f) << "axes setting " #f;
    VX_AXES_FIELDS(VX_SAME)
#undef VX_SAME
}
