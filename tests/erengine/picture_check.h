// Checks on drawn pictures, shared by the renderer's and the window's tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Drawn in something other than the white page: not transparent, not white.
inline bool IsInk(const QColor& c) {
  return c.alpha() != 0 && (c.red() < 235 || c.green() < 235 || c.blue() < 235);
}

// Visits every pixel on the border of a rectangle once.
template <class F>
void ForEachBorderPixel(const QRect& r, F Visit) {
  for (int x = r.left(); x <= r.right(); ++x) {
    Visit(x, r.top());
    if (r.bottom() != r.top()) Visit(x, r.bottom());
  }
  for (int y = r.top() + 1; y < r.bottom(); ++y) {
    Visit(r.left(), y);
    if (r.right() != r.left()) Visit(r.right(), y);
  }
}

// The pixels of the picture's outer ring that are ink: a frame around the
// drawing.
inline int FramePixels(const QImage& Picture) {
  int n = 0;
  ForEachBorderPixel(Picture.rect(),
                     [&](int x, int y) { n += IsInk(Picture.pixelColor(x, y)); });
  return n;
}

// The smallest rectangle that holds every pixel that is not transparent: the
// drawing's page inside its transparent margin (the whole picture in a format
// without transparency).
inline QRect OpaqueArea(const QImage& Picture) {
  QRect Area;
  for (int y = 0; y < Picture.height(); ++y)
    for (int x = 0; x < Picture.width(); ++x)
      if (Picture.pixelColor(x, y).alpha() != 0) Area |= QRect(x, y, 1, 1);
  return Area;
}

// The pixels on the border of the opaque area that are not opaque white: a
// line along the page's edge, or an edge pixel the page covers only in part.
inline int OpaqueBorderPixels(const QImage& Picture) {
  int n = 0;
  ForEachBorderPixel(OpaqueArea(Picture), [&](int x, int y) {
    const QColor c = Picture.pixelColor(x, y);
    n += c.alpha() != 255 || IsInk(c);
  });
  return n;
}
