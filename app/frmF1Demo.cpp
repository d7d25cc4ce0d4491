// The 演示 menu: every entry under mnuDemo from one table (app/SampleMenu.h);
// each command opens its sample document as File > Open opens a file, save
// question first, and shows its picture filling the drawing area.
#include "app/SampleMenu.h"
#include "app/frmF1.h"
#include "core/Globals.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

void frmF1::CreateSampleMenu(QMenu* demo) {
    std::vector<QMenu*> open{demo}; // the menu of each level being filled
    for (const SampleMenuRow& row : SampleMenuTable()) {
        open.resize(static_cast<std::size_t>(row.level));
        QMenu* parent = open.back();
        switch (row.kind) {
        case MenuKind::Submenu: {
            QMenu* m = parent->addMenu(ToQString(row.caption));
            m->setObjectName(QString::fromLatin1(row.name));
            m->menuAction()->setObjectName(QString::fromLatin1(row.name));
            menuItems_[row.name] = m->menuAction();
            open.push_back(m);
            break;
        }
        case MenuKind::Separator: parent->addSeparator()->setObjectName(QString::fromLatin1(row.name)); break;
        case MenuKind::Item: {
            QAction* a = parent->addAction(ToQString(row.caption));
            a->setObjectName(QString::fromLatin1(row.name));
            const std::string literal = row.path;
            connect(a, &QAction::triggered, this, [this, literal] { RunGuarded([&] { OpenSample(literal); }); });
            menuItems_[row.name] = a;
            break;
        }
        default: break;
        }
    }
}

// A sample replaces the document as a file opened by File > Open does: with
// graphs in view the save question comes first, and a save that did not
// happen opens nothing. A sample that cannot be read leaves the document as
// it was, the reader having said why. An opened sample is shown fitted to the
// drawing area, whatever the view was before (a document keeps no view).
void frmF1::OpenSample(std::string_view pathLiteral) {
    if (!SaveQuestionBeforeOpening()) return;
    if (OpenDocument(SampleDocumentPath(pathLiteral))) FitSampleView();
}

namespace {

// How much of the drawing area a sample's picture takes: its width or its
// height, whichever meets the area's side first, spans this share of that
// side. A plane picture takes in everything its axes draw; the other kinds
// leave room for the labels their axes draw outside the box.
constexpr double PlaneShare = 0.95;
constexpr double OtherShare = 0.8;

// What the plane axes draw beyond their box, in drawing units: the axis lines
// reach 2.1 below it, the arrowheads (with the titles beside them) 2.6 above.
constexpr double PlaneAxesBelow = 2.1;
constexpr double PlaneAxesAbove = 2.6;

using Vec3 = std::array<double, 3>;
double Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec3 Unit(const Vec3& v) {
    const double length = std::sqrt(Dot(v, v));
    return length > 0 ? Vec3{v[0] / length, v[1] / length, v[2] / length} : v;
}
float F(double v) { return static_cast<float>(v); }

} // namespace

// The box the picture is drawn in, before the model rotation: the visible
// graphs' box as the lists take it (an animation's over all its frames), a
// plane one in drawing units with its axes' arrowheads and titles, a strip
// one as deep as its axes, a special one the frame its graphs lie in.
Cls1 frmF1::SamplePictureBox() const {
    Cls1 box = VisibleScene.GetBox(0);
    if (VisibleScene.Animation()) {
        box = UnionStart;
        for (std::int32_t f = 0; f <= FrameCount; ++f) box.Widen(VisibleScene.GetBox(f));
        box = {F(box.MinX - 0.1), F(box.MaxX + 0.1), F(box.MinY - 0.1),
               F(box.MaxY + 0.1), F(box.MinZ - 0.1), F(box.MaxZ + 0.1)};
    }
    switch (DocumentKind) {
    case 1:
    case 4: {
        const double s = Scale2D;
        return {F(box.MinX / s - PlaneAxesBelow), F(box.MaxX / s + PlaneAxesAbove),
                F(box.MinY / s - PlaneAxesBelow), F(box.MaxY / s + PlaneAxesAbove), 0, 0};
    }
    case 2:
    case 5: box.MinZ = 0; box.MaxZ = 3; return box;
    case 7: {
        // The frame as the view shows it (X text across, Y text up), flat
        // at the depth of the lowest value.
        const Cls1 shown = ShownBox(box);
        return {shown.MinX, shown.MaxX, shown.MinY, shown.MaxY, shown.MinZ, shown.MinZ};
    }
    default: return box;
    }
}

// The camera looks at the middle of the picture as the model rotation turns
// it, with a view volume of the drawing area's shape that the picture fills
// to its share; the eye keeps its distance and direction. A picture with
// no extent (or none that is finite) leaves the view as it was.
void frmF1::FitSampleView() {
    if (VisibleScene.FunSurfs.Count() < 1) return;
    const Cls1 b = SamplePictureBox();
    TakeModelRotation();
    const Mat16& m = modelRotation_;
    const Vec3 eye{Camera.EyePos.x, Camera.EyePos.y, Camera.EyePos.z};
    const Vec3 ref{Camera.RefPos.x, Camera.RefPos.y, Camera.RefPos.z};
    const Vec3 ahead = Unit({ref[0] - eye[0], ref[1] - eye[1], ref[2] - eye[2]});
    const Vec3 right = Unit(Cross(ahead, {Camera.VecUp(0), Camera.VecUp(1), Camera.VecUp(2)}));
    const Vec3 up = Cross(right, ahead);
    double left = INFINITY, rightmost = -INFINITY, bottom = INFINITY, top = -INFINITY;
    for (const double x : {b.MinX, b.MaxX})
        for (const double y : {b.MinY, b.MaxY})
            for (const double z : {b.MinZ, b.MaxZ}) {
                const Vec3 p{m[0] * x + m[4] * y + m[8] * z, m[1] * x + m[5] * y + m[9] * z,
                             m[2] * x + m[6] * y + m[10] * z};
                left = std::min(left, Dot(p, right));
                rightmost = std::max(rightmost, Dot(p, right));
                bottom = std::min(bottom, Dot(p, up));
                top = std::max(top, Dot(p, up));
            }
    const double width = rightmost - left, height = top - bottom;
    if (!std::isfinite(width) || !std::isfinite(height) || !(std::max(width, height) > 0)) return;
    const double aspect = double(Camera.ScreenWidth) / Camera.ScreenHeight;
    const double share = DocumentKind == 1 || DocumentKind == 4 ? PlaneShare : OtherShare;
    const double volume = std::max(height, width / aspect) / share;
    Camera.SetViewRect(F(volume * aspect), F(volume));
    // Along the screen's axes the reference point moves to the picture's middle.
    const double dx = (left + rightmost) / 2 - Dot(ref, right), dy = (bottom + top) / 2 - Dot(ref, up);
    Vec3 move{};
    for (int i = 0; i < 3; ++i) move[i] = right[i] * dx + up[i] * dy;
    Camera.SetRef(F(ref[0] + move[0]), F(ref[1] + move[1]), F(ref[2] + move[2]));
    Camera.SetEye(F(eye[0] + move[0]), F(eye[1] + move[1]), F(eye[2] + move[2]));
    Display(CurrentFrame);
}
