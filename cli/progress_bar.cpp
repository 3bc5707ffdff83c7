#include "cli/progress_bar.h"

#include <algorithm>

QString ProgressBarText(int done, int maximum, int width) {
    const int bounded = maximum > 0 ? std::clamp(done, 0, maximum) : 0;
    const int percent = maximum > 0 ? bounded * 100 / maximum : 0;
    const int filled = maximum > 0 ? bounded * width / maximum : 0;
    return u'[' + QString(filled, u'#') + QString(width - filled, u'.') + u']' +
           QStringLiteral(" %1 %").arg(percent, 3);
}
