// The bounding box of a graph.
#include "graph/Cls9.h"
#include "graph/SharedBoxes.h"
#include "graph/VectorOperation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float BoxStartMin = 9999999.0f;
constexpr float BoxStartMax = -9999999.0f;

// The last index a scan of 0..count visits in a dimension whose upper bound
// is `upper`: elements beyond the array are skipped, not read.
std::int64_t LastIndex(std::int64_t count, std::int64_t upper) { return std::min(count, upper); }

} // namespace

void Cls9::TakeIntoBoxXY(const SamplePoint& p) {
    if (p.x > BoxMaxX) BoxMaxX = p.x;
    if (p.x < BoxMinX) BoxMinX = p.x;
    if (p.y > BoxMaxY) BoxMaxY = p.y;
    if (p.y < BoxMinY) BoxMinY = p.y;
}

void Cls9::TakeIntoBox(const SamplePoint& p) {
    TakeIntoBoxXY(p);
    if (p.z > BoxMaxZ) BoxMaxZ = p.z;
    if (p.z < BoxMinZ) BoxMinZ = p.z;
}

Cls1 Cls9::GetBox(std::int32_t lngAnimStep) {
    // The kind whose extent only its drawing knows: the box it left behind.
    if ((GraphType == GraphType::Function2D || GraphType == GraphType::Function2DAnimation) &&
        CoordType == CoordType::Polar &&
        (FunForm == FunForm::Implicit || FunForm == FunForm::Inequality))
        return PolarImplicitBox();

    BoxMaxX = BoxMaxY = BoxMaxZ = BoxStartMax;
    BoxMinX = BoxMinY = BoxMinZ = BoxStartMin;
    Cls1 result;

    if (GraphType == GraphType::VectorOperation) {
        // The graph's own vectors: vector 1, vector 2 where it is drawn and
        // the result vector; then each axis symmetric about 0 with 3 to spare.
        const VectorOperationResult op = ComputeVectorOperation(*this);
        const auto take = [this](const VectorComponents& v) { TakeIntoBox(SamplePoint{v.X, v.Y, v.Z}); };
        take(op.V1);
        if (op.ShowsV2) take(op.V2);
        if (op.HasResult) take(op.Result);
        const auto symmetric = [](float& mn, float& mx) {
            const float m = std::max(std::fabs(mn), std::fabs(mx));
            mn = -(m + 3.0f);
            mx = m + 3.0f;
        };
        symmetric(BoxMinX, BoxMaxX);
        symmetric(BoxMinY, BoxMaxY);
        symmetric(BoxMinZ, BoxMaxZ);
        return BoxFields();
    }

    if (GraphType == GraphType::Vector) {
        // Symmetric about the origin on each axis, the result widened by 3.
        TakeIntoBox(Cls2::Init(VecBeginX, VecBeginY, VecBeginZ));
        TakeIntoBox(Cls2::Init(VecEndX, VecEndY, VecEndZ));
        const auto symmetric = [](float& mn, float& mx, float& resultMin, float& resultMax) {
            const float m = std::max(std::fabs(mn), std::fabs(mx));
            mn = -m;
            mx = m;
            resultMin = -m - 3.0f;
            resultMax = m + 3.0f;
        };
        symmetric(BoxMinX, BoxMaxX, result.MinX, result.MaxX);
        symmetric(BoxMinY, BoxMaxY, result.MinY, result.MaxY);
        symmetric(BoxMinZ, BoxMaxZ, result.MinZ, result.MaxZ);
        return result;
    }

    switch (GraphType) {
    case GraphType::Function2D:
    case GraphType::Table2D:
    case GraphType::Function2DAnimation:
    case GraphType::Intersection:
    case GraphType::StepStem:
    case GraphType::Limit:
    case GraphType::Series:
        BoxOfPlaneKinds(lngAnimStep);
        break;
    case GraphType::Strip25D:
    case GraphType::Table25D:
    case GraphType::Strip25DAnimation:
        BoxOfStrip(lngAnimStep);
        break;
    case GraphType::ODE: {
        // One solution curve from an initial value, else StepV + 1 of them.
        const std::int64_t lastSolution = ODEInitial ? 0 : LastIndex(StepV, VertODE.Upper(1));
        const std::int64_t lastStep = LastIndex(StepU, VertODE.Upper(0));
        for (std::int64_t k = 0; k <= lastStep; ++k)
            for (std::int64_t r = 0; r <= lastSolution; ++r)
                if (const SamplePoint* p = VertODE.Find(k, r)) TakeIntoBox(*p);
        break;
    }
    case GraphType::RevolutionX:
    case GraphType::RevolutionY:
        break; // measured after the overlays below
    default:
        BoxOfSpaceKinds(lngAnimStep);
        break;
    }

    if (GraphType == GraphType::Function2D) {
        if (ShowInverse) {
            // One common range for x and y also covers the curve mirrored in y = x.
            const float mn = std::min(BoxMinX, BoxMinY);
            const float mx = std::max(BoxMaxX, BoxMaxY);
            BoxMinX = BoxMinY = mn;
            BoxMaxX = BoxMaxY = mx;
        }
        if (ShowJO) {
            const std::int64_t last = LastIndex(StepV, VertJO.Upper(1));
            for (std::int64_t j = 0; j <= last; ++j)
                if (const SamplePoint* p = VertJO.Find(0, j)) TakeIntoBoxXY(*p);
        }
        if (ShowDev) {
            const std::int64_t last = LastIndex(StepV, VertDev.Upper(1));
            for (std::int64_t j = 0; j <= last; ++j)
                if (const SamplePoint* p = VertDev.Find(0, j)) TakeIntoBoxXY(*p);
        }
    }
    if (GraphType == GraphType::RevolutionX || GraphType == GraphType::RevolutionY) {
        // The 41 turned copies of the profile; Vert3D plays no part.
        const std::int64_t lastAngle = LastIndex(40, VertRev.Upper(0));
        const std::int64_t last = LastIndex(StepV, VertRev.Upper(1));
        for (std::int64_t i = 0; i <= lastAngle; ++i)
            for (std::int64_t j = 0; j <= last; ++j)
                if (const SamplePoint* p = VertRev.Find(i, j)) TakeIntoBox(*p);
    }

    result.MaxX = BoxMaxX;
    result.MinX = BoxMinX;
    result.MaxY = BoxMaxY;
    result.MinY = BoxMinY;
    result.MaxZ = BoxMaxZ;
    result.MinZ = BoxMinZ;
    return result;
}

void Cls9::BoxOfPlaneKinds(std::int32_t lngAnimStep) {
    if (GraphType == GraphType::Table2D) {
        // Table points in row 0; an empty element gets a point at the origin.
        const std::int64_t last = LastIndex(StepV, PointTable::Upper);
        for (std::int64_t j = 0; j <= last; ++j) TakeIntoBox(VertTab3D(0, j));
    } else if (FunForm == FunForm::Implicit || FunForm == FunForm::Inequality) {
        BoxMinX = MinU;
        BoxMaxX = MaxU;
        BoxMinY = MinV;
        BoxMaxY = MaxV;
        BoxMinZ = BoxMaxZ = 0;
    } else if (FunForm == FunForm::Explicit || FunForm == FunForm::Parametric) {
        if (GraphType == GraphType::Function2DAnimation) {
            const std::int64_t last = LastIndex(StepV, Anim2D.Upper(0));
            for (std::int64_t j = 0; j <= last; ++j)
                if (const SamplePoint* p = Anim2D.Find(j, lngAnimStep)) TakeIntoBox(*p);
        } else {
            // An intersection adds its second curve, sample by sample.
            const bool intersection = GraphType == GraphType::Intersection;
            const std::int64_t upper = std::max(Vert3D.Upper(1), intersection ? VertInter.Upper(1) : -1);
            const std::int64_t last = LastIndex(StepV, upper);
            for (std::int64_t j = 0; j <= last; ++j) {
                if (const SamplePoint* p = Vert3D.Find(0, j)) TakeIntoBox(*p);
                if (!intersection) continue;
                if (const SamplePoint* q = VertInter.Find(0, j)) TakeIntoBox(*q);
            }
        }
    }
    // The plane kinds always show the origin.
    if (BoxMinY > 0) BoxMinY = 0;
    if (BoxMinX > 0) BoxMinX = 0;
    if (BoxMaxY < 0) BoxMaxY = 0;
    if (BoxMaxX < 0) BoxMaxX = 0;
}

void Cls9::BoxOfStrip(std::int32_t lngAnimStep) {
    // Element (r, j) of the strip's two edges; nullptr where it does not exist.
    // A strip table creates its empty elements, row 1 first.
    const auto edge = [&](std::int64_t r, std::int64_t j) -> SamplePoint* {
        switch (GraphType) {
        case GraphType::Strip25D: return Vert3D.Find(r, j);
        case GraphType::Table25D: return &VertTab3D(r, j);
        default: return Anim25D.Find(r, j, lngAnimStep);
        }
    };
    std::int64_t upper = PointTable::Upper;
    if (GraphType == GraphType::Strip25D) upper = Vert3D.Upper(1);
    if (GraphType == GraphType::Strip25DAnimation) upper = Anim25D.Upper(1);
    const std::int64_t last = LastIndex(StepV, upper);

    // The second edge is the first lifted by 3 along z.
    for (std::int64_t j = 0; j <= last; ++j) {
        SamplePoint* second = edge(1, j);
        const SamplePoint* first = edge(0, j);
        if (first == nullptr || second == nullptr) continue;
        second->x = first->x;
        second->y = first->y;
        second->z = first->z + 3.0f;
    }
    for (std::int64_t r = 0; r <= 1; ++r)
        for (std::int64_t j = 0; j <= last; ++j)
            if (const SamplePoint* p = edge(r, j)) TakeIntoBox(*p);
}

void Cls9::BoxOfSpaceKinds(std::int32_t lngAnimStep) {
    switch (GraphType) {
    case GraphType::Curve3D: {
        const std::int64_t last = LastIndex(StepU, VertCurve3D.Upper(0));
        for (std::int64_t u = 0; u <= last; ++u) TakeIntoBox(VertCurve3D(u));
        break;
    }
    case GraphType::Surface3D:
    case GraphType::ColorMap:
    case GraphType::Contour:
    case GraphType::VectorField: {
        // A surface with an added view lowers its minimum y by 3, making room
        // for the view drawn beneath it.
        const bool lowered = GraphType == GraphType::Surface3D && (ShowContour || ShowVector || ShowColormap);
        const std::int64_t lastU = LastIndex(StepU, Vert3D.Upper(0));
        const std::int64_t lastV = LastIndex(StepV, Vert3D.Upper(1));
        for (std::int64_t u = 0; u <= lastU; ++u)
            for (std::int64_t v = 0; v <= lastV; ++v) {
                const SamplePoint& p = Vert3D(u, v);
                if (!lowered) {
                    TakeIntoBox(p);
                    continue;
                }
                if (p.x > BoxMaxX) BoxMaxX = p.x;
                if (p.x < BoxMinX) BoxMinX = p.x;
                if (p.y > BoxMaxY) BoxMaxY = p.y;
                const float below = p.y - 3.0f;
                if (below < BoxMinY) BoxMinY = below;
                if (p.z > BoxMaxZ) BoxMaxZ = p.z;
                if (p.z < BoxMinZ) BoxMinZ = p.z;
            }
        break;
    }
    case GraphType::Table3D: {
        // Every grid point, an empty element getting a point at the origin.
        const std::int64_t lastU = LastIndex(StepU, PointTable::Upper);
        const std::int64_t lastV = LastIndex(StepV, PointTable::Upper);
        for (std::int64_t u = 0; u <= lastU; ++u)
            for (std::int64_t v = 0; v <= lastV; ++v) TakeIntoBox(VertTab3D(u, v));
        break;
    }
    case GraphType::Curve3DAnimation: {
        const std::int64_t last = LastIndex(StepU, AnimCurve3D.Upper(0));
        for (std::int64_t u = 0; u <= last; ++u)
            if (const SamplePoint* p = AnimCurve3D.Find(u, lngAnimStep)) TakeIntoBox(*p);
        break;
    }
    case GraphType::Surface3DAnimation: {
        const std::int64_t lastU = LastIndex(StepU, Anim3D.Upper(0));
        const std::int64_t lastV = LastIndex(StepV, Anim3D.Upper(1));
        for (std::int64_t u = 0; u <= lastU; ++u)
            for (std::int64_t v = 0; v <= lastV; ++v)
                if (const SamplePoint* p = Anim3D.Find(u, v, lngAnimStep)) TakeIntoBox(*p);
        break;
    }
    case GraphType::Point: BoxOfPoint(Vert3D.Find(0, 0)); break;
    case GraphType::PointAnimation: BoxOfPoint(Anim1D.Find(lngAnimStep)); break;
    default: break; // a kind that is never measured keeps the start values
    }
}

void Cls9::BoxOfPoint(const SamplePoint* p) {
    if (p == nullptr) return;
    // From the origin to the point; a point at the origin gets -1..1.
    if (p->x == 0 && p->y == 0 && p->z == 0) {
        BoxMinX = BoxMinY = BoxMinZ = -1;
        BoxMaxX = BoxMaxY = BoxMaxZ = 1;
        return;
    }
    const auto axis = [](float c, float& mn, float& mx) {
        if (c < 0) {
            mn = c;
            mx = 0;
        } else {
            mn = 0;
            mx = c;
        }
    };
    axis(p->x, BoxMinX, BoxMaxX);
    axis(p->y, BoxMinY, BoxMaxY);
    axis(p->z, BoxMinZ, BoxMaxZ);
}
