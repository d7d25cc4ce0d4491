#pragma once
// Sample arrays of a graph: Rank-dimensional arrays of points (their
// coordinates, SamplePoint), every index from 0 to its upper bound, held in
// one contiguous block. Indexing hands out references to the stored points,
// Set copies a point in; an index outside the bounds, or an array that was
// never created, raises the subscript error (9).
//
// Layout: row-major (the last index varies fastest), except for frame arrays
// (FrameOutermost), whose last index is the animation frame: there each frame
// is one contiguous block, row-major inside.
//
// An array created as deferred (CreateDeferred) has its bounds and its fresh
// points at once, but takes its memory only when a point is first reached.
#include "core/Errors.h"
#include "graph/Cls2.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <new>

// Most sample points one graph may hold; no single array is ever made larger.
inline constexpr std::int64_t MaxSamplePoints = 10'000'000;

template <int Rank, bool FrameOutermost = false>
class PointArray {
    static_assert(Rank >= 1 && Rank <= 3);
    static_assert(!FrameOutermost || Rank >= 2, "a frame array has a frame index after its point index");

public:
    using Index = std::int64_t;

    bool Exists() const { return data_ != nullptr || deferred_; }
    // Number of points (0 when the array does not exist).
    Index Count() const { return count_; }
    // Upper bound of dimension d (-1 when the array does not exist).
    Index Upper(int d) const { return extent_[d] - 1; }

    // Creates the array afresh with the bounds 0..upper in each dimension,
    // every element a new point at the origin. The block is reused when it has
    // the same size and no one shares it; otherwise a new block is allocated.
    // A negative bound, more than MaxSamplePoints elements or a failed
    // allocation drops the array and returns false; nothing is allocated then.
    template <class... U>
    bool Create(U... upper) {
        if (!Shape(upper...)) return false;
        if (data_ != nullptr && data_.use_count() == 1 && allocated_ == count_) {
            std::fill_n(data_.get(), count_, SamplePoint{});
            return true;
        }
        data_.reset();
        if (!Allocate()) {
            Clear();
            return false;
        }
        return true;
    }

    // The same array, every point at the origin, whose memory is taken when
    // a point is first reached (for arrays that a graph's kind keeps but never
    // fills). Refuses the same bounds as Create.
    template <class... U>
    bool CreateDeferred(U... upper) {
        if (!Shape(upper...)) return false;
        data_.reset();
        allocated_ = 0;
        deferred_ = true;
        return true;
    }

    // Drops the array (and its points, unless someone shares them).
    void Clear() {
        data_.reset();
        allocated_ = 0;
        deferred_ = false;
        count_ = 0;
        extent_.fill(0);
        stride_.fill(0);
    }

    // The stored point; raises the subscript error when the array does not
    // exist or an index is outside its bounds.
    template <class... I>
    SamplePoint& operator()(I... idx) {
        SamplePoint* p = Find(idx...);
        if (p == nullptr) RaiseSubscriptError();
        return *p;
    }
    template <class... I>
    const SamplePoint& operator()(I... idx) const {
        const SamplePoint* p = Find(idx...);
        if (p == nullptr) RaiseSubscriptError();
        return *p;
    }

    // Copies the coordinates of p into the stored point (the array holds
    // values: p stays the caller's own). Raises like operator().
    void Set(Index i, const SamplePoint& p)
        requires(Rank == 1)
    {
        (*this)(i) = p;
    }
    void Set(Index i, Index j, const SamplePoint& p)
        requires(Rank == 2)
    {
        (*this)(i, j) = p;
    }
    void Set(Index i, Index j, Index k, const SamplePoint& p)
        requires(Rank == 3)
    {
        (*this)(i, j, k) = p;
    }

    // The stored point, or nullptr when the array does not exist or an index
    // is outside its bounds.
    template <class... I>
    SamplePoint* Find(I... idx) noexcept {
        const Index off = OffsetOf(idx...);
        return off < 0 || !Reached() ? nullptr : data_.get() + off;
    }
    template <class... I>
    const SamplePoint* Find(I... idx) const noexcept {
        const Index off = OffsetOf(idx...);
        return off < 0 || !Reached() ? nullptr : data_.get() + off;
    }

    // A new point (Cls2 defaults) with the coordinates of the stored one: a
    // copy that keeps them across later Create calls. Raises like operator().
    template <class... I>
    Cls2Ptr Share(I... idx) {
        return std::make_shared<Cls2>((*this)(idx...));
    }

    // Raw access for the samplers and the drawing: element (i0, i1, ...) is
    // Data()[i0 * Stride(0) + i1 * Stride(1) + ...]; nullptr when the array
    // does not exist.
    SamplePoint* Data() noexcept { return Reached() ? data_.get() : nullptr; }
    const SamplePoint* Data() const noexcept { return Reached() ? data_.get() : nullptr; }
    Index Stride(int d) const { return stride_[d]; }

private:
    // Checks the bounds and sets the shape (dropping the array when they are
    // refused).
    template <class... U>
    bool Shape(U... upper) {
        static_assert(sizeof...(U) == Rank, "one upper bound per dimension");
        const std::array<Index, Rank> ub{static_cast<Index>(upper)...};
        Index count = 1;
        for (Index u : ub) {
            if (u < 0 || u >= MaxSamplePoints) {
                Clear();
                return false;
            }
            count *= u + 1;
            if (count > MaxSamplePoints) {
                Clear();
                return false;
            }
        }
        deferred_ = false;
        count_ = count;
        for (int d = 0; d < Rank; ++d) extent_[d] = ub[d] + 1;
        // Strides: the innermost dimension is the last one, or for frame
        // arrays the one before the frame index.
        Index stride = 1;
        const int last = FrameOutermost ? Rank - 2 : Rank - 1;
        for (int d = last; d >= 0; --d) {
            stride_[d] = stride;
            stride *= extent_[d];
        }
        if (FrameOutermost) stride_[Rank - 1] = stride;
        return true;
    }

    // A block of count_ points at the origin; false when memory ran out.
    bool Allocate() const noexcept {
        try {
            data_ = std::shared_ptr<SamplePoint[]>(new SamplePoint[count_]);
        } catch (const std::bad_alloc&) {
            return false;
        }
        allocated_ = count_;
        return true;
    }

    // True when the points can be reached: a deferred array takes its block
    // now (and stays unreachable if memory ran out).
    bool Reached() const noexcept {
        if (data_ != nullptr) return true;
        if (!deferred_ || !Allocate()) return false;
        deferred_ = false;
        return true;
    }

    // Offset of an element, -1 when it does not exist.
    template <class... I>
    Index OffsetOf(I... idx) const noexcept {
        static_assert(sizeof...(I) == Rank, "one index per dimension");
        const std::array<Index, Rank> ix{static_cast<Index>(idx)...};
        if (data_ == nullptr && !deferred_) return -1;
        Index off = 0;
        for (int d = 0; d < Rank; ++d) {
            if (ix[d] < 0 || ix[d] >= extent_[d]) return -1;
            off += ix[d] * stride_[d];
        }
        return off;
    }

    // The block, allocated at creation or, for a deferred array, when first
    // reached; the drawing and tests may reach points through const access.
    mutable std::shared_ptr<SamplePoint[]> data_;
    mutable Index allocated_ = 0;
    mutable bool deferred_ = false;
    Index count_ = 0;
    std::array<Index, Rank> extent_{};
    std::array<Index, Rank> stride_{};
};

// (0..n)
using PointList = PointArray<1>;
// (0..m, 0..n), rows contiguous
using PointGrid = PointArray<2>;
// (0..n, 0..frames) and (0..m, 0..n, 0..frames), each frame contiguous
using FramePoints2 = PointArray<2, true>;
using FramePoints3 = PointArray<3, true>;
