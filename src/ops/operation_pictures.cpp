// ops/operation_pictures.cpp: line drawings on a 120 x 90 grid scaled to the canvas. The
// pattern pictures draw the same pieces the commands make, from extendPieces.
#include "ops/operation_pictures.h"

#include "edit/sketch.h"
#include "ops/extend_faces.h"

namespace facetry {

namespace {

constexpr Rgb kPiece{40, 80, 200};
constexpr Rgb kKept{170, 200, 240};

FaceCorner at(double x, double y) {
  FaceCorner c;
  c.x = static_cast<float>(x);
  c.y = static_cast<float>(y);
  return c;
}

// The triangle of the pictures: wide at the bottom, its longest edge from the first corner
// to the third, as the Complex2 pattern wants.
const FaceCorner kA = at(15, 80), kB = at(60, 10), kC = at(105, 80);

void drawPieces(Sketch& d, ExtendPattern pattern) {
  for (const auto& piece : extendPieces(pattern, kA, kB, kC)) {
    for (int i = 0; i < 3; ++i) {
      const FaceCorner& p = piece[static_cast<std::size_t>(i)];
      const FaceCorner& q = piece[static_cast<std::size_t>((i + 1) % 3)];
      d.line(p.x, p.y, q.x, q.y, kPiece);
    }
  }
}

void drawTriangle(Sketch& d) {
  d.line(kA.x, kA.y, kB.x, kB.y);
  d.line(kB.x, kB.y, kC.x, kC.y);
  d.line(kC.x, kC.y, kA.x, kA.y);
}

// The two objects of the boolean pictures: the first on the left, the second overlapping
// it on the right, with the region `keep` fills drawn first.
void drawSquares(Sketch& d, OperationPicture picture) {
  const double a0 = 12, a1 = 72, b0 = 48, b1 = 108, top = 15, bottom = 75;
  const double lower = 30;  // the second square stands a little lower
  switch (picture) {
    case OperationPicture::Subtract:
    case OperationPicture::Remove:
      d.fill(a0, top, b0, bottom, kKept);
      d.fill(b0, top, a1, lower, kKept);
      break;
    case OperationPicture::Add:
      d.fill(a0, top, a1, bottom, kKept);
      d.fill(b0, lower, b1, bottom + 10, kKept);
      break;
    case OperationPicture::Intersect:
      d.fill(b0, lower, a1, bottom, kKept);
      break;
    default:
      break;
  }
  d.rect(a0, top, a1, bottom);
  if (picture != OperationPicture::Remove) d.rect(b0, lower, b1, bottom + 10);
  if (picture == OperationPicture::Remove) {
    // The hole the second object leaves open.
    d.line(b0, lower, a1, lower, kPiece);
    d.line(b0, lower, b0, bottom, kPiece);
  }
  if (picture == OperationPicture::Boolean) {
    d.dot(30, 45);
    d.dot(90, 72);
  }
}

}  // namespace

Canvas operationPicture(OperationPicture picture, int width, int height) {
  Sketch d(width, height);
  switch (picture) {
    case OperationPicture::ExtendFaces:
      break;
    case OperationPicture::Simple:
      drawPieces(d, ExtendPattern::Simple);
      break;
    case OperationPicture::Normal:
      drawPieces(d, ExtendPattern::Normal);
      break;
    case OperationPicture::Complex:
      drawPieces(d, ExtendPattern::Complex);
      break;
    case OperationPicture::Complex2:
      drawPieces(d, ExtendPattern::Complex2);
      break;
    case OperationPicture::User:
      d.line(70, 5, 30, 88, kPiece);
      d.dot(70, 5);
      d.dot(30, 88);
      break;
    default:
      drawSquares(d, picture);
      return d.take();
  }
  drawTriangle(d);
  return d.take();
}

}  // namespace facetry
