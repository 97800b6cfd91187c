#pragma once

#include <initializer_list>

class QWidget;

namespace tamsoret {

// The windows are laid out from fixed positions for their English captions. A translated
// caption is often longer: these give it the room it needs, so that no text is cut.

// The width a label, check box, option button or push button needs to show its caption
// whole, measured with its font; its own width for any other control.
int CaptionWidth(const QWidget *control);

// Widens a control whose caption does not fit into the free room beside it on its row, up
// to the next control or the edge of its parent: to the right, or to the left for a label
// aligned right. Gives how many pixels are still missing.
int GrowIntoFreeRoom(QWidget *control);

// Gives each control whose caption does not fit the room it needs: first the free room
// beside it, then a strip as wide as what is still missing, opened at its edge through the
// whole window: whatever lies beyond the edge moves over, whatever spans it widens, and
// the window with it, so that columns stay aligned and no control covers another. A
// caption that fits changes nothing.
void MakeRoomForCaptions(QWidget *window, std::initializer_list<QWidget *> controls);

} // namespace tamsoret
