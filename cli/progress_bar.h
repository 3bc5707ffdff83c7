#pragma once
// A progress bar drawn as one line of text: "[#########...........]  45 %".

#include <QString>

QString ProgressBarText(int done, int maximum, int width);
