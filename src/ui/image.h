#pragma once

#include "gfx/bitmap.h"
#include "ui/control.h"

namespace orvanta::ui {

// Shows a picture with its alpha over whatever lies behind the control: at the top-left
// corner, or centred in the control.
class Image : public Control {
 public:
  Image();

  const gfx::Image& Picture() const { return m_picture; }
  void SetPicture(gfx::Image picture);
  void SetCenter(bool center);
  // Where the picture goes, client pixels.
  gfx::Point PictureOrigin() const;

  void Paint(gfx::Canvas& canvas) override;

 private:
  gfx::Image m_picture;
  bool m_center = false;
};

}  // namespace orvanta::ui
