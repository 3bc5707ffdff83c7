#pragma once
// The callouts of the main window: the notice strip's backdrop (InfoShape2), the backdrop of
// the corrected-current note (InfoShape1) and the bubble of drive values (ibAboutVfd).

#include "widgets/info_bubble.h"
#include "widgets/info_shape.h"

enum class TInfoShapeInstance { InfoShape1, InfoShape2 };

// Named, sized and coloured as designed; the caller places it behind its label.
TInfoShape* CreateInfoShape(TInfoShapeInstance which, QWidget* parent);

// Named, sized and coloured as designed; the caller aligns it to the left of its parent.
TInfoBubble* CreateIbAboutVfd(QWidget* parent);
