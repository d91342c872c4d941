// render/picture_output.cpp: view pictures and the printed size.
#include "render/picture_output.h"

#include <algorithm>

#include "render/bmp_writer.h"
#include "render/jpeg_writer.h"
#include "render/survey_projection.h"

namespace facetry {

Canvas visibleRectangle(const Canvas& picture, int left, int top, int width, int height) {
  Canvas out(std::max(width, 1), std::max(height, 1));
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      const int sx = left + x, sy = top + y;
      if (sx >= 0 && sy >= 0 && sx < picture.width() && sy < picture.height()) {
        out.setPixel(x, y, picture.pixel(sx, sy));
      }
    }
  }
  return out;
}

void saveViewBitmap(const Canvas& front_view, int left, int top, int width, int height,
                    const std::string& path) {
  writeBmp(visibleRectangle(front_view, left, top, width, height), path);
}

void saveViewJpeg(const FrameBuffers& frame, int left, int top, int width, int height,
                  const std::string& path) {
  writeJpeg(visibleRectangle(frame.ViewBitmap, left, top, width, height), path);
}

void saveSurveyJpeg(const FrameBuffers& frame, const std::string& path) {
  const bool has_extension = path.size() >= 4 && path.compare(path.size() - 4, 4, ".jpg") == 0;
  writeJpeg(visibleRectangle(frame.ViewBitmap, 0, 0, kSurveyWidth, kSurveyHeight),
            has_extension ? path : path + ".jpg");
}

PrintSize printFit(double w, double h, double page_width, double page_height) {
  if (w <= 0 || h <= 0) return {0, 0};
  const double aspect = w / h;
  if (page_width > w && page_height > h) {
    if (h <= w) {
      w = page_width;
      h = page_width / aspect;
    } else {
      h = page_height;
      w = page_height * aspect;
    }
  }
  if (page_width < w) {
    w = page_width;
    h = page_width / aspect;
  }
  if (page_height < h) {
    h = page_height;
    w = page_height * aspect;
  }
  return {w, h};
}

}  // namespace facetry
