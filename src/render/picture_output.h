// render/picture_output.h: the views as picture files and the page-fitting rule of printing.
#pragma once
#include <string>

#include "render/canvas.h"
#include "render/frame_buffers.h"

namespace facetry {

// The visible part of a view picture: the `width` x `height` rectangle (the view panel's
// size) whose top left is at the scroll position (left, top) of `picture`, on a white
// background where the rectangle reaches past the picture.
Canvas visibleRectangle(const Canvas& picture, int left, int top, int width, int height);

// "Bitmap": writes `front_view` (Image1 as shown, marker, boxes and cross included) cut to
// the visible rectangle as a BMP. "Jpeg": the same rectangle of ViewBitmap as the last
// drawing left it, as a JPEG. Both throw IoError and leave no half-written file.
void saveViewBitmap(const Canvas& front_view, int left, int top, int width, int height,
                    const std::string& path);
void saveViewJpeg(const FrameBuffers& frame, int left, int top, int width, int height,
                  const std::string& path);
// The survey picture: ViewBitmap's top-left 188 x 148 pixels as a JPEG; ".jpg" is appended
// unless the name ends in it.
void saveSurveyJpeg(const FrameBuffers& frame, const std::string& path);

// The printed size of a w x h picture on a W x H page: a picture smaller than the page is
// scaled up until one side fills it, a larger one down until it fits, keeping its aspect.
struct PrintSize {
  double width, height;
};
PrintSize printFit(double w, double h, double page_width, double page_height);

}  // namespace facetry
