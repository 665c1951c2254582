#include "root_grab.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

RootGrab::RootGrab(Display* d, int x, int y, int w, int h) : d_(d), x_(x), y_(y), w_(w), h_(h) {
  // Shared memory spares the copy through the socket: several times the grabs.
  const int screen = DefaultScreen(d);
  if (!XShmQueryExtension(d)) return;
  shared_ = XShmCreateImage(d, DefaultVisual(d, screen), unsigned(DefaultDepth(d, screen)), ZPixmap,
                            nullptr, &shm_, unsigned(w), unsigned(h));
  if (shared_ == nullptr) return;
  shm_.shmid = shmget(IPC_PRIVATE, size_t(shared_->bytes_per_line) * shared_->height, IPC_CREAT | 0600);
  shm_.shmaddr = shared_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
  shm_.readOnly = False;
  XShmAttach(d, &shm_);
  shmctl(shm_.shmid, IPC_RMID, nullptr);  // gone once both sides detach
}

RootGrab::~RootGrab() {
  if (shared_ == nullptr) return;
  XShmDetach(d_, &shm_);
  shared_->data = nullptr;  // the segment is not Xlib's to free
  XDestroyImage(shared_);
  shmdt(shm_.shmaddr);
}

bool RootGrab::Grab(int ox, int oy, stripread::Image& out) {
  const Window root = DefaultRootWindow(d_);
  XImage* x = nullptr;
  if (shared_ != nullptr) {
    if (!XShmGetImage(d_, root, shared_, x_, y_, AllPlanes)) return false;
    x = shared_;
  } else {
    x = XGetImage(d_, root, x_, y_, unsigned(w_), unsigned(h_), AllPlanes, ZPixmap);
    if (x == nullptr) return false;
  }
  const int left = x_ - ox, top = y_ - oy;
  out.width = left + x->width;
  out.height = top + x->height;
  out.pixels.assign(size_t(out.width) * out.height, stripread::kBlack);
  const bool direct = x->bits_per_pixel == 32 && x->byte_order == LSBFirst;
  for (int y = 0; y < x->height; ++y) {
    uint32_t* row_out = &out.pixels[size_t(top + y) * out.width + left];
    if (direct) {
      const auto* row = reinterpret_cast<const uint32_t*>(x->data + size_t(y) * x->bytes_per_line);
      for (int xx = 0; xx < x->width; ++xx) row_out[xx] = row[xx] & 0xFFFFFF;
    } else {
      for (int xx = 0; xx < x->width; ++xx) row_out[xx] = uint32_t(XGetPixel(x, xx, y)) & 0xFFFFFF;
    }
  }
  if (x != shared_) XDestroyImage(x);
  return true;
}
