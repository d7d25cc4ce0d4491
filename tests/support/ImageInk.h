#pragma once
// The bounding box of the pixels of a picture that pass a test.
#include <QImage>
#include <QRect>

// The smallest rectangle holding every pixel p of `image` with like(p) true
// (right() and bottom() are its last column and row), or a null QRect when no
// pixel passes: the union of the passing pixels' 1 x 1 rectangles.
template <class Like>
QRect PixelBounds(const QImage& image, Like&& like) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!like(image.pixel(x, y))) continue;
            if (x < left) left = x;
            if (x > right) right = x;
            if (y < top) top = y;
            if (y > bottom) bottom = y;
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
