// One rectangle of the root window, grabbed over and over. A grab is one
// GetImage of the root (through shared memory where the server has it): it
// cannot fail when a window goes away meanwhile, as xwd's reading of every
// window by itself does, and it is several times quicker.
#pragma once

// The reader first: Xlib's macros (None, Success...) would clash with its names.
#include "stripread/image.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

class RootGrab {
 public:
  RootGrab(Display* d, int x, int y, int w, int h);
  ~RootGrab();
  RootGrab(const RootGrab&) = delete;
  RootGrab& operator=(const RootGrab&) = delete;

  // The grab placed where it lies on its monitor, whose corner is (ox, oy):
  // black where nothing was grabbed, so the strips' coordinates and the
  // region checks count from the monitor as the device's do. False when the
  // server did not hand out a grab.
  bool Grab(int ox, int oy, stripread::Image& out);

 private:
  Display* d_;
  int x_, y_, w_, h_;
  XShmSegmentInfo shm_{};
  XImage* shared_ = nullptr;
};
