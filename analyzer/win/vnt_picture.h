// The main window's picture: the bitmap WForm shows and the view drawn into it.
#pragma once

#include "analyzer/picture.h"
#include "analyzer/win/gdi_canvas.h"

struct VntPicture {
  VntPicture() : canvas(kPictureWidth, kPictureHeight), picture(canvas) {}
  GdiCanvas canvas;
  Picture picture;
  bool drawn = false;  // the bitmap holds a picture, not just black
};
