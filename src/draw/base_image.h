#pragma once
// A window's base layer, kept between paints: an image of the window's size and
// the key of the inputs it was drawn from. A paint draws the base again only
// when the key or the size changed, then copies it and draws the moving layer.
#include <memory>
#include <optional>

#include "draw/gdiplus_wrappers.h"
#include "draw/gimage_ex.h"

namespace draw {

template <class Key>
class BaseImage {
public:
    // Draws the base again through `draw(graphics, image)` when nothing is kept
    // yet, the size changed or `keyOf()` differs from the kept key. The key is
    // taken again after the drawing, since a painter may move what it draws
    // from (the month panel goes to today's month).
    template <class KeyOf, class Draw>
    void refresh(KeyOf keyOf, int width, int height, Draw draw) {
        if (image_.isNull() || image_.width() != width || image_.height() != height) {
            graphics_.reset();
            image_.create(width, -height, 32);
            graphics_ = std::make_unique<Graphics>(image_.dc());
            key_.reset();
        }
        if (key_ == keyOf()) return;
        draw(*graphics_, image_);
        key_ = keyOf();
    }
    // The base goes into `target`, which must be of the same size.
    void copyTo(HDC target) const { image_.blit(target); }

private:
    GImageEx image_;
    std::unique_ptr<Graphics> graphics_;  // declared after the image: deleted before its DC
    std::optional<Key> key_;
};

}  // namespace draw
