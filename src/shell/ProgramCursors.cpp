#include "shell/ProgramCursors.h"

Qt::CursorShape CursorShapeOf(int number)
{
    switch (number) {
    case 0: return Qt::ArrowCursor;
    case -1:
    case 181: return Qt::WaitCursor;
    case 3:
    case 159: return Qt::PointingHandCursor;
    case 4: return Qt::DragLinkCursor;
    case 150: return Qt::DragMoveCursor;
    case 151: return Qt::DragCopyCursor;
    case 161: return Qt::WhatsThisCursor;
    default: break;
    }
    // The animated series (111-120, 121-130, ... 221-230), "MONITOR" 171 and "READ" 191: work goes
    // on while the user may still look around.
    return number > 100 ? Qt::BusyCursor : Qt::ArrowCursor;
}
