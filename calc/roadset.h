// Trazel: the road model of Vantorel and all of its mathematics.
//
// Conventions used throughout: coordinates are plane survey coordinates in
// metres with X the northing and Y the easting; azimuths are radians from +X
// towards +Y (clockwise on a map) kept in [0, 2π]; stations ("mile", L) and
// offsets are metres, offsets positive to the right of increasing station;
// curvatures are stored unsigned as 1/R with the turn direction in `pz`
// (1 = right); signed radii at interfaces are positive for a right turn.
//
// This header declares everything the library exports and includes no Qt.
#ifndef TRAZEL_ROADSET_H
#define TRAZEL_ROADSET_H

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#define TRAZEL_EXPORT __attribute__((visibility("default")))

// Angle conversions. Packed DMS values are D.MMSSsss: whole degrees, then two
// digits of minutes, two of seconds and three of thousandths of a second.
TRAZEL_EXPORT double deg2rad(double x);
TRAZEL_EXPORT double rad2deg(double x);
TRAZEL_EXPORT double rad2dms(double x);
TRAZEL_EXPORT double dms2rad(double x);
TRAZEL_EXPORT void NormalizeRad(double& a);

// Named after the library; carries nothing.
class TRAZEL_EXPORT Trazel
{
public:
    Trazel();
    Trazel& operator=(const Trazel&);
};

// One element of the horizontal alignment: the start point (type 0), a line
// (1), a circular arc (2) or a clothoid spiral (3).
struct TRAZEL_EXPORT RoadEntity
{
    int type;
    double radius;  // arc radius, always positive; 0 for other types
    double rou1;    // curvature at the start, >= 0
    double rou2;    // curvature at the end, >= 0
    double x1;
    double y1;
    double x2;
    double y2;
    double angle1;  // azimuth at the start
    double angle2;  // azimuth at the end
    double l1;      // station of the start
    double length;
    int pz;    // 1 turns right, 0 turns left (or straight)
    int mode;  // bit 1: angle1 is the element's own; bit 2: x1, y1 are

    RoadEntity();
    RoadEntity(const RoadEntity&) = default;
    RoadEntity& operator=(const RoadEntity&) = default;
    virtual ~RoadEntity() = default;
    virtual void Dump() const;

    // Fills the element from design values; signed radii, 0 = infinite.
    // Returns 0, or -1 (too short), 3, 4, 5 or 9 for refused input.
    int set(int type, double x1, double y1, double angle1, double R1, double R2, double length,
            int mode);
    void Reset(double x1, double y1, double angle1, double length, double l1, int mode);
    void Clear();

    // Point and tangent azimuth at station L; pAngle may be null. Stations
    // outside the element extend its geometry.
    void L2XY(double L, double* pX, double* pY, double* pAngle) const;
    // Foot of (x, y) on the element. pL, pAngle and pOffset may be null.
    bool XY2L(double x, double y, double* pX, double* pY, double* pL, double* pAngle,
              double* pOffset) const;
    // Arc through three points pts = {x1, y1, x2, y2, x3, y3}; the circle's
    // centre goes to center[0..1]. Returns 1 for collinear points.
    int ArcFrom3P(const double* pts, double* center);
};

// One intersection point (PI) with the curve it carries.
struct TRAZEL_EXPORT CrossEntity
{
    double x;
    double y;
    double l;
    double radius;
    double arcLen;
    double spiralLenIn;
    double spiralLenOut;
    double tangentLenIn;
    double tangentLenOut;
    double angle;

    CrossEntity();
    CrossEntity(const CrossEntity&) = default;
    CrossEntity& operator=(const CrossEntity&) = default;
    virtual ~CrossEntity() = default;
    virtual void Dump() const;
    void ReSet();
};

// Why the conversion of intersection points into elements stopped, in
// terms a designer can act on. Point numbers are list indexes (0 is the
// start point).
struct TRAZEL_EXPORT CrossDiagnosis
{
    enum Reason {
        Converted,
        NoPoints,
        // The straight between `point` and `neighbour` would be shorter than
        // the tolerance allows: their tangents overlap by `overlap` metres.
        TangentsOverlap,
        // The curve at `point`, turning by `curveTurn`, ends `misclosure`
        // metres from where its legs, turning by `legTurn`, need it.
        CurveMissesItsLegs,
        // The curve at `point` has elements that cannot be built;
        // `elementCode` is the refusal of RoadEntity::set (3 an arc without
        // radius, 4 a spiral between equal radii).
        CurveNotBuilt,
        // The legs at `point` run on in a straight line, yet it has a curve.
        PointOnStraight
    };

    Reason reason = Converted;
    int code = 0;  // the result of the conversion
    int point = 0;
    int neighbour = 0;
    double overlap = 0.0;
    double misclosure = 0.0;
    double curveTurn = 0.0;  // radians, unsigned
    double legTurn = 0.0;    // radians, positive to the right
    int elementCode = 0;
};

// One change-of-grade point of the profile.
struct TRAZEL_EXPORT VerticalEntity
{
    double mile;
    double height;
    double slope;    // grade to the next point (derived)
    double radius;   // vertical curve radius, 0 = none
    double tangent;  // half-length of the vertical curve (derived)

    VerticalEntity();
};

// One break point of a cross-section template.
struct TRAZEL_EXPORT SectionItem
{
    double dist = 0.0;
    double dh = 0.0;
};

struct TRAZEL_EXPORT RoadTemplate
{
    std::vector<SectionItem> items;
    std::string name;
};

// Assigns a left and a right template to the station range [L1, L2).
struct TRAZEL_EXPORT RoadSection
{
    std::string left;
    std::string right;
    double L1 = 0.0;
    double L2 = 0.0;
};

// The state of a walk over the stake stations; filled by RoadSet::first.
class TRAZEL_EXPORT RoadIter
{
public:
    enum StakeType { Norm = 0, Head = 1, Tail = 2, Main = 3 };

    int stakeType = Norm;
    int index = 0;
    double prevOff = 0.0;
    double station = 0.0;
    double nextOff = 0.0;
    double interval = 0.0;
    double base = 0.0;
    double startL = 0.0;
    double endL = 0.0;
    bool integral = false;
    bool keyPoints = false;

    int type() const { return stakeType; }
    double current() const { return station; }
};

class SpatialIndex;

class TRAZEL_EXPORT RoadSet
{
public:
    enum Version { VerCurrent = 0, VerOlder = 1, VerNewer = 2 };

    static const int currVer;  // the road file version this library writes
    static int fileVer;        // version read from the last loaded file
    static Version Ver;        // how that file compares, decided by the GUI

    RoadSet();
    RoadSet(const RoadSet&);
    RoadSet& operator=(const RoadSet&);
    virtual ~RoadSet();
    virtual void Dump() const;

    // Counts and access; an index outside [0, count) gives nullptr. The
    // non-const GetHorizon lets the caller change the element, so XY2L
    // rebuilds its spatial index from the elements as they then are; write
    // through that pointer before the next XY2L, not after it.
    int NumberOfHorizon() const;
    int NumberOfCross() const;
    int NumberOfVertical() const;
    int NumberOfTemplates() const;
    int NumberOfSections() const;
    RoadEntity* GetHorizon(int i);
    const RoadEntity* GetHorizon(int i) const;
    CrossEntity* GetCross(int i);
    const CrossEntity* GetCross(int i) const;
    VerticalEntity* GetVertical(int i);
    const VerticalEntity* GetVertical(int i) const;
    RoadTemplate* GetTemplate(int i);
    const RoadTemplate* GetTemplate(int i) const;
    RoadSection* GetSection(int i);
    const RoadSection* GetSection(int i) const;

    void InsertHorizon(const RoadEntity& e);
    void InsertCross(const CrossEntity& c);
    void InsertVertical(const VerticalEntity& v);
    void AddTemplate(const RoadTemplate& t);

    // Element builders: append without validation.
    void InsertHorizonPoint(double x, double y, double L);
    void InsertHorizonLine(double angle, double length);
    void InsertHorizonLine(double length);
    void InsertHorizonArc(double R, double length);
    void InsertHorizonSpiral(double length);

    bool isHorizonEmpty() const;
    bool isVerticalEmpty() const;
    bool CanUseCross() const;

    bool IsModified() const;
    void SetModified(bool m);
    const char* FilePath() const;
    // The file the road belongs to, for a road whose content came from
    // another copy of it (an undone edit keeps the file it was saved to).
    void SetFilePath(const std::string& path);
    void ClearFilePath();

    void ClearHorizon();
    void ClearCross();
    void ClearVertical();
    void ClearSection();
    void ClearTemplate();
    void ClearAll();
    void NewRoad();

    // Chains the elements from the start values of element 1.
    // Returns 1 when there are fewer than two elements, else 0.
    int ApplyHorizon();
    int ApplyHorizon_v2();

    // Station and offset <-> plane coordinates over the whole road. XY2L
    // takes, of the elements that face the point (it lies ahead of their
    // start and behind their end), the one whose foot is nearest. Concurrent
    // calls are safe on a road that nobody changes meanwhile; a call of the
    // non-const GetHorizon counts as a change, so let worker threads query
    // a copy of a road the GUI keeps using.
    bool L2XY(double L, double offset, double* pX, double* pY, double* pAngle = nullptr) const;
    int L2XY(const RoadIter& it, double offset, double* pX, double* pY,
             double* pAngle = nullptr) const;
    bool XY2L(double x, double y, double* pX, double* pY, double* pL = nullptr,
              double* pAngle = nullptr, double* pOffset = nullptr) const;

    // The stake walk. first returns the element index of the first stake, or
    // 0 (iterator untouched) for a road without elements or an interval <= 0.
    int first(RoadIter& it, double interval, double start, bool integral, bool keyPoints) const;
    double iter(RoadIter& it, bool forward) const;

    // Intersection points <-> elements.
    static void CalTangent(CrossEntity* e);
    static void CalTangent_v2(CrossEntity* e);
    int FromCross();
    int FromCrossWithAdjust(int& index);
    // The same, telling why a conversion failed.
    int FromCrossWithAdjust(int& index, CrossDiagnosis& diagnosis);
    bool ToCross_v2();
    bool ToCross();

    // Profile.
    int ApplyVertical();
    bool CalElevation(double mile, double* height, double* slope) const;

    // Templates and sections.
    RoadTemplate* GetTemplateByName(const std::string& name);
    bool AddSection(const RoadSection& s);
    RoadSection* GetSectionByLC(double mile);
    double CalDetaH(RoadSection* section, double offset);

    // The road file and the intersection-point file.
    bool Save(const std::string& path);
    bool Load(const std::string& path);
    bool SaveCross(const std::u16string& path);
    bool LoadCross(const std::u16string& path);

protected:
    // The parts of the curve group being collected by ToCross_v2.
    struct _PARA_ADD_CROSS
    {
        RoadEntity* first = nullptr;
        RoadEntity* arc = nullptr;
        RoadEntity* last = nullptr;
    };

    void Offset(double& x, double& y, double offset, double angle) const;
    double prevoff(const RoadIter& it) const;
    double nextoff(const RoadIter& it) const;
    double lengthBeside(int i, int step) const;
    double stopAtEnd(RoadIter& it, bool forward) const;

    double getLength(CrossEntity* a, CrossEntity* b);
    double getAngle(CrossEntity* a, CrossEntity* b);
    int insertArcsFromCross(CrossEntity* p, double azimuth, double* pL, double* pX, double* pY);
    int CheckStateAndAddCross(int& groupState, _PARA_ADD_CROSS& para);

    std::vector<RoadEntity> horizon;
    std::vector<CrossEntity> cross;
    std::vector<VerticalEntity> vertical;
    std::vector<RoadSection> sections;
    std::vector<RoadTemplate> templates;
    bool modified;
    std::string filePath;
    bool useCross;

private:
    // The spatial index of the elements behind XY2L, built by the first
    // XY2L after the elements may have changed (one thread builds, others
    // wait). A copy starts without one.
    class IndexCache
    {
    public:
        IndexCache();
        IndexCache(const IndexCache&);
        IndexCache& operator=(const IndexCache&);
        ~IndexCache();

        // For whatever changes the elements.
        void drop();
        const SpatialIndex& of(const std::vector<RoadEntity>& elements) const;

    private:
        mutable std::mutex mutex_;
        mutable std::atomic<const SpatialIndex*> built_;
        mutable std::unique_ptr<SpatialIndex> owned_;
        // Indexes replaced while other threads may still read them; freed
        // by drop(), which no query runs beside.
        mutable std::vector<std::unique_ptr<SpatialIndex>> retired_;
    };

    IndexCache horizonIndex;
};

#endif  // TRAZEL_ROADSET_H
