#pragma once
// The graph: one class for every kind of graph, selected by GraphType. It holds
// the graph's settings (the groups of GraphSettings.h, reached by their own
// names), its sample arrays and its table points.
//
// The sampling (GetPoints), the drawing (Draw, in render/) and the record
// writing (Save, SaveTable, in document/) are members defined by the layers
// that do that work.
#include "core/Globals.h"
#include "graph/Cls1.h"
#include "graph/Cls2.h"
#include "graph/GraphEnums.h"
#include "graph/GraphSettings.h"
#include "graph/PointArray.h"
#include "graph/PointTable.h"

#include <cstdint>
#include <memory>
#include <string>

class SamplingContext;

class Cls9 : public GraphCore,
             public PlaneAnalysisSettings,
             public StepStemSettings,
             public IntersectionSettings,
             public AnimationSettings,
             public SurfaceViewSettings,
             public TableDisplaySettings,
             public SpaceOverlaySettings,
             public VectorSettings,
             public OdeSettings,
             public LimitSettings,
             public SeriesSettings,
             public TextureSettings {
public:
    Cls9() = default;
    // A graph is one object shared by the scenes and dialogs, never copied
    // implicitly; EqualTo and TabEqualTo carry settings between graphs.
    Cls9(const Cls9&) = delete;
    Cls9& operator=(const Cls9&) = delete;

    // Sample arrays, made afresh by the sampling for the graph's kind (N is
    // FrameCount). An array the sampling never made does not exist: indexing
    // it raises the subscript error. Frame arrays keep each frame contiguous.
    PointGrid Vert3D;        // (0..StepU, 0..StepV) main samples; plane curves use row 0,
                             // a strip rows 0 and 1 (row 1 made by GetBox)
    PointGrid VertPX;        // (0..StepU, 0..StepV) surface of df/dx
    PointGrid VertPY;        // (0..StepU, 0..StepV) surface of df/dy
    PointGrid VertInter;     // (0..StepU, 0..StepV) second function of an intersection, row 0
    PointList VertCurve3D;   // (0..StepU) space curve
    PointGrid VertDev;       // (0..StepU, 0..StepV) first derivative, row 0
    PointGrid VertDev2;      // (0..StepU, 0..StepV) second derivative, row 0
    PointGrid VertRev;       // (0..40, 0..StepV) surface of revolution
    PointGrid VertJO;        // (0..StepU, 0..StepV) f(-x), row 0
    PointTable VertTab3D;    // (0..200, 0..200) table points, always present
    PointGrid VertODE;       // (0..StepU, 0..StepV) Euler step k of solution j
    PointList Anim1D;        // (0..N) point of each frame
    FramePoints2 Anim2D;     // (0..StepV, 0..N) plane animation
    FramePoints3 Anim3D;     // (0..StepU, 0..StepV, 0..N) surface animation
    FramePoints2 AnimCurve3D; // (0..StepU, 0..N) space-curve animation
    FramePoints3 Anim25D;    // (0..1, 0..StepV, 0..N) strip edges; row 1 made by GetBox
    // (A new sample array is also moved by TakeSamples.)

    // Moves every sample array above (not the table points) from `from` into
    // this graph, leaving `from` without samples: an edit samples a copy of
    // the graph first and hands the samples over once that succeeded.
    void TakeSamples(Cls9& from);

    // The number of frame steps of every animated graph: FrameCount now.
    std::int32_t StepT() const { return FrameCount; }

    // A new graph from the values every graph dialog collects; the graph it is
    // called on plays no part. The new graph has no samples and FunForm 0.
    static std::shared_ptr<Cls9> Init(std::int32_t lngID, const std::string& strName,
                                      std::int32_t gtpGraphType, std::int32_t dtpCoordType,
                                      const std::string& strExpX, const std::string& strExpY,
                                      const std::string& strExpZ, std::int32_t lngStepU,
                                      std::int32_t lngStepV, float sngMinU, float sngMaxU,
                                      float sngMinV, float sngMaxV, std::int32_t fstFillStyle,
                                      std::int32_t lngFirstColor, std::int32_t lngSecondColor,
                                      std::int32_t lngLineColor, std::int32_t lngLineWidth,
                                      std::int32_t MatType, std::int32_t shwShow,
                                      std::int32_t smtSmooth, bool bolShowCon = false,
                                      bool bolShowVec = false, bool bolShowColormap = false,
                                      std::int32_t lngConLevel = 0);

    // Assigns the same values as Init (without the ID) and the form to this graph.
    void Equal(const std::string& strName, std::int32_t gtpGraphType, std::int32_t ctpCoordType,
               const std::string& strExpX, const std::string& strExpY, const std::string& strExpZ,
               std::int32_t lngStepU, std::int32_t lngStepV, float sngMinU, float sngMaxU,
               float sngMinV, float sngMaxV, std::int32_t fstFillStyle, std::int32_t lngFirstColor,
               std::int32_t lngSecondColor, std::int32_t lngLineColor, std::int32_t lngLineWidth,
               std::int32_t MatType, std::int32_t shwShow, std::int32_t smtSmooth,
               bool bolShowCon = false, bool bolShowVec = false, bool bolShowColormap = false,
               std::int32_t lngConLevel = 0, std::int32_t ffFunForm = 0);

    // Copies every setting of a graph given by expressions from fsfnew. Kept:
    // ID, the plane-table display settings, entry 0 of each position list and
    // the entries above the copied count, MinT/MaxT unless the copied Animation
    // is True, every point array and table, and the box fields.
    void EqualTo(const Cls9& fsfnew);
    // Copies a table graph from fsfnew, sharing its table points (the same
    // point objects, not copies).
    void TabEqualTo(Cls9& fsfnew);

    // The box the graph occupies in drawing coordinates, for frame lngAnimStep
    // of an animated kind. Also builds row 1 of a strip from row 0 (z + 3),
    // creates the table points it reads, and leaves its extremes in the box
    // fields. Elements that are missing or outside an array are skipped; an
    // empty box keeps the start values (minimum 9999999, maximum -9999999).
    // Polar implicit/inequality plane graphs return PolarImplicitBox() as it
    // stands; a vector operation measures its own vectors (V1, V2 where drawn,
    // the result) and pads each axis to -(m + 3)..m + 3.
    Cls1 GetBox(std::int32_t lngAnimStep = 0);

    // The box fields as the last GetBox (or drawing) left them.
    Cls1 BoxFields() const { return Cls1{BoxMinX, BoxMaxX, BoxMinY, BoxMaxY, BoxMinZ, BoxMaxZ}; }

    // Samples the expressions into the arrays for the graph's kind.
    bool GetPoints();
    // Draws the graph (frame lngAnimStep of an animated graph).
    void Draw(std::int32_t lngAnimStep = 0);
    // The graph's record, and the record of a table graph (which creates the
    // grid points it writes).
    std::string Save();
    std::string SaveTable();

private:
    // Tests reach the private sampling helpers through this.
    friend struct Cls9TestAccess;

    // Samplers that GetPoints dispatches to by GraphType, with the texts,
    // steps and arrays it prepared. Each returns False as soon as an
    // evaluation answers False (GetPoints then returns False).
    bool SamplePlane(SamplingContext& ctx);      // 0, 3, 20, 21, 22, 23, 37: the plane loop
    void SampleRevolution();                     // 21, 22: the ring grid after the plane loop
    bool SampleSeries(SamplingContext& ctx);     // 38
    bool SampleAnalysis(SamplingContext& ctx);   // every kind: derivative and f(-x) samples
    void SampleODE(SamplingContext& ctx);        // 36: Euler solutions, after the analysis
    bool SampleSpaceCurve(SamplingContext& ctx); // 1
    bool SampleSurface(SamplingContext& ctx);    // 2, 13, 14, 15 with VertPX / VertPY
    bool SampleSinglePoint(SamplingContext& ctx); // 7
    bool SampleAnimation(SamplingContext& ctx);  // 8..12

    // The text with its free variable (x, u or a by CoordType and FunForm)
    // replaced by its negation; "" for the forms without one.
    std::string MirrorExpression(const std::string& text) const;
    // True for a one-character text that is a Latin letter.
    static bool IsLetter(const std::string& text);

    // Extremes of the last bounding box, read and written by it and by the drawing.
    float BoxMaxX = 0;
    float BoxMinX = 0;
    float BoxMaxY = 0;
    float BoxMinY = 0;
    float BoxMaxZ = 0;
    float BoxMinZ = 0;

    void TakeIntoBox(const SamplePoint& p);
    void TakeIntoBoxXY(const SamplePoint& p);
    void BoxOfPlaneKinds(std::int32_t lngAnimStep);
    void BoxOfStrip(std::int32_t lngAnimStep);
    void BoxOfSpaceKinds(std::int32_t lngAnimStep);
    void BoxOfPoint(const SamplePoint* p);
};

// The key of a graph in both scenes: the decimal text of its ID.
std::string GraphKey(std::int32_t id);
inline std::string GraphKey(const Cls9& graph) { return GraphKey(graph.ID); }
