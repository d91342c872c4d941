// render/frame_buffers.cpp: allocation and clearing of the shared bitmap and depth buffer.
#include "render/frame_buffers.h"

#include <algorithm>
#include <utility>

namespace facetry {

FrameBuffers::FrameBuffers()
    : ViewBitmap(kBitmapSize, kBitmapSize),
      DepthBuffer(static_cast<std::size_t>(kDepthSize) * kDepthSize, kDepthClear),
      DepthClearRow(kDepthSize, 0),
      BackgroundRow(kBitmapSize * 3, 255),
      images{Canvas(kImageSize, kImageSize), Canvas(kImageSize, kImageSize),
             Canvas(kImageSize, kImageSize)} {
  // Columns 0..815 of the clear row are "far away"; the margins stay 0.
  std::fill(DepthClearRow.begin() - kDepthLow, DepthClearRow.begin() - kDepthLow + kBitmapSize,
            kDepthClear);
}

FrameBuffers::FrameBuffers(const FrameBuffers& other)
    : ViewBitmap(other.ViewBitmap),
      DepthBuffer(other.DepthBuffer),
      DepthClearRow(other.DepthClearRow),
      BackgroundRow(other.BackgroundRow),
      images(other.images) {}

FrameBuffers& FrameBuffers::second() {
  if (!second_) second_ = std::make_unique<FrameBuffers>();
  return *second_;
}

SideWorker& FrameBuffers::worker() {
  if (!worker_) worker_ = std::make_unique<SideWorker>();
  return *worker_;
}

void FrameBuffers::setBackground(Rgb colour) {
  for (int x = 0; x < kBitmapSize; ++x) {
    BackgroundRow[static_cast<std::size_t>(3 * x)] = colour.blue;
    BackgroundRow[static_cast<std::size_t>(3 * x + 1)] = colour.green;
    BackgroundRow[static_cast<std::size_t>(3 * x + 2)] = colour.red;
  }
}

void FrameBuffers::clearRows(int first_row, bool depth_too) {
  first_row = std::max(first_row, 0);
  for (int y = first_row; y <= kImageSize - 1; ++y) clearRow(y, depth_too);
}

void FrameBuffers::clearRow(int row, bool depth_too) {
  std::copy(BackgroundRow.begin(), BackgroundRow.end(), ViewBitmap.row(row));
  if (depth_too) std::copy(DepthClearRow.begin(), DepthClearRow.end(), depthRow(row) + kDepthLow);
}

void FrameBuffers::copyAndClearRows(Canvas* image, int first, int last, const RowClear& next) {
  first = std::max(first, 0);
  last = std::min(last, kImageSize - 1);
  const int clear_from = next.wanted ? std::max(next.first_row, 0) : kImageSize;
  for (int y = first; y <= last; ++y) {
    if (image != nullptr && y < image->height()) {
      std::copy_n(ViewBitmap.row(y), 3 * std::min(image->width(), kBitmapSize), image->row(y));
    }
    if (y >= clear_from) clearRow(y, next.depth_too);
  }
}

void SavedRows::take(FrameBuffers& frame, std::vector<int> rows) {
  rows_ = std::move(rows);
  pixels_.clear();
  depths_.clear();
  for (int y : rows_) {
    pixels_.insert(pixels_.end(), frame.ViewBitmap.row(y),
                   frame.ViewBitmap.row(y) + 3 * kBitmapSize);
    depths_.insert(depths_.end(), frame.depthRow(y) + kDepthLow,
                   frame.depthRow(y) + kDepthLow + kDepthSize);
  }
}

void SavedRows::put(FrameBuffers& frame) const {
  std::size_t k = 0;
  for (int y : rows_) {
    std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(k * 3 * kBitmapSize), 3 * kBitmapSize,
                frame.ViewBitmap.row(y));
    std::copy_n(depths_.begin() + static_cast<std::ptrdiff_t>(k * kDepthSize), kDepthSize,
                frame.depthRow(y) + kDepthLow);
    ++k;
  }
}

}  // namespace facetry
