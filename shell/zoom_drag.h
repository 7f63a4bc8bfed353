// The rectangle of Zoom UP, dragged over the view while the user's tool stays current: the tool is
// neither ended nor replaced, and takes no press, pointer move or release of the drag. While the
// rectangle waits the status bar and the help topic speak of the zoom; when it is over, or ended
// by a key or a command, they speak of the user's tool again, as they did before Zoom UP.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win_types.h"

class TChild;
class TClient;
class TPoint;
class TRect;

namespace shell {

class ZoomDrag {
public:
    // Keeps what the status bar says of the user's tool, and its help topic.
    explicit ZoomDrag(const TClient& client);

    // The press that fixes the rectangle's first corner.
    void Press(TChild& window, const TPoint& point);
    // The band follows the pointer while the button is held.
    void Move(TChild& window, const TPoint& point);
    // True while the rectangle is being dragged.
    [[nodiscard]] bool Dragging() const { return dragging_; }
    // The release: true when the rectangle became the view; false when it was too small to show,
    // and the drag waits for a press again.
    [[nodiscard]] bool Release(TChild& window, const TPoint& point);
    // The status bar and the help topic as they were for the user's tool.
    void HandBack(TClient& client) const;

private:
    // The rectangle from the first corner to the last becomes the view, widened on one axis to the
    // window's proportions; false for a click or a sliver, which would give a view of no size.
    bool ShowRectangle(const TRect& client) const;

    bool dragging_ = false;
    POINT first_{}; // the corners, drawing units
    POINT last_{};
    std::string toolName_;
    std::string guide_;
    int32_t helpContext_ = 0;
};

} // namespace shell
