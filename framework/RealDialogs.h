#pragma once
// The real Win32 dialogs behind ShowDialog().
#include <windows.h>

#include "framework/Dialogs.h"

void SoundDialogBeep(TDialogBeep beep);
int ShowRealMessageDialog(const DialogRequest& request);
DialogAnswer ShowRealInputDialog(const DialogRequest& request);
int ShowRealErrorBox(const DialogRequest& request, UINT style);
