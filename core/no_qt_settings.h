#pragma once
// The program keeps no state but Settings.ini. Qt keeps its own user settings otherwise: the
// file dialogs store their history in QtProject.conf whenever one is destroyed.

void KeepNoQtSettings();
