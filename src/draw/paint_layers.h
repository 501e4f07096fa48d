#pragma once
// A window's paint has two layers: the base, drawn only from inputs that change
// rarely, and the moving layer over it (hands, graphs, figures, boxes, labels).
// A painter draws the layers it is asked for, in the order of a full paint.

namespace draw {

enum class Layers { Base = 1, Moving = 2, All = 3 };

constexpr bool has(Layers set, Layers layer) { return (static_cast<int>(set) & static_cast<int>(layer)) != 0; }

}  // namespace draw
