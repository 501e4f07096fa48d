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
    // True when the base must be drawn for `key` at `width` x `height`: nothing
    // is kept yet, the size changed or the key differs. A new size gives a new,
    // empty image.
    bool stale(const Key& key, int width, int height) {
        if (image_.isNull() || image_.width() != width || image_.height() != height) {
            graphics_.reset();
            image_.create(width, -height, 32);
            graphics_ = std::make_unique<Graphics>(image_.dc());
            key_.reset();
        }
        return key_ != key;
    }
    // After drawing: the image now holds the base of `key`.
    void keep(const Key& key) { key_ = key; }

    Graphics& graphics() { return *graphics_; }
    GImageEx& image() { return image_; }
    // The base goes into `target`, which must be of the same size.
    void copyTo(HDC target) const { image_.blit(target); }

private:
    GImageEx image_;
    std::unique_ptr<Graphics> graphics_;  // declared after the image: deleted before its DC
    std::optional<Key> key_;
};

}  // namespace draw
