#pragma once
// Sample arrays of a graph: Rank-dimensional arrays of points, every index
// from 0 to its upper bound, held in one contiguous block. Indexing hands out
// references to the stored points; an index outside the bounds, or an array
// that was never created, raises the subscript error (9).
//
// Layout: row-major (the last index varies fastest), except for frame arrays
// (FrameOutermost), whose last index is the animation frame: there each frame
// is one contiguous block, row-major inside.
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

    bool Exists() const { return data_ != nullptr; }
    // Number of points (0 when the array does not exist).
    Index Count() const { return count_; }
    // Upper bound of dimension d (-1 when the array does not exist).
    Index Upper(int d) const { return extent_[d] - 1; }

    // Creates the array afresh with the bounds 0..upper in each dimension,
    // every element a new point at the origin (Cls2 defaults). The block is
    // reused when it has the same size and no one shares it (see Share);
    // otherwise a new block is allocated, so shared points keep their values.
    // A negative bound, more than MaxSamplePoints elements or a failed
    // allocation drops the array and returns false; nothing is allocated then.
    template <class... U>
    bool Create(U... upper) {
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
        if (data_ != nullptr && data_.use_count() == 1 && count == count_) {
            std::fill_n(data_.get(), count, Cls2{});
        } else {
            data_.reset();
            try {
                data_ = std::shared_ptr<Cls2[]>(new Cls2[count]);
            } catch (const std::bad_alloc&) {
                Clear();
                return false;
            }
        }
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

    // Drops the array (and its points, unless someone shares them).
    void Clear() {
        data_.reset();
        count_ = 0;
        extent_.fill(0);
        stride_.fill(0);
    }

    // The stored point; raises the subscript error when the array does not
    // exist or an index is outside its bounds.
    template <class... I>
    Cls2& operator()(I... idx) {
        Cls2* p = Find(idx...);
        if (p == nullptr) RaiseSubscriptError();
        return *p;
    }
    template <class... I>
    const Cls2& operator()(I... idx) const {
        const Cls2* p = Find(idx...);
        if (p == nullptr) RaiseSubscriptError();
        return *p;
    }

    // The stored point, or nullptr when the array does not exist or an index
    // is outside its bounds.
    template <class... I>
    Cls2* Find(I... idx) noexcept {
        const Index off = OffsetOf(idx...);
        return off < 0 ? nullptr : data_.get() + off;
    }
    template <class... I>
    const Cls2* Find(I... idx) const noexcept {
        const Index off = OffsetOf(idx...);
        return off < 0 ? nullptr : data_.get() + off;
    }

    // A shared reference to the stored point that keeps it (and its block)
    // alive and unchanged across later Create calls. Raises like operator().
    template <class... I>
    Cls2Ptr Share(I... idx) {
        Cls2* p = &(*this)(idx...);
        return Cls2Ptr(data_, p);
    }

    // Raw access for the samplers and the drawing: element (i0, i1, ...) is
    // Data()[i0 * Stride(0) + i1 * Stride(1) + ...].
    Cls2* Data() noexcept { return data_.get(); }
    const Cls2* Data() const noexcept { return data_.get(); }
    Index Stride(int d) const { return stride_[d]; }

private:
    // Offset of an element, -1 when it does not exist.
    template <class... I>
    Index OffsetOf(I... idx) const noexcept {
        static_assert(sizeof...(I) == Rank, "one index per dimension");
        const std::array<Index, Rank> ix{static_cast<Index>(idx)...};
        if (data_ == nullptr) return -1;
        Index off = 0;
        for (int d = 0; d < Rank; ++d) {
            if (ix[d] < 0 || ix[d] >= extent_[d]) return -1;
            off += ix[d] * stride_[d];
        }
        return off;
    }

    std::shared_ptr<Cls2[]> data_;
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
